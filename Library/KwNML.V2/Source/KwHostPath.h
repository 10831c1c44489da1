#pragma once
// Paths as the host and the original design write them ("\" separators, folder names
// in any letter case) turned into a path of this system: both separators accepted,
// and each component that does not exist as written is looked up ignoring case.
#include "AnsiString.h"
#include <string>

std::string KwResolveHostPath(const AnsiString& path);

// The whole content of a regular file named by a host path; false (content empty) when
// it is missing, is not a regular file or cannot be read.
bool ReadHostFile(const AnsiString& path, std::string& content);
