// Checks of what the rules rely on and never break. The test and sanitizer
// builds (the host trees, which define LURNA_CHECKS) abort with the condition and
// its place when one fails, so that a fault is caught where it happens; the
// program that ships is built without it, checks nothing and goes on as the code
// after each check says.
#pragma once

#ifdef LURNA_CHECKS

#include <cstdio>
#include <cstdlib>

namespace MyGame {

[[noreturn]] inline void InvariantBroken(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

}  // namespace MyGame

#define LURNA_ASSERT(condition) \
    ((condition) ? static_cast<void>(0) : ::MyGame::InvariantBroken(#condition, __FILE__, __LINE__))

#else

// Not evaluated, but its names count as used, so that the builds agree on
// warnings.
#define LURNA_ASSERT(condition) static_cast<void>(sizeof((condition) ? 1 : 0))

#endif
