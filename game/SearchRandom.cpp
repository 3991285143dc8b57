#include "game/SearchRandom.h"

#include <ctime>

namespace MyGame {

std::uint64_t RunSearchSeed() {
    static const std::uint64_t seed = MixSeed(static_cast<std::uint64_t>(std::time(nullptr)), 0);
    return seed;
}

}  // namespace MyGame
