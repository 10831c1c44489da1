#pragma once
// Read access to a profile file (sections in square brackets, then key=value lines)
// by section and key, and the joining of a folder and a file name.
#include "AnsiString.h"

class KwIni {
public:
    explicit KwIni(const AnsiString& fileName) : FileName(fileName) {}
    ~KwIni() = default;

    // The value of the key in the section, trimmed of blanks and control characters;
    // the trimmed default when the key has none (the default unchanged when it is
    // empty too). Section and key names are compared ignoring case. Values longer than
    // 4095 characters are cut there.
    AnsiString ReadString(const AnsiString& section, const AnsiString& key,
                          const AnsiString& defaultValue) const;

    AnsiString FileName;  // the profile file's path, unchanged
};

// An empty folder gives the name alone; a folder ending in "\" gives folder + name;
// any other folder gives folder + "\" + name. Only "\" counts as a separator here.
AnsiString JoinPath(const AnsiString& folder, const AnsiString& name);
