#include "KwTFTPFileName.h"

#include <cctype>

bool KwTFTPIsPlainFileName(const AnsiString& name)
{
    const std::string& text = name.ToStdString();
    if (text.empty() || text == "." || text == "..")
        return false;
    if (text.find_first_of("/\\") != std::string::npos)
        return false;
    const bool driveLetter =
        text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]));
    return !driveLetter;
}

AnsiString KwTFTPRootDirectory(const AnsiString& root)
{
    if (root.IsEmpty() || root[root.Length()] == '/')
        return root;
    return root + "/";
}

std::string KwTFTPFilePath(const AnsiString& root, const AnsiString& name)
{
    std::string path = root.ToStdString();
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + name.ToStdString();
}
