#pragma once

#include <cstdint>

namespace KTUtility {

// Starts a "WAVE" resource of the program in the background, cutting off any
// sound still playing; a missing resource plays nothing, not even the default.
bool PlayResourceSound(std::uint16_t number);

}  // namespace KTUtility
