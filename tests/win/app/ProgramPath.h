#pragma once

#include <string>

// The built program's path as Windows sees it; under Wine the Unix root of the
// build tree is reached through drive Z:.
std::wstring ProgramPath();
