// A small PCG32 generator. Written out here, rather than taken from the
// standard library, so that one seed gives the same numbers on every machine
// and every replay.
#pragma once

#include <cstdint>

struct RandomGenerator {
    std::uint64_t state = 0x853C49E6748FEA9BULL;
    static constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
    static constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

    void Seed(std::uint64_t seed) {
        state = 0;
        Next();
        state += seed;
        Next();
    }
    std::uint32_t Next() {
        const std::uint64_t old = state;
        state = old * kMultiplier + kIncrement;
        const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
        const auto rot = static_cast<std::uint32_t>(old >> 59u);
        return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
    }
};
