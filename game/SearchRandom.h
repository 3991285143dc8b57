// The search's own random numbers: a small generator apart from the deck's, so
// that the shuffles come out the same at every level, and a seeded match plays
// the same on every machine (no library distribution in between).
#pragma once

#include <cstdint>

namespace MyGame {

// SplitMix64's step: spreads a seed, or a seed joined with a count, over all 64
// bits, so that neighbouring seeds give unrelated sequences.
constexpr std::uint64_t MixSeed(std::uint64_t seed, std::uint64_t salt) {
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ull * (salt + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// xorshift64*: fast, and good enough to sample deals.
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed) : state_(MixSeed(seed, 0) | 1) {}

    std::uint32_t Next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<std::uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
    }

    // Uniform enough in 0 .. count-1 for the small counts the search draws.
    int Below(int count) {
        return static_cast<int>((static_cast<std::uint64_t>(Next()) * static_cast<std::uint32_t>(count)) >> 32);
    }

private:
    std::uint64_t state_;
};

// A seed for the searches of this run of the program, from the clock, taken once
// per run as the deck's generator is.
std::uint64_t RunSearchSeed();

}  // namespace MyGame
