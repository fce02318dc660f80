#include "runner.h"

#include "app/app.h"
#include "app/run_game.h"
#include "autoplay.h"
#include "commands.h"
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <system_error>
#include <vector>

namespace {

// A save folder that exists only for this run.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "bubblehive-replay-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TemporaryFolder() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

int RunReplay(const ReplayScript& script, const ReplayOptions& options) {
    // The commands of each frame, in the order written.
    std::map<int, std::vector<const ReplayCommand*>> byFrame;
    for (const ReplayCommand& command : script.commands) {
        byFrame[command.frame].push_back(&command);
    }
    // A timed run goes on until its time is up, unless a frame count ends it
    // first.
    const int scriptEnd = options.seconds ? INT_MAX : script.LastFrame();
    const int lastFrame = std::max(1, options.frames.value_or(scriptEnd));

    Autoplay autoplay;
    for (const ReplayCommand& command : script.commands) {
        if (std::strcmp(command.kind->name, "start") == 0) {
            autoplay.startsGame = false;  // the script starts its own game
        }
    }

    std::optional<TemporaryFolder> temporary;
    std::string saveDir = options.saveDir;
    if (saveDir.empty()) {
        temporary.emplace();
        if (temporary->Path().empty()) {
            std::fprintf(stderr, "bubblehive-replay: cannot make a temporary save folder\n");
            return 1;
        }
        saveDir = temporary->Path();
    }

    auto app = std::make_unique<App>();
    auto backend = std::make_unique<OffscreenBackend>();
    OffscreenBackend& offscreen = *backend;
    if (options.fps) {
        offscreen.SetFps(*options.fps);
    }
    // The engine reference lives in the context only while the game runs.
    HGE* hge = hgeCreate(HGE_VERSION);
    ReplayContext context{*app, *hge, offscreen};
    int framesRun = 0;

    const auto runAt = [&](int frame, CommandTime time) {
        context.frame = frame;
        auto found = byFrame.find(frame);
        if (found == byFrame.end()) {
            return;
        }
        for (const ReplayCommand* command : found->second) {
            if (command->kind->time == time) {
                command->kind->run(*command, context);
            }
        }
    };
    using Clock = std::chrono::steady_clock;
    Clock::time_point started;
    double seconds = 0.0;  // from the start of frame 1 to the end of the last frame
    offscreen.SetBeforeFrame([&](HGE&, int frame) {
        if (frame == 1) {
            started = Clock::now();
        }
        runAt(frame, CommandTime::BeforeFrame);
        if (options.autoplay) {
            AutoplayBeforeFrame(autoplay, context);
        }
    });
    offscreen.SetAfterFrame([&](int frame) {
        framesRun = frame;
        runAt(frame, CommandTime::AfterFrame);
        if (options.autoplay) {
            AutoplayAfterFrame(autoplay, context);
        }
        seconds = std::chrono::duration<double>(Clock::now() - started).count();
        return frame < lastFrame && (!options.seconds || seconds < *options.seconds);
    });

    LaunchOptions launch;
    launch.backend = std::move(backend);
    launch.gameDir = options.gameDir;
    launch.saveDir = saveDir;
    launch.fps = options.fps;
    const int gameStatus = RunGame(*app, std::move(launch));
    app.reset();
    hge->Release();

    if (framesRun == 0) {
        std::fprintf(stderr, "bubblehive-replay: the game did not start\n");
        return 1;
    }
    if (options.autoplay) {
        std::printf("%s\n", AutoplaySummary(autoplay, seconds).c_str());
        std::fflush(stdout);
    }
    // A failed save after the loop fails the run, as it fails the game.
    return context.failed || gameStatus != 0 ? 1 : 0;
}
