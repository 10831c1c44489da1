#include "KwMessageTable.h"

#include "KwHostPath.h"

#include <string>
#include <utility>

int KwMessageTable::Count() const
{
    if (loaded_ && static_cast<int>(loaded_->size()) > builtInCount_)
        return static_cast<int>(loaded_->size());
    return builtInCount_;
}

const char* KwMessageTable::BuiltInText(int entry) const
{
    if (entry < 0 || entry >= builtInCount_)
        return "";
    return builtIn_[entry];
}

AnsiString KwMessageTable::Text(int entry) const
{
    if (entry < 0)
        return AnsiString();
    if (loaded_ && entry < static_cast<int>(loaded_->size()))
        return (*loaded_)[entry];
    return AnsiString(BuiltInText(entry));
}

void KwMessageTable::Replace(const std::vector<AnsiString>& lines)
{
    auto texts = std::make_unique<std::vector<AnsiString>>(lines);
    // A shorter file leaves the rest of the range with its built-in texts.
    for (int entry = static_cast<int>(texts->size()); entry < builtInCount_; ++entry)
        texts->push_back(AnsiString(builtIn_[entry]));
    loaded_ = std::move(texts);
}

namespace {

bool IsBlankLine(const std::string& line)
{
    for (char c : line)
        if (static_cast<unsigned char>(c) > 0x20)
            return false;
    return true;
}

}  // namespace

bool LoadTextLines(KwMessageTable& table, const AnsiString& path)
{
    std::string content;
    if (!ReadHostFile(path, content))
        return false;

    // One read, whole lines: a long line stays one entry, so later entries keep their
    // numbers.
    std::vector<AnsiString> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        std::size_t next = end == std::string::npos ? content.size() : end + 1;
        std::string line = content.substr(start, (end == std::string::npos ? content.size() : end) - start);
        if (end != std::string::npos && !line.empty() && line.back() == '\r')
            line.pop_back();
        if (!IsBlankLine(line))
            lines.emplace_back(std::move(line));
        start = next;
    }
    if (lines.empty())
        return false;
    table.Replace(lines);
    return true;
}
