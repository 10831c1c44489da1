#include "BootCounter.h"

#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace {

const char* const kHeader = "# SNMP engine boots counter: <engine id in hex> <boots>";
const std::streamsize kMaxFileSize = 1 << 20;
const unsigned long kMaxBoots = 2147483647ul;   // snmpEngineBoots' range

using Entries = std::vector<std::pair<std::string, unsigned int>>;   // hex id, boots

enum class ReadResult { Ok, Absent, Unreadable, Corrupt };

bool isHex(const std::string& s)
{
    if (s.empty() || s.size() % 2) return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

bool parseLine(const std::string& line, std::string& id, unsigned int& boots)
{
    size_t space = line.find(' ');
    if (space == std::string::npos) return false;
    id = line.substr(0, space);
    std::string digits = line.substr(space + 1);
    if (!isHex(id) || digits.empty() || digits.size() > 10) return false;
    if (digits.find_first_not_of("0123456789") != std::string::npos) return false;
    unsigned long value = std::stoul(digits);
    if (value > kMaxBoots) return false;
    boots = static_cast<unsigned int>(value);
    return true;
}

ReadResult readEntries(const std::string& fileName, Entries& entries)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return errno == ENOENT ? ReadResult::Absent : ReadResult::Unreadable;
    std::ostringstream all;
    all << in.rdbuf();
    if (in.bad()) return ReadResult::Unreadable;
    std::string text = all.str();
    if (static_cast<std::streamsize>(text.size()) > kMaxFileSize) return ReadResult::Corrupt;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::string id;
        unsigned int boots = 0;
        if (!parseLine(line, id, boots)) return ReadResult::Corrupt;
        for (auto& e : entries)
            if (e.first == id) return ReadResult::Corrupt;   // one line per engine
        entries.emplace_back(id, boots);
    }
    return ReadResult::Ok;
}

}

int getBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int& boots)
{
    boots = 0;
    Entries entries;
    switch (readEntries(fileName, entries)) {
    case ReadResult::Absent:
    case ReadResult::Unreadable: return SNMPv3_FILEOPEN_ERROR;
    case ReadResult::Corrupt: return SNMPv3_FILECORRUPT_ERROR;
    case ReadResult::Ok: break;
    }
    std::string id = engineId.get_printable_hex();
    for (auto& e : entries) {
        if (e.first == id) {
            boots = e.second;
            return SNMPv3_OK;
        }
    }
    return SNMPv3_NO_ENTRY_ERROR;
}

int saveBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int boots)
{
    if (fileName.empty() || engineId.len() == 0) return SNMPv3_FILECREATE_ERROR;
    Entries entries;
    switch (readEntries(fileName, entries)) {
    case ReadResult::Unreadable: return SNMPv3_FILEOPEN_ERROR;
    case ReadResult::Corrupt: return SNMPv3_FILECORRUPT_ERROR;   // never overwrite what we cannot read
    case ReadResult::Absent:
    case ReadResult::Ok: break;
    }
    std::string id = engineId.get_printable_hex();
    bool replaced = false;
    for (auto& e : entries) {
        if (e.first == id) {
            e.second = boots;
            replaced = true;
        }
    }
    if (!replaced) entries.emplace_back(id, boots);

    std::string temp = fileName + ".tmp." + std::to_string(static_cast<long>(getpid()));
    FILE* out = std::fopen(temp.c_str(), "wb");
    if (!out) return SNMPv3_FILECREATE_ERROR;
    bool ok = std::fprintf(out, "%s\n", kHeader) > 0;
    for (auto& e : entries) ok = ok && std::fprintf(out, "%s %u\n", e.first.c_str(), e.second) > 0;
    ok = ok && std::fflush(out) == 0 && fsync(fileno(out)) == 0;
    ok = (std::fclose(out) == 0) && ok;
    if (!ok) {
        std::remove(temp.c_str());
        return SNMPv3_FILECREATE_ERROR;
    }
    if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
        std::remove(temp.c_str());
        return SNMPv3_FILERENAME_ERROR;
    }
    return SNMPv3_OK;
}
