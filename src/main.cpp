// bubblehive: the game in its window. It reads everything from the folder it
// lives in.
#include "app/app.h"
#include "app/run_game.h"

#include <memory>

int main() {
    auto app = std::make_unique<App>();
    return RunGame(*app, LaunchOptions{});
}
