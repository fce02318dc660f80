#include "engine/resource_script.h"

#include <charconv>
#include <cmath>
#include <map>
#include <optional>

namespace {

// Bounds that keep nonsense out of the objects built from a script.
constexpr float kMaxCoordinate = 65536.0f;
constexpr int kMaxFrames = 4096;
// Tokens quoted in messages are cut to this length so a runaway line stays readable.
constexpr std::size_t kMaxQuoted = 40;

std::string Quote(std::string_view token) {
    std::string out = "'";
    if (token.size() > kMaxQuoted) {
        out.append(token.substr(0, kMaxQuoted));
        out += "...";
    } else {
        out.append(token);
    }
    return out + "'";
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::vector<std::string_view> SplitTokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) {
            ++i;
        }
        std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) {
            ++i;
        }
        if (i > start) {
            tokens.push_back(line.substr(start, i - start));
        }
    }
    return tokens;
}

bool IsValidName(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    for (char c : name) {
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '_' || c == '-' || c == '.';
        if (!ok) {
            return false;
        }
    }
    return true;
}

std::optional<float> ToFloat(std::string_view token) {
    float value = 0;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc() || end != token.data() + token.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ToInt(std::string_view token) {
    int value = 0;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc() || end != token.data() + token.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<DWORD> ToColor(std::string_view token) {
    if (token.size() != 8) {
        return std::nullopt;
    }
    DWORD value = 0;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value, 16);
    if (ec != std::errc() || end != token.data() + token.size()) {
        return std::nullopt;
    }
    return value;
}

// Reads the fields of one entry after its keyword and name. Each Take*
// returns false with error set when the field is missing or malformed.
class FieldReader {
public:
    FieldReader(const std::vector<std::string_view>& tokens, std::string prefix)
        : tokens_(tokens), prefix_(std::move(prefix)) {}

    bool AtEnd() const { return pos_ >= tokens_.size(); }
    std::string_view Next() { return tokens_[pos_++]; }
    const std::string& Error() const { return error_; }

    bool Fail(const std::string& message) {
        error_ = prefix_ + message;
        return false;
    }

    bool TakeWord(const char* what, std::string_view& out) {
        if (AtEnd()) {
            return Fail(std::string("missing ") + what);
        }
        out = Next();
        return true;
    }

    // A number in [min, max]; minExclusive rejects min itself.
    bool TakeNumber(const char* what, float min, bool minExclusive, float& out) {
        if (AtEnd()) {
            return Fail(std::string("missing ") + what);
        }
        std::string_view token = Next();
        std::optional<float> value = ToFloat(token);
        if (!value) {
            return Fail(std::string(what) + " is not a number: " + Quote(token));
        }
        bool tooSmall = minExclusive ? *value <= min : *value < min;
        if (tooSmall || *value > kMaxCoordinate) {
            return Fail(std::string(what) + " must be " + (minExclusive ? "above " : "at least ") +
                        FormatBound(min) + " and at most " + FormatBound(kMaxCoordinate) +
                        ", not " + Quote(token));
        }
        out = *value;
        return true;
    }

    bool TakeAnyNumber(const char* what, float& out) {
        return TakeNumber(what, -kMaxCoordinate, false, out);
    }

private:
    static std::string FormatBound(float v) { return std::to_string(static_cast<long>(v)); }

    const std::vector<std::string_view>& tokens_;
    std::string prefix_;
    std::size_t pos_ = 0;
    std::string error_;
};

// The optional words after a sprite's or an animation's fields.
bool ReadOptions(FieldReader& reader, bool animation, ResourceDef& def) {
    bool seenDirection = false, seenLoop = false, seenPingPong = false;
    bool seenHotspot = false, seenColor = false, seenBlend = false;
    auto once = [&reader](bool& seen, const char* what) {
        if (seen) {
            return reader.Fail(std::string(what) + " given twice");
        }
        seen = true;
        return true;
    };
    while (!reader.AtEnd()) {
        std::string_view word = reader.Next();
        bool animationWord = word == "forward" || word == "reverse" || word == "loop" ||
                             word == "once" || word == "pingpong";
        if (animationWord && !animation) {
            return reader.Fail(Quote(word) + " applies to animations only");
        }
        if (word == "forward" || word == "reverse") {
            if (!once(seenDirection, "direction")) {
                return false;
            }
            def.mode = (def.mode & ~HGEANIM_REV) | (word == "reverse" ? HGEANIM_REV : HGEANIM_FWD);
        } else if (word == "loop" || word == "once") {
            if (!once(seenLoop, "loop mode")) {
                return false;
            }
            def.mode =
                (def.mode & ~HGEANIM_LOOP) | (word == "loop" ? HGEANIM_LOOP : HGEANIM_NOLOOP);
        } else if (word == "pingpong") {
            if (!once(seenPingPong, "pingpong")) {
                return false;
            }
            def.mode |= HGEANIM_PINGPONG;
        } else if (word == "hotspot") {
            if (!once(seenHotspot, "hotspot") || !reader.TakeAnyNumber("hotspot x", def.hotX) ||
                !reader.TakeAnyNumber("hotspot y", def.hotY)) {
                return false;
            }
        } else if (word == "color") {
            std::string_view value;
            if (!once(seenColor, "color") || !reader.TakeWord("colour after 'color'", value)) {
                return false;
            }
            std::optional<DWORD> color = ToColor(value);
            if (!color) {
                return reader.Fail("bad colour " + Quote(value) + " (expected AARRGGBB)");
            }
            def.color = *color;
        } else if (word == "blend") {
            std::string_view value;
            if (!once(seenBlend, "blend") || !reader.TakeWord("blend mode after 'blend'", value)) {
                return false;
            }
            if (value != "add") {
                return reader.Fail("blend must be 'add', not " + Quote(value));
            }
            def.blend = BLEND_COLORMUL | BLEND_ALPHAADD;
        } else {
            return reader.Fail("unknown option " + Quote(word));
        }
    }
    return true;
}

// Fills def from the fields after "KIND NAME"; false with the reader's
// error set when the line is malformed.
bool ReadFields(FieldReader& reader, ResourceDef& def,
                const std::map<std::string, int, std::less<>>& texturesSoFar) {
    if (def.kind == ResourceDef::Kind::Texture) {
        std::string_view file;
        if (!reader.TakeWord("file", file)) {
            return false;
        }
        def.file = std::string(file);
        if (!reader.AtEnd()) {
            return reader.Fail("unexpected " + Quote(reader.Next()) + " after the file name");
        }
        return true;
    }

    std::string_view texture;
    if (!reader.TakeWord("texture", texture)) {
        return false;
    }
    if (!texturesSoFar.contains(texture)) {
        return reader.Fail("unknown texture " + Quote(texture) +
                           " (define it with a texture line above)");
    }
    def.texture = std::string(texture);
    if (!reader.TakeNumber("x", 0, false, def.x) || !reader.TakeNumber("y", 0, false, def.y) ||
        !reader.TakeNumber("width", 0, true, def.w) ||
        !reader.TakeNumber("height", 0, true, def.h)) {
        return false;
    }

    bool animation = def.kind == ResourceDef::Kind::Animation;
    if (animation) {
        std::string_view token;
        if (!reader.TakeWord("frame count", token)) {
            return false;
        }
        std::optional<int> frames = ToInt(token);
        if (!frames || *frames < 1 || *frames > kMaxFrames) {
            return reader.Fail("frame count must be a whole number from 1 to " +
                               std::to_string(kMaxFrames) + ", not " + Quote(token));
        }
        def.frames = *frames;
        if (!reader.TakeNumber("fps", 0, false, def.fps)) {
            return false;
        }
    }
    return ReadOptions(reader, animation, def);
}

const char* KindWord(ResourceDef::Kind kind) {
    switch (kind) {
        case ResourceDef::Kind::Texture:
            return "texture";
        case ResourceDef::Kind::Sprite:
            return "sprite";
        case ResourceDef::Kind::Animation:
            return "animation";
    }
    return "?";
}

}  // namespace

std::vector<ResourceDef> ParseResourceScript(std::string_view text, const std::string& fileName,
                                             std::ostream& errors) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.starts_with(kBom)) {
        text.remove_prefix(kBom.size());
    }

    std::vector<ResourceDef> defs;
    // Names seen so far, per kind, with the line that defined them.
    std::map<std::string, int, std::less<>> seen[3];

    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);

        if (std::size_t hash = line.find('#'); hash != std::string_view::npos) {
            line = line.substr(0, hash);
        }
        std::vector<std::string_view> tokens = SplitTokens(line);
        if (tokens.empty()) {
            continue;
        }
        auto report = [&](const std::string& message) {
            errors << fileName << ':' << lineNumber << ": " << message << '\n';
        };

        ResourceDef def;
        def.line = lineNumber;
        if (tokens[0] == "texture") {
            def.kind = ResourceDef::Kind::Texture;
        } else if (tokens[0] == "sprite") {
            def.kind = ResourceDef::Kind::Sprite;
        } else if (tokens[0] == "animation") {
            def.kind = ResourceDef::Kind::Animation;
        } else {
            report("unknown entry " + Quote(tokens[0]) +
                   " (expected texture, sprite or animation)");
            continue;
        }
        const char* kind = KindWord(def.kind);
        if (tokens.size() < 2) {
            report(std::string(kind) + ": missing name");
            continue;
        }
        if (!IsValidName(tokens[1])) {
            report(std::string(kind) + ": bad name " + Quote(tokens[1]) +
                   " (letters, digits, '_', '-' and '.' only)");
            continue;
        }
        def.name = std::string(tokens[1]);
        auto& names = seen[static_cast<int>(def.kind)];
        if (auto it = names.find(def.name); it != names.end()) {
            report(std::string(kind) + " " + Quote(def.name) + " is already defined on line " +
                   std::to_string(it->second));
            continue;
        }

        std::vector<std::string_view> fields(tokens.begin() + 2, tokens.end());
        FieldReader reader(fields, std::string(kind) + " " + Quote(def.name) + ": ");
        if (!ReadFields(reader, def, seen[static_cast<int>(ResourceDef::Kind::Texture)])) {
            report(reader.Error());
            continue;
        }
        names.emplace(def.name, lineNumber);
        defs.push_back(std::move(def));
    }
    return defs;
}
