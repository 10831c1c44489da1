#pragma once
// Reading a whole file named by a host path ("\" or "/" separators, folder names in
// any letter case).
#include "AnsiString.h"
#include <string>

// The path on this system: both separators accepted, and each component that does
// not exist as written looked up ignoring case.
std::string KwResolveHostPath(const AnsiString& path);

// The whole content of a regular file; false (content empty) when it is missing, is
// not a regular file or cannot be read.
bool ReadHostFile(const AnsiString& path, std::string& content);
