#include "toolkit/Sound.h"

#include <windows.h>

namespace KTUtility {

bool PlayResourceSound(std::uint16_t number) {
    return PlaySoundW(MAKEINTRESOURCEW(number), GetModuleHandleW(nullptr),
                      SND_RESOURCE | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

}  // namespace KTUtility
