#include "KwHostPath.h"

#include "Paths.h"

#include <cstdio>
#include <sys/stat.h>

std::string KwResolveHostPath(const AnsiString& path) { return ResolvePath(path.ToStdString()); }

bool ReadHostFile(const AnsiString& path, std::string& content)
{
    content.clear();
    if (path.IsEmpty())
        return false;
    std::string resolved = KwResolveHostPath(path);
    struct stat info;
    if (::stat(resolved.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    std::FILE* file = std::fopen(resolved.c_str(), "rb");
    if (!file)
        return false;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        content.append(chunk, got);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        content.clear();
    return !failed;
}
