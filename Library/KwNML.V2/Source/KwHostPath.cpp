#include "KwHostPath.h"

#include "TextCase.h"

#include <cstdio>
#include <dirent.h>
#include <sys/stat.h>

namespace {

bool Exists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

bool SameIgnoringCase(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (Latin1Upper(a[i]) != Latin1Upper(b[i]))
            return false;
    return i == a.size() && !b[i];
}

// The entry of `folder` named `name` ignoring case, or `name` when there is none.
std::string FindIgnoringCase(const std::string& folder, const std::string& name)
{
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return name;
    std::string found = name;
    while (dirent* entry = ::readdir(dir)) {
        if (SameIgnoringCase(name, entry->d_name)) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

}  // namespace

std::string KwResolveHostPath(const AnsiString& path)
{
    std::string text = path.ToStdString();
    for (char& c : text)
        if (c == '\\')
            c = '/';
    if (text.empty() || Exists(text))
        return text;

    std::string resolved;
    std::size_t pos = 0;
    if (text[0] == '/') {
        resolved = "/";
        pos = 1;
    }
    while (pos <= text.size()) {
        std::size_t slash = text.find('/', pos);
        std::string name = text.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        if (!name.empty()) {
            std::string folder = resolved;
            std::string candidate = folder + name;
            if (name != "." && name != ".." && !Exists(candidate))
                candidate = folder + FindIgnoringCase(folder.empty() ? "." : folder, name);
            resolved = candidate;
            if (slash != std::string::npos)
                resolved += '/';
        }
        if (slash == std::string::npos)
            break;
        pos = slash + 1;
    }
    return resolved;
}

bool ReadHostFile(const AnsiString& path, std::string& content)
{
    content.clear();
    std::string resolved = KwResolveHostPath(path);
    struct stat info;
    if (resolved.empty() || ::stat(resolved.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
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
