// bubblehive-bare-sdl: the baseline of the window benchmark. It opens the
// game's 800×600 window with a renderer made the way the window backend makes
// one, then only clears and presents it, pacing frames to the same deadline
// with SDL_Delay. It ends on SDL_QUIT (SIGTERM, closing the window) or after
// --frames N frames.
//
//     bubblehive-bare-sdl [--fps N] [--frames N]
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool ReadCount(const char* text, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < 1 || parsed > 1000000) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int fps = 30;
    int frames = 0;  // 0: until SDL_QUIT
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if ((option == "--fps" || option == "--frames") && i + 1 < argc) {
            if (!ReadCount(argv[++i], option == "--fps" ? fps : frames)) {
                std::fprintf(stderr, "bubblehive-bare-sdl: %s takes a number from 1, not `%s`\n",
                             option.c_str(), argv[i]);
                return 2;
            }
        } else {
            std::fprintf(stderr, "usage: bubblehive-bare-sdl [--fps N] [--frames N]\n");
            return 2;
        }
    }

    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "bubblehive-bare-sdl: cannot start the video system: %s\n",
                     SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("bare SDL", SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, 800, 600, SDL_WINDOW_RESIZABLE);
    if (window == nullptr) {
        std::fprintf(stderr, "bubblehive-bare-sdl: cannot create the window: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    // As the window backend does with a fixed frame rate: no vsync, an
    // accelerated renderer if there is one, else the software one.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (renderer == nullptr) {
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (renderer == nullptr) {
        std::fprintf(stderr, "bubblehive-bare-sdl: cannot create a renderer: %s\n", SDL_GetError());
        SDL_DestroyWindow(window);
        SDL_Quit();
        return 1;
    }
    SDL_RenderSetLogicalSize(renderer, 800, 600);

    const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
    const auto period = static_cast<Uint64>(frequency / fps);
    Uint64 deadline = SDL_GetPerformanceCounter();
    bool running = true;
    for (int frame = 0; running && (frames == 0 || frame < frames); ++frame) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            running = running && event.type != SDL_QUIT;
        }
        // Sleep to the next deadline, as the window backend does.
        Uint64 now = SDL_GetPerformanceCounter();
        if (frame > 0) {
            deadline += period;
            if (now > deadline + period) {
                deadline = now;
            }
            while (now < deadline) {
                const auto ms =
                    static_cast<Uint32>(static_cast<double>(deadline - now) * 1000.0 / frequency);
                if (ms == 0) {
                    break;
                }
                SDL_Delay(ms);
                now = SDL_GetPerformanceCounter();
            }
        }
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        SDL_RenderPresent(renderer);
    }

    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
