// What this process holds of the system, read so that a long run can show that
// it gives back what it takes: its GDI objects, its windows and its private
// memory.
#pragma once

#include <cstddef>

namespace TableTest {

// The live GDI objects of the process.
long GdiObjectCount();

// The windows of this thread: the top-level ones (owned popups included) and
// every window under them.
int ThreadWindowCount();

// The private bytes the process has committed.
std::size_t PrivateBytes();

// The processor time the process has used, in its own threads: under Wine the
// wineserver's share is not in it.
double ProcessorSeconds();

}  // namespace TableTest
