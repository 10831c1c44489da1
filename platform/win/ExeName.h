#pragma once
// The running program's own file, as Windows gives it through the module file name.
#include <string>

// Full path of the executable (from /proc/self/exe); "" when it cannot be read.
std::string ExeName();
// Its folder with a trailing '/'.
std::string ExeFolder();
