#include "tests/win/app/ProgramPath.h"

std::wstring ProgramPath() {
    std::wstring path;
    for (const char* p = LURNA_PROGRAM_PATH; *p != '\0'; ++p) {
        path.push_back(*p == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*p)));
    }
    if (!path.empty() && path[0] == L'\\') {
        path.insert(0, L"Z:");
    }
    return path;
}
