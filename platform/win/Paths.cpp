#include "Paths.h"

#include <algorithm>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

static bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::string NormalizeSeparators(const std::string& path)
{
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        if (IsSeparator(c)) {
            if (out.empty() || out.back() != '/')
                out += '/';
        } else {
            out += c;
        }
    }
    return out;
}

std::string JoinPaths(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return NormalizeSeparators(name);
    std::string left = NormalizeSeparators(folder);
    std::string right = NormalizeSeparators(name);
    if (!right.empty() && right.front() == '/')
        right.erase(0, 1);
    if (left.back() != '/')
        left += '/';
    return left + right;
}

static size_t LastSeparator(const std::string& path)
{
    return path.find_last_of("/\\");
}

std::string ExtractFilePath(const std::string& path)
{
    size_t at = LastSeparator(path);
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

std::string ExtractFileName(const std::string& path)
{
    size_t at = LastSeparator(path);
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string ExtractFileExt(const std::string& path)
{
    std::string name = ExtractFileName(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

static bool Exists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

static bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

std::string FindChildIgnoringCase(const std::string& folder, const std::string& name)
{
    std::string base = folder.empty() ? std::string(".") : NormalizeSeparators(folder);
    auto joined = [&](const std::string& entry) {
        return folder.empty() ? entry : JoinPaths(base, entry);
    };
    if (name.empty())
        return std::string();
    if (Exists(JoinPaths(base, name)))
        return joined(name);
    DIR* dir = ::opendir(base.c_str());
    if (!dir)
        return std::string();
    std::vector<std::string> matches;
    while (dirent* entry = ::readdir(dir)) {
        std::string entryName = entry->d_name;
        if (SameIgnoringCase(entryName, name))
            matches.push_back(entryName);
    }
    ::closedir(dir);
    if (matches.empty())
        return std::string();
    std::sort(matches.begin(), matches.end());
    return joined(matches.front());
}

std::string ResolvePath(const std::string& path)
{
    const std::string normal = NormalizeSeparators(path);
    if (normal.empty() || Exists(normal))
        return normal;
    const bool absolute = normal.front() == '/';
    const bool trailing = normal.size() > 1 && normal.back() == '/';
    std::vector<std::string> parts;
    size_t start = absolute ? 1 : 0;
    while (start < normal.size()) {
        size_t end = normal.find('/', start);
        if (end == std::string::npos)
            end = normal.size();
        parts.push_back(normal.substr(start, end - start));
        start = end + 1;
    }
    std::string current = absolute ? "/" : "";
    bool found = true;
    for (const std::string& part : parts) {
        std::string next;
        if (found && part != "." && part != "..") {
            next = FindChildIgnoringCase(current, part);
            if (next.empty())
                found = false;
        }
        if (next.empty())
            next = current.empty() ? part : JoinPaths(current, part);
        current = next;
    }
    if (trailing && (current.empty() || current.back() != '/'))
        current += '/';
    return current;
}
