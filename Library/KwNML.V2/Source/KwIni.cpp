#include "KwIni.h"

#include "KwHostPath.h"
#include "TextCase.h"

#include <cstring>
#include <string>

namespace {

const int ValueBufferSize = 4096;

std::string TrimBlanks(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r'))
        --end;
    return text.substr(begin, end - begin);
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Latin1Upper(a[i]) != Latin1Upper(b[i]))
            return false;
    return true;
}

// The profile-string read: the value of key in section of the file, blanks around it
// and one pair of enclosing quotes removed; the default (trailing blanks removed) when
// the file, section or key is missing. Writes at most size - 1 characters and a NUL
// into buffer and returns how many characters it wrote.
int ReadProfileString(const std::string& section, const std::string& key,
                      const std::string& defaultValue, char* buffer, int size,
                      const AnsiString& fileName)
{
    std::string value;
    bool found = false;
    std::string content;
    ReadHostFile(fileName, content);
    bool inSection = false;
    for (std::size_t start = 0; !found && start < content.size();) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::string text = TrimBlanks(content.substr(start, end - start));
        start = end + 1;
        if (text.empty() || text[0] == ';')
            continue;
        if (text[0] == '[') {
            std::size_t close = text.find(']');
            std::string name = TrimBlanks(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = SameName(name, section);
            continue;
        }
        std::size_t equals = text.find('=');
        if (!inSection || equals == std::string::npos)
            continue;
        if (SameName(TrimBlanks(text.substr(0, equals)), key)) {
            value = TrimBlanks(text.substr(equals + 1));
            if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
                value = value.substr(1, value.size() - 2);
            found = true;
        }
    }
    if (!found) {
        value = defaultValue;
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
    }
    // A NUL inside the value ends it, as in any C-string buffer.
    std::size_t length = std::strlen(value.c_str());
    if (length > static_cast<std::size_t>(size - 1))
        length = size - 1;
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

}  // namespace

AnsiString KwIni::ReadString(const AnsiString& section, const AnsiString& key,
                             const AnsiString& defaultValue) const
{
    char buffer[ValueBufferSize] = {};
    int count = ReadProfileString(section.ToStdString(), key.ToStdString(),
                                  defaultValue.ToStdString(), buffer, ValueBufferSize, FileName);
    if (count == 0)
        return defaultValue;
    return AnsiString(buffer, count).Trim();
}

AnsiString JoinPath(const AnsiString& folder, const AnsiString& name)
{
    if (folder.IsEmpty())
        return name;
    if (folder[folder.Length()] == '\\')
        return folder + name;
    return folder + "\\" + name;
}
