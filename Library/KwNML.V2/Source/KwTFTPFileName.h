#pragma once
// Which names a TFTP request may ask for, and where such a file lies on disk.
#include "AnsiString.h"

#include <string>

// True for a plain file name inside the served folder: not empty, no "/" or "\",
// no "..", not "." and no drive letter ("C:..."). Anything else is refused, so no
// request reaches outside the folder.
bool KwTFTPIsPlainFileName(const AnsiString& name);

// The root as a running server keeps it: empty stays empty, a root ending in "\" or
// "/" is kept, any other gets "\" appended.
AnsiString KwTFTPRootDirectory(const AnsiString& root);

// The path on disk of `name` under `root`: the root with "\" read as "/", then the name.
std::string KwTFTPFilePath(const AnsiString& root, const AnsiString& name);
