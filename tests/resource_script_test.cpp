// The resource-script parser: what each line defines, and the one
// "FILE:LINE: message" every malformed line earns.
#include "engine/resource_script.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

using Kind = ResourceDef::Kind;

void PrintTo(const ResourceDef& d, std::ostream* os) {
    *os << "{kind " << static_cast<int>(d.kind) << " name '" << d.name << "' line " << d.line
        << " file '" << d.file << "' texture '" << d.texture << "' rect " << d.x << "," << d.y
        << " " << d.w << "x" << d.h << " frames " << d.frames << " fps " << d.fps << " mode "
        << d.mode << " hotspot " << d.hotX << "," << d.hotY << " color " << std::hex << d.color
        << std::dec << " blend " << d.blend << "}";
}

namespace {

struct Parsed {
    std::vector<ResourceDef> defs;
    std::string errors;
};

Parsed Parse(std::string_view text) {
    std::ostringstream errors;
    Parsed parsed;
    parsed.defs = ParseResourceScript(text, "res/t.pak", errors);
    parsed.errors = errors.str();
    return parsed;
}

constexpr int kFwdLoop = HGEANIM_FWD | HGEANIM_LOOP;

// Expected definitions; line 2 is where every table case stands.
ResourceDef Texture(const std::string& name, const std::string& file) {
    ResourceDef d;
    d.kind = Kind::Texture;
    d.name = name;
    d.line = 2;
    d.file = file;
    return d;
}

ResourceDef Sprite(const std::string& name, float x, float y, float w, float h) {
    ResourceDef d;
    d.kind = Kind::Sprite;
    d.name = name;
    d.line = 2;
    d.texture = "tex";
    d.x = x;
    d.y = y;
    d.w = w;
    d.h = h;
    return d;
}

ResourceDef Animation(const std::string& name, float x, float y, float w, float h, int frames,
                      float fps, int mode) {
    ResourceDef d = Sprite(name, x, y, w, h);
    d.kind = Kind::Animation;
    d.frames = frames;
    d.fps = fps;
    d.mode = mode;
    return d;
}

template <typename Change>
ResourceDef With(ResourceDef d, Change change) {
    change(d);
    return d;
}

struct LineCase {
    std::string line;
    std::optional<ResourceDef> def;  // what the line defines, or
    std::string error;               // the message it earns after "res/t.pak:2: "
};

// Each case is line 2 of a script whose line 1 defines texture "tex".
const LineCase kLineCases[] = {
    // Good lines.
    {"texture t2 tex/b.png", Texture("t2", "tex/b.png"), ""},
    {"sprite s tex 1 2 30 40", Sprite("s", 1, 2, 30, 40), ""},
    {"\tsprite  s.x-1_Y\ttex 0 0 1 1   # a comment 0 0", Sprite("s.x-1_Y", 0, 0, 1, 1), ""},
    {"sprite s tex 0 0 8 8 blend add color 80ff00AA hotspot 4 -2.5",
     With(Sprite("s", 0, 0, 8, 8),
          [](ResourceDef& d) {
              d.hotX = 4;
              d.hotY = -2.5f;
              d.color = 0x80FF00AA;
              d.blend = BLEND_COLORMUL | BLEND_ALPHAADD;
          }),
     ""},
    {"animation a tex 0 32 16 16 8 12.5", Animation("a", 0, 32, 16, 16, 8, 12.5f, kFwdLoop), ""},
    {"animation btn tex 0 600 160 48 3 1 once",
     Animation("btn", 0, 600, 160, 48, 3, 1, HGEANIM_FWD | HGEANIM_NOLOOP), ""},
    {"animation a tex 0 0 32 32 8 0 reverse pingpong loop hotspot 16 16",
     With(Animation("a", 0, 0, 32, 32, 8, 0, HGEANIM_REV | HGEANIM_PINGPONG | HGEANIM_LOOP),
          [](ResourceDef& d) {
              d.hotX = 16;
              d.hotY = 16;
          }),
     ""},

    // Entries and names.
    {"sprit s tex 0 0 1 1", {}, "unknown entry 'sprit' (expected texture, sprite or animation)"},
    {"Sprite s tex 0 0 1 1", {}, "unknown entry 'Sprite'"},
    {"sprite", {}, "sprite: missing name"},
    {"sprite s/x tex 0 0 1 1", {}, "sprite: bad name 's/x'"},
    {"texture tex other.png", {}, "texture 'tex' is already defined on line 1"},
    {"texture t", {}, "texture 't': missing file"},
    {"texture t a.png b.png", {}, "texture 't': unexpected 'b.png' after the file name"},
    {"sprite s nope 0 0 1 1", {}, "sprite 's': unknown texture 'nope'"},
    {"sprite s", {}, "sprite 's': missing texture"},

    // Numbers.
    {"sprite s tex 0 0 1", {}, "sprite 's': missing height"},
    {"sprite s tex 0 zero 1 1", {}, "sprite 's': y is not a number: 'zero'"},
    {"sprite s tex 0 0 1x 1", {}, "sprite 's': width is not a number: '1x'"},
    {"sprite s tex 0 0 nan 1", {}, "sprite 's': width is not a number: 'nan'"},
    {"sprite s tex 0 0 1 inf", {}, "sprite 's': height is not a number: 'inf'"},
    {"sprite s tex 0 0 -4 1", {}, "sprite 's': width must be above 0"},
    {"sprite s tex 0 0 1 0", {}, "sprite 's': height must be above 0"},
    {"sprite s tex -1 0 1 1", {}, "sprite 's': x must be at least 0"},
    {"sprite s tex 0 0 1 1e9", {}, "sprite 's': height must be above 0 and at most 65536"},
    {"animation a tex 0 0 1 1 0 1", {}, "animation 'a': frame count must be a whole number"},
    {"animation a tex 0 0 1 1 2.5 1", {}, "animation 'a': frame count must be a whole number"},
    {"animation a tex 0 0 1 1 99999999999 1", {}, "animation 'a': frame count must be"},
    {"animation a tex 0 0 1 1 3", {}, "animation 'a': missing fps"},
    {"animation a tex 0 0 1 1 3 -1", {}, "animation 'a': fps must be at least 0"},
    {"animation a tex 0 0 1 1", {}, "animation 'a': missing frame count"},

    // Options.
    {"sprite s tex 0 0 1 1 extra", {}, "sprite 's': unknown option 'extra'"},
    {"sprite s tex 0 0 1 1 loop", {}, "sprite 's': 'loop' applies to animations only"},
    {"sprite s tex 0 0 1 1 hotspot 3", {}, "sprite 's': missing hotspot y"},
    {"sprite s tex 0 0 1 1 hotspot a b", {}, "sprite 's': hotspot x is not a number: 'a'"},
    {"sprite s tex 0 0 1 1 color FF00", {}, "sprite 's': bad colour 'FF00' (expected AARRGGBB)"},
    {"sprite s tex 0 0 1 1 color GG000000", {}, "sprite 's': bad colour 'GG000000'"},
    {"sprite s tex 0 0 1 1 color -FFFFFFF", {}, "sprite 's': bad colour '-FFFFFFF'"},
    {"sprite s tex 0 0 1 1 color", {}, "sprite 's': missing colour after 'color'"},
    {"sprite s tex 0 0 1 1 blend mul", {}, "sprite 's': blend must be 'add', not 'mul'"},
    {"sprite s tex 0 0 1 1 blend add blend add", {}, "sprite 's': blend given twice"},
    {"animation a tex 0 0 1 1 3 1 once loop", {}, "animation 'a': loop mode given twice"},
    {"animation a tex 0 0 1 1 3 1 forward reverse", {}, "animation 'a': direction given twice"},
};

TEST(ResourceScriptTest, EachLineDefinesOneThingOrEarnsOneMessage) {
    for (const LineCase& c : kLineCases) {
        Parsed parsed = Parse("texture tex tex/a.png\n" + c.line + "\n");
        ASSERT_FALSE(parsed.defs.empty()) << c.line;
        EXPECT_EQ(parsed.defs[0].name, "tex");
        if (c.def) {
            EXPECT_EQ(parsed.errors, "") << c.line;
            ASSERT_EQ(parsed.defs.size(), 2u) << c.line;
            EXPECT_EQ(parsed.defs[1], *c.def) << c.line;
        } else {
            std::string prefix = "res/t.pak:2: " + c.error;
            EXPECT_EQ(parsed.errors.substr(0, prefix.size()), prefix) << c.line;
            EXPECT_EQ(std::count(parsed.errors.begin(), parsed.errors.end(), '\n'), 1)
                << parsed.errors;
            EXPECT_EQ(parsed.defs.size(), 1u) << c.line;
        }
    }
}

// A whole script as an editor on another system might save it: BOM, CR LF,
// comments, bad lines between good ones.
TEST(ResourceScriptTest, BadLinesAreSkippedAndTheRestLoads) {
    std::string text =
        "\xEF\xBB\xBFtexture tex tex/a.png\r\n"
        "\r\n"
        "# a comment line\r\n"
        "sprite   logo tex 0 0 400 200\r\n"
        "sprite   broken tex 0 0\r\n"
        "animation logo tex 0 200 32 32 4 10\r\n"  // a sprite and an animation may share a name
        "sprite logo tex 1 1 1 1\r\n"
        "   \t  # indented comment\r\n"
        "animation spin missing_tex 0 0 8 8 2 1\r\n"
        "sprite last tex 5 6 7 8";  // no line end at the end of the file
    Parsed parsed = Parse(text);
    EXPECT_EQ(parsed.errors,
              "res/t.pak:5: sprite 'broken': missing width\n"
              "res/t.pak:7: sprite 'logo' is already defined on line 4\n"
              "res/t.pak:9: animation 'spin': unknown texture 'missing_tex' (define it with a "
              "texture line above)\n");
    ASSERT_EQ(parsed.defs.size(), 4u);
    EXPECT_EQ(parsed.defs[0].file, "tex/a.png");
    EXPECT_EQ(parsed.defs[0].line, 1);
    EXPECT_EQ(parsed.defs[1].name, "logo");
    EXPECT_EQ(parsed.defs[1].kind, Kind::Sprite);
    EXPECT_EQ(parsed.defs[1].w, 400);
    EXPECT_EQ(parsed.defs[2].kind, Kind::Animation);
    EXPECT_EQ(parsed.defs[2].line, 6);
    EXPECT_EQ(parsed.defs[3].name, "last");
    EXPECT_EQ(parsed.defs[3].h, 8);
}

TEST(ResourceScriptTest, TexturesMustComeBeforeTheirUsers) {
    Parsed parsed = Parse("sprite s tex 0 0 1 1\ntexture tex a.png\nsprite s tex 0 0 1 1\n");
    EXPECT_EQ(parsed.errors.substr(0, 40), "res/t.pak:1: sprite 's': unknown texture");
    ASSERT_EQ(parsed.defs.size(), 2u);
    EXPECT_EQ(parsed.defs[1].line, 3);
}

TEST(ResourceScriptTest, LongLinesAndGarbageGiveShortMessages) {
    std::string longWord(100000, 'x');
    Parsed parsed = Parse("texture tex a.png\nsprite s tex 0 0 1 1 " + longWord + "\n" + longWord +
                          "\n" + std::string("\0\xff\x01 sprite", 9) + "\n");
    std::string quoted = "'" + std::string(40, 'x') + "...'";
    EXPECT_EQ(parsed.errors, "res/t.pak:2: sprite 's': unknown option " + quoted +
                                 "\nres/t.pak:3: unknown entry " + quoted +
                                 " (expected texture, sprite or animation)\nres/t.pak:4: "
                                 "unknown entry '" +
                                 std::string("\0\xff\x01", 3) +
                                 "' (expected texture, sprite or animation)\n");
    EXPECT_EQ(parsed.defs.size(), 1u);
}

// Scrambled scripts never crash the parser, and every message it gives
// starts with the file and a line number that exists.
TEST(ResourceScriptTest, ScrambledScriptsOnlyEverGiveLineMessages) {
    const char* words[] = {"texture",  "sprite",   "animation",    "tex",   "t2",
                           "0",        "-1",       "16",           "3.5",   "1e40",
                           "#",        "hotspot",  "color",        "blend", "add",
                           "once",     "loop",     "\n",           "\r\n",  "\t",
                           "FFFFFFFF", "pingpong", "\xEF\xBB\xBF", "a.png", ""};
    std::uint32_t state = 99;
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int i = 0; i < 40; ++i) {
            state = state * 1664525u + 1013904223u;
            text += words[(state >> 8) % std::size(words)];
            text += ' ';
        }
        Parsed parsed = Parse(text);
        int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
        std::istringstream errors(parsed.errors);
        for (std::string message; std::getline(errors, message);) {
            ASSERT_EQ(message.rfind("res/t.pak:", 0), 0u) << message;
            int line = std::stoi(message.substr(10));
            EXPECT_GE(line, 1) << message;
            EXPECT_LE(line, lines) << message;
        }
    }
}

}  // namespace
