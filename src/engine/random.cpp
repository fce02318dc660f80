// Random numbers from the engine's own generator.
#include "engine/engine_impl.h"

#include <SDL.h>

#include <utility>

void HGE::Random_Seed(int seed) {
    EngineImpl& e = *impl_;
    std::uint64_t value = static_cast<std::uint32_t>(seed);
    if (seed == 0) {
        value = e.backend ? e.backend->ClockMillis() : SDL_GetTicks64();
    }
    e.random.Seed(value);
}

int HGE::Random_Int(int min, int max) {
    if (max < min) {
        std::swap(min, max);
    }
    // Scale a 32-bit draw onto the range with integer arithmetic only.
    const auto range = static_cast<std::uint64_t>(static_cast<std::int64_t>(max) - min + 1);
    const std::uint64_t offset = (impl_->random.Next() * range) >> 32;
    return static_cast<int>(static_cast<std::int64_t>(min) + static_cast<std::int64_t>(offset));
}

float HGE::Random_Float(float min, float max) {
    // 24 random bits give a float in [0, 1) exactly.
    const float unit = static_cast<float>(impl_->random.Next() >> 8) * (1.0f / 16777216.0f);
    return min + unit * (max - min);
}

std::uint64_t HGE::Random_GetState() const {
    return impl_->random.state;
}

void HGE::Random_SetState(std::uint64_t state) {
    impl_->random.state = state;
}
