#pragma once
// Which names a TFTP request may ask for, and where such a file lies on disk. On this
// system "/" alone separates folders: a "\" is part of a name.
#include "AnsiString.h"

#include <string>

// True for a plain file name inside the served folder: not empty, not "." or "..", no
// "/" or "\" and no drive letter ("C:..."). Dots inside a name ("v1..2") are part of
// it. Anything else is refused, so no request reaches outside the folder.
bool KwTFTPIsPlainFileName(const AnsiString& name);

// The root as a running server keeps it: empty stays empty, a root ending in "/" is
// kept, any other gets "/" appended.
AnsiString KwTFTPRootDirectory(const AnsiString& root);

// The path on disk of `name` under `root`.
std::string KwTFTPFilePath(const AnsiString& root, const AnsiString& name);
