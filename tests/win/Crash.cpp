// Crashes on purpose, writing to an address no program owns: the test that
// runs it shows that a crashing test program ends at once under the tests'
// prefix, with the fault's address in its output.
#include <cstdint>
#include <cstdio>

int main() {
    std::puts("writing to address 0x10");
    std::fflush(stdout);
    // Read at run time, so that the compiler cannot see the fault coming.
    volatile std::uintptr_t address = 0x10;
    *reinterpret_cast<volatile int*>(address) = 1;
    return 0;
}
