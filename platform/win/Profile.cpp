#include "Profile.h"
#include "Paths.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string Trimmed(const std::string& s)
{
    size_t begin = 0, end = s.size();
    while (begin < end && IsBlank(s[begin]))
        ++begin;
    while (end > begin && IsBlank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

std::string TrimmedRight(const std::string& s)
{
    size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1]))
        --end;
    return s.substr(0, end);
}

bool SameName(const std::string& a, const std::string& b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

std::string Unquoted(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// One pass over the file, handing each section header and key line to the visitor;
// the visitor returns false to stop.
struct Line {
    bool isSection;
    std::string name;   // section or key name, trimmed
    std::string value;  // key lines only, trimmed and unquoted
};

template <class Visitor>
bool VisitProfile(const std::string& fileName, Visitor visit)
{
    std::ifstream in(ResolvePath(fileName), std::ios::binary);
    if (!in)
        return false;
    std::string raw;
    bool first = true;
    while (std::getline(in, raw)) {
        if (first && raw.compare(0, 3, "\xEF\xBB\xBF") == 0)
            raw.erase(0, 3);
        first = false;
        std::string text = Trimmed(raw);
        if (text.empty() || text[0] == ';')
            continue;
        Line line;
        if (text[0] == '[') {
            size_t close = text.find(']');
            line.isSection = true;
            line.name = Trimmed(text.substr(1, close == std::string::npos ? std::string::npos
                                                                          : close - 1));
        } else {
            size_t equals = text.find('=');
            if (equals == std::string::npos)
                continue;
            line.isSection = false;
            line.name = Trimmed(text.substr(0, equals));
            line.value = Unquoted(Trimmed(text.substr(equals + 1)));
        }
        if (!visit(line))
            break;
    }
    return true;
}

bool FindValue(const std::string& fileName, const std::string& section, const std::string& key,
               std::string& value)
{
    bool inSection = false, found = false;
    const std::string wantSection = Trimmed(section), wantKey = Trimmed(key);
    VisitProfile(fileName, [&](const Line& line) {
        if (line.isSection) {
            inSection = SameName(line.name, wantSection);
        } else if (inSection && SameName(line.name, wantKey)) {
            value = line.value.substr(0, line.value.find('\0'));  // C text ends at a NUL
            found = true;
            return false;
        }
        return true;
    });
    return found;
}

// Writes a NUL-separated list ended by a second NUL, cut to fit as Windows does.
DWORD CopyList(const std::vector<std::string>& names, char* buffer, DWORD size)
{
    if (size == 0)
        return 0;
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    DWORD used = 0;  // bytes written, each name followed by its NUL
    for (const std::string& name : names) {
        // The name, its NUL and the list's final NUL must fit.
        if (used + name.size() + 2 > size) {
            DWORD take = used + 2 <= size ? size - 2 - used : 0;
            std::memcpy(buffer + used, name.data(), take);
            DWORD end = std::min<DWORD>(used + take, size - 2);
            buffer[end] = '\0';
            buffer[end + 1] = '\0';
            return size - 2;
        }
        std::memcpy(buffer + used, name.data(), name.size());
        used += static_cast<DWORD>(name.size());
        buffer[used++] = '\0';
    }
    buffer[used] = '\0';
    if (used == 0)
        buffer[1] = '\0';
    return used;
}

DWORD CopyValue(const std::string& value, char* buffer, DWORD size)
{
    if (size == 0)
        return 0;
    DWORD take = std::min<DWORD>(size - 1, static_cast<DWORD>(value.size()));
    std::memcpy(buffer, value.data(), take);
    buffer[take] = '\0';
    return take;
}

void AddUnique(std::vector<std::string>& names, const std::string& name)
{
    for (const std::string& known : names)
        if (SameName(known, name))
            return;
    names.push_back(name);
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR fileName)
{
    if (!buffer || !fileName)
        return 0;
    if (!section || !key) {
        std::vector<std::string> names;
        bool inSection = false;
        VisitProfile(fileName, [&](const Line& line) {
            if (!section) {
                if (line.isSection)
                    AddUnique(names, line.name);
            } else if (line.isSection) {
                inSection = SameName(line.name, Trimmed(section));
            } else if (inSection) {
                AddUnique(names, line.name);
            }
            return true;
        });
        return CopyList(names, buffer, size);
    }
    std::string value;
    if (!FindValue(fileName, section, key, value))
        value = TrimmedRight(defaultValue ? defaultValue : "");
    return CopyValue(value, buffer, size);
}

std::string ReadProfileString(const std::string& fileName, const std::string& section,
                              const std::string& key, const std::string& defaultValue)
{
    std::string value;
    return FindValue(fileName, section, key, value) ? value : TrimmedRight(defaultValue);
}
