#include "commands.h"

#include "app/app.h"
#include "dump.h"
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"
#include "game_commands.h"
#include "json_writer.h"
#include "play_commands.h"
#include "text_commands.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <utility>

namespace {

std::string NoArgs(const std::vector<std::string>& args, ReplayCommand&) {
    return args.empty() ? "" : "takes no arguments";
}

bool EndsWith(const std::string& text, std::string_view suffix) {
    return text.size() > suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(),
                                                       suffix.data(), suffix.size()) == 0;
}

bool ParseFloat(const std::string& word, float& value) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    return ec == std::errc() && ptr == end;
}

void Deliver(ReplayContext& context, InputEvent event) {
    context.hge.DeliverEvent(event);
}

// key NAME down|up
std::string ParseKey(const std::vector<std::string>& args, ReplayCommand& command) {
    if (args.size() != 2) {
        return "expected a key name and down or up";
    }
    command.number = ParseKeyName(args[0]);
    if (command.number == 0) {
        return "unknown key `" + args[0] + "`";
    }
    if (args[1] != "down" && args[1] != "up") {
        return "expected down or up, not `" + args[1] + "`";
    }
    command.flag = args[1] == "down";
    return "";
}

void RunKey(const ReplayCommand& command, ReplayContext& context) {
    InputEvent event;
    event.kind = command.flag ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
    event.key = command.number;
    Deliver(context, event);
}

// mouse X Y
std::string ParseMouse(const std::vector<std::string>& args, ReplayCommand& command) {
    if (args.size() != 2 || !ParseFloat(args[0], command.x) || !ParseFloat(args[1], command.y)) {
        return "expected two numbers";
    }
    return "";
}

void RunMouse(const ReplayCommand& command, ReplayContext& context) {
    InputEvent event;
    event.kind = InputEvent::Kind::MouseMove;
    event.x = command.x;
    event.y = command.y;
    Deliver(context, event);
}

// press and release: the left button, wherever the mouse is.
void RunPress(const ReplayCommand&, ReplayContext& context) {
    InputEvent event;
    event.kind = InputEvent::Kind::KeyDown;
    event.key = HGEK_LBUTTON;
    Deliver(context, event);
}

void RunRelease(const ReplayCommand&, ReplayContext& context) {
    InputEvent event;
    event.kind = InputEvent::Kind::KeyUp;
    event.key = HGEK_LBUTTON;
    Deliver(context, event);
}

// text "UTF-8 text"
std::string ParseText(const std::vector<std::string>& args, ReplayCommand& command) {
    if (args.size() != 1) {
        return "expected one quoted text";
    }
    if (!IsValidUtf8(args[0])) {
        return "the text is not valid UTF-8";
    }
    command.text = args[0];
    return "";
}

void RunText(const ReplayCommand& command, ReplayContext& context) {
    InputEvent event;
    event.kind = InputEvent::Kind::Text;
    event.text = command.text;
    Deliver(context, event);
}

// focus lost|gained
std::string ParseFocus(const std::vector<std::string>& args, ReplayCommand& command) {
    if (args.size() != 1 || (args[0] != "lost" && args[0] != "gained")) {
        return "expected lost or gained";
    }
    command.flag = args[0] == "gained";
    return "";
}

void RunFocus(const ReplayCommand& command, ReplayContext& context) {
    InputEvent event;
    event.kind = command.flag ? InputEvent::Kind::FocusGained : InputEvent::Kind::FocusLost;
    Deliver(context, event);
}

// shot FILE.png and dump FILE.json
std::string ParseFileWith(const std::vector<std::string>& args, ReplayCommand& command,
                          std::string_view suffix) {
    if (args.size() != 1 || !EndsWith(args[0], suffix)) {
        return "expected one file name ending in " + std::string(suffix);
    }
    command.text = args[0];
    return "";
}

std::string ParseShot(const std::vector<std::string>& args, ReplayCommand& command) {
    return ParseFileWith(args, command, ".png");
}

void RunShot(const ReplayCommand& command, ReplayContext& context) {
    if (!context.backend.SavePng(command.text)) {
        std::fprintf(stderr, "%s: cannot write the picture of frame %d\n", command.text.c_str(),
                     context.frame);
        context.failed = true;
    }
}

std::string ParseDump(const std::vector<std::string>& args, ReplayCommand& command) {
    return ParseFileWith(args, command, ".json");
}

void RunDump(const ReplayCommand& command, ReplayContext& context) {
    if (!WriteDump(command.text, context)) {
        std::fprintf(stderr, "%s: cannot write the dump of frame %d\n", command.text.c_str(),
                     context.frame);
        context.failed = true;
    }
}

// quit: as if the window were closed.
void RunQuit(const ReplayCommand&, ReplayContext& context) {
    InputEvent event;
    event.kind = InputEvent::Kind::Quit;
    Deliver(context, event);
}

constexpr std::array kCommands = {
    CommandSpec{"key", "key NAME down|up", CommandTime::BeforeFrame, ParseKey, RunKey},
    CommandSpec{"mouse", "mouse X Y", CommandTime::BeforeFrame, ParseMouse, RunMouse},
    CommandSpec{"press", "press", CommandTime::BeforeFrame, NoArgs, RunPress},
    CommandSpec{"release", "release", CommandTime::BeforeFrame, NoArgs, RunRelease},
    CommandSpec{"text", "text \"UTF-8 text\"", CommandTime::BeforeFrame, ParseText, RunText},
    CommandSpec{"focus", "focus lost|gained", CommandTime::BeforeFrame, ParseFocus, RunFocus},
    CommandSpec{"quit", "quit", CommandTime::BeforeFrame, NoArgs, RunQuit},
    CommandSpec{"clipboard", "clipboard \"UTF-8 text\"", CommandTime::BeforeFrame, ParseClipboard,
                RunClipboard},
    CommandSpec{"menu", "menu main|nameInput|saveSlots|highScores|settings",
                CommandTime::BeforeFrame, ParseMenu, RunMenu},
    CommandSpec{"start", "start LEVEL", CommandTime::BeforeFrame, ParseStart, RunStart},
    CommandSpec{"board", "board FILE", CommandTime::BeforeFrame, ParseBoard, RunBoard},
    CommandSpec{"shooter", "shooter CURRENT NEXT", CommandTime::BeforeFrame, ParseShooter,
                RunShooter},
    CommandSpec{"shot", "shot FILE.png", CommandTime::AfterFrame, ParseShot, RunShot},
    CommandSpec{"dump", "dump FILE.json", CommandTime::AfterFrame, ParseDump, RunDump},
};

constexpr std::pair<std::string_view, int> kKeyNames[] = {
    {"SPACE", HGEK_SPACE},   {"ENTER", HGEK_ENTER}, {"ESCAPE", HGEK_ESCAPE},
    {"LEFT", HGEK_LEFT},     {"RIGHT", HGEK_RIGHT}, {"UP", HGEK_UP},
    {"DOWN", HGEK_DOWN},     {"TAB", HGEK_TAB},     {"BACKSPACE", HGEK_BACKSPACE},
    {"DELETE", HGEK_DELETE}, {"HOME", HGEK_HOME},   {"END", HGEK_END},
    {"CTRL", HGEK_CTRL},     {"SHIFT", HGEK_SHIFT}, {"ALT", HGEK_ALT},
    {"INSERT", HGEK_INSERT}, {"PGUP", HGEK_PGUP},   {"PGDN", HGEK_PGDN},
};

}  // namespace

const CommandSpec* FindCommand(std::string_view name) {
    for (const CommandSpec& entry : kCommands) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
}

int ParseKeyName(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    if (std::isdigit(static_cast<unsigned char>(name[0]))) {
        int code = 0;
        auto [ptr, ec] = std::from_chars(name.data(), name.data() + name.size(), code);
        const bool whole = ec == std::errc() && ptr == name.data() + name.size();
        return whole && code >= 1 && code <= 255 ? code : 0;
    }
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
        return HGEK_A + (name[0] - 'A');
    }
    if (name.size() >= 2 && name[0] == 'F') {
        int n = 0;
        auto [ptr, ec] = std::from_chars(name.data() + 1, name.data() + name.size(), n);
        if (ec == std::errc() && ptr == name.data() + name.size() && n >= 1 && n <= 12) {
            return HGEK_F1 + n - 1;
        }
    }
    for (const auto& [keyName, code] : kKeyNames) {
        if (name == keyName) {
            return code;
        }
    }
    return 0;
}
