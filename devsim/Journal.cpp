#include "Journal.h"

namespace devsim {

std::string journalSafe(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (c <= 0x20 || c >= 0x7f || c == '%') {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string formatJournalLine(const JournalRecord& record)
{
    std::string line = record.kind + '\t' + record.version + '\t' + journalSafe(record.security) + '\t'
                     + record.status + '\t' + std::to_string(record.errorIndex);
    for (const std::string& binding : record.bindings) {
        line += '\t';
        for (char c : binding)
            line += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    }
    return line;
}

Journal::Journal(std::string path)
    : path_(std::move(path))
{
}

Journal::~Journal()
{
    if (file_)
        std::fclose(file_);
}

bool Journal::open()
{
    if (path_.empty())
        return true;
    file_ = std::fopen(path_.c_str(), "a");
    return file_ != nullptr;
}

void Journal::append(const JournalRecord& record)
{
    if (!file_)
        return;
    const std::string line = formatJournalLine(record) + '\n';
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}

void Journal::note(const std::string& text)
{
    if (!file_)
        return;
    std::string line = "NOTE\t";
    for (char c : text)
        line += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}

bool Journal::clear()
{
    if (path_.empty())
        return true;
    if (file_)
        std::fclose(file_);
    file_ = std::fopen(path_.c_str(), "w");
    return file_ != nullptr;
}

} // namespace devsim
