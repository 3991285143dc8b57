// Holds Wine's desktop open until its standard input closes, and writes a line
// to its standard output once the desktop is up.
//
// Wine's desktop process (explorer.exe) ends about a second after the last
// program on the desktop does, and the next program starts it again. Started by
// a test, it inherits the test's output and CTest waits for it: a second and a
// half lost per test. This program stays on the desktop for the whole suite,
// so the one desktop process, started here with this program's handles, serves
// every test.
#include <windows.h>

int main() {
    // Asking for the desktop window starts the desktop process and makes this
    // thread one of the desktop's users.
    GetDesktopWindow();
    // A test started before this would start the desktop itself and hand it
    // its own output: the suite waits for this line.
    const char ready[] = "ready\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), ready, sizeof ready - 1, &written, nullptr);
    char buffer[64];
    DWORD read = 0;
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    while (ReadFile(input, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    }
    return 0;
}
