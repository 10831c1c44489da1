#pragma once
// Reading profile files (".ini" / ".cfg"): "[section]" lines followed by "key=value"
// lines, as GetPrivateProfileString reads them.
//  - section and key names are compared without regard to case; blanks around them
//    do not count;
//  - the first matching key wins (sections of the same name are searched in order);
//  - the value is trimmed of blanks and control characters, and one pair of matching
//    surrounding quotes (" or ') is removed;
//  - lines starting with ';' are comments; CR LF and LF line ends both work; a UTF-8
//    byte-order mark at the start is skipped; lines of any length are read;
//  - a missing file, section or key gives the default (its trailing blanks removed).
// A relative file name is taken from the current folder; '\' separators are accepted.
#include "WinTypes.h"

#include <string>

// Copies at most size - 1 bytes and a NUL into `buffer` and returns the number of bytes
// copied (without the NUL), size - 1 when the value had to be cut. With a null `key`
// the buffer receives the section's key names, with a null `section` the section names,
// each NUL-terminated and the list ended by a second NUL (cut lists return size - 2).
// A null default is an empty one.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR fileName);

// The same read for C++ callers: the value, or the default; no length limit.
std::string ReadProfileString(const std::string& fileName, const std::string& section,
                              const std::string& key, const std::string& defaultValue);
