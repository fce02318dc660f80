// The frame timer as the game reads it.
#include "engine/engine_impl.h"

float HGE::Timer_GetDelta() const {
    return impl_->timer.delta;
}

float HGE::Timer_GetTime() const {
    return impl_->timer.time;
}

int HGE::Timer_GetFPS() const {
    return impl_->timer.fps;
}
