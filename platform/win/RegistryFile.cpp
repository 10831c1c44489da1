#include "RegistryFile.h"
#include "Paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const Header4 = "REGEDIT4";
const char* const Header5 = "Windows Registry Editor Version 5.00";

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool IsDescendant(const std::string& key, const std::string& ancestor)
{
    return key.size() > ancestor.size() && key[ancestor.size()] == '\\' &&
           SameName(key.substr(0, ancestor.size()), ancestor);
}

std::string TrimmedLine(std::string line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    size_t begin = 0;
    while (begin < line.size() && (line[begin] == ' ' || line[begin] == '\t'))
        ++begin;
    return line.substr(begin);
}

// Reads a quoted text starting at s[at] == '"'; `at` ends after the closing quote.
bool ReadQuoted(const std::string& s, size_t& at, std::string& out)
{
    if (at >= s.size() || s[at] != '"')
        return false;
    out.clear();
    for (++at; at < s.size(); ++at) {
        char c = s[at];
        if (c == '\\' && at + 1 < s.size()) {
            out += s[++at];
        } else if (c == '"') {
            ++at;
            return true;
        } else {
            out += c;
        }
    }
    return false;
}

bool IsKeyHeader(const std::string& line)
{
    const std::string text = TrimmedLine(line);
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

// Reads the start of a value line, "name"= or @=, from trimmed text: the name, and
// `at` at the first character of the value. False for any other line.
bool ReadValueStart(const std::string& text, std::string& name, size_t& at)
{
    at = 0;
    name.clear();
    if (text.compare(0, 1, "@") == 0)
        at = 1;
    else if (!ReadQuoted(text, at, name))
        return false;  // a comment or anything else
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    if (at >= text.size() || text[at] != '=')
        return false;
    ++at;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    return true;
}

// Whether a line is a value other than a string ("name"=hex:01,\) that goes on on
// the next line.
bool ContinuesOnNextLine(const std::string& line)
{
    const std::string text = TrimmedLine(line);
    std::string name;
    size_t at;
    return !text.empty() && text.back() == '\\' && ReadValueStart(text, name, at) && at < text.size() &&
           text[at] != '"';
}

bool MakeFolders(const std::string& folder)
{
    if (folder.empty())
        return true;
    std::string path;
    for (size_t i = 0; i <= folder.size(); ++i) {
        if (i == folder.size() || folder[i] == '/') {
            if (!path.empty() && ::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST)
                return false;
        }
        if (i < folder.size())
            path += folder[i];
    }
    return true;
}

}  // namespace

std::string RegistryFile::DefaultPath()
{
    const char* fromEnvironment = std::getenv("VKA7410_REGISTRY");
    if (fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    const char* home = std::getenv("HOME");
    std::string folder;
    if (home && *home) {
        folder = home;
    } else if (passwd* user = ::getpwuid(::getuid())) {
        folder = user->pw_dir ? user->pw_dir : "";
    }
    return JoinPaths(folder.empty() ? std::string(".") : folder, ".config/vka7410/registry.reg");
}

RegistryFile::RegistryFile(std::string path) : path_(std::move(path)) {}

std::string RegistryFile::CanonicalKey(const std::string& key)
{
    std::string out;
    for (char c : key) {
        if (c == '\\' || c == '/') {
            if (!out.empty() && out.back() != '\\')
                out += '\\';
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

RegistryFile::Entry RegistryFile::ParseLine(const std::string& line)
{
    Entry entry;
    entry.raw = line;
    std::string text = TrimmedLine(line);
    size_t at;
    std::string name;
    if (!ReadValueStart(text, name, at))
        return entry;  // comment or something else: kept, not a value
    entry.isValue = true;
    entry.name = name;
    if (at < text.size() && text[at] == '"') {
        std::string value;
        size_t end = at;
        if (ReadQuoted(text, end, value) && TrimmedLine(text.substr(end)).empty()) {
            entry.isString = true;
            entry.text = value;
        }
    }
    return entry;
}

bool RegistryFile::Load()
{
    preamble_.clear();
    sections_.clear();
    error_.clear();
    malformed_ = false;
    struct stat info;
    if (::stat(path_.c_str(), &info) != 0 && errno == ENOENT)
        return true;
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        error_ = "cannot read the registry file " + path_ + ": " + std::strerror(errno);
        return false;
    }
    std::string line;
    bool first = true;
    // One line read ahead and handed back: a key header that ends a continuation.
    std::string held;
    bool holding = false;
    auto nextLine = [&](std::string& out) {
        if (holding) {
            out = std::move(held);
            holding = false;
            return true;
        }
        if (!std::getline(in, out))
            return false;
        if (!out.empty() && out.back() == '\r')
            out.pop_back();
        return true;
    };
    while (nextLine(line)) {
        if (first) {
            first = false;
            if (line.compare(0, 3, "\xEF\xBB\xBF") == 0)
                line.erase(0, 3);
            std::string header = TrimmedLine(line);
            if (header != Header4 && header != Header5) {
                malformed_ = true;
                error_ = "the registry file " + path_ + " does not start with " + Header4;
                preamble_.clear();
                return false;
            }
        }
        // A value of another type (hex) may continue on following lines ending in '\';
        // comments, key headers and string values never do, and a key header is never
        // taken in as a continuation.
        while (ContinuesOnNextLine(line)) {
            std::string next;
            if (!nextLine(next))
                break;
            if (IsKeyHeader(next)) {
                held = std::move(next);
                holding = true;
                break;
            }
            line += "\n" + next;
        }
        std::string text = TrimmedLine(line);
        if (IsKeyHeader(text)) {
            Section section;
            section.key = CanonicalKey(text.substr(1, text.size() - 2));
            section.header = line;
            sections_.push_back(std::move(section));
        } else if (sections_.empty()) {
            preamble_.push_back(line);
        } else {
            sections_.back().entries.push_back(ParseLine(line));
        }
    }
    if (in.bad()) {
        error_ = "cannot read the registry file " + path_;
        return false;
    }
    return true;  // an empty file is an empty registry
}

bool RegistryFile::Save()
{
    if (malformed_) {
        error_ = "the registry file " + path_ + " is not in REGEDIT4 form; it is left unchanged";
        return false;
    }
    std::ostringstream out;
    if (preamble_.empty()) {
        out << Header4 << "\n\n";
    } else {
        for (const std::string& line : preamble_)
            out << line << "\n";
    }
    for (const Section& section : sections_) {
        out << section.header << "\n";
        for (size_t i = 0; i < section.entries.size(); ++i) {
            const std::string& raw = section.entries[i].raw;
            out << raw << "\n";
            // A value cut off after its '\' would take in the line written after it:
            // a blank line ends it, as it ends it when the file is read.
            const bool nextEnds = i + 1 == section.entries.size() ||
                                  TrimmedLine(section.entries[i + 1].raw).empty();
            if (!nextEnds && ContinuesOnNextLine(raw))
                out << "\n";
        }
    }
    const std::string folder = ExtractFilePath(path_);
    if (!MakeFolders(folder)) {
        error_ = "cannot create the folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    std::string temp = path_ + ".XXXXXX";
    int fd = ::mkstemp(&temp[0]);
    if (fd < 0) {
        error_ = "cannot write beside the registry file " + path_ + ": " + std::strerror(errno);
        return false;
    }
    const std::string bytes = out.str();
    bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ok = ::fsync(fd) == 0 && ok;
    ::fchmod(fd, 0644);
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), path_.c_str()) != 0) {
        error_ = "cannot write the registry file " + path_ + ": " + std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

RegistryFile::Section* RegistryFile::FindSection(const std::string& canonicalKey)
{
    for (Section& section : sections_)
        if (SameName(section.key, canonicalKey))
            return &section;
    return nullptr;
}

const RegistryFile::Section* RegistryFile::FindSection(const std::string& canonicalKey) const
{
    return const_cast<RegistryFile*>(this)->FindSection(canonicalKey);
}

bool RegistryFile::KeyExists(const std::string& key) const
{
    const std::string wanted = CanonicalKey(key);
    if (wanted.empty())
        return false;
    for (const Section& section : sections_)
        if (SameName(section.key, wanted) || IsDescendant(section.key, wanted))
            return true;
    return false;
}

bool RegistryFile::ReadString(const std::string& key, const std::string& name,
                              std::string& value) const
{
    const std::string wanted = CanonicalKey(key);
    for (const Section& section : sections_) {
        if (!SameName(section.key, wanted))
            continue;
        for (const Entry& entry : section.entries) {
            if (entry.isValue && SameName(entry.name, name)) {
                if (!entry.isString)
                    return false;
                value = entry.text;
                return true;
            }
        }
    }
    return false;
}

void RegistryFile::CreateKey(const std::string& key)
{
    const std::string canonical = CanonicalKey(key);
    if (canonical.empty() || canonical.find_first_of("\r\n") != std::string::npos ||
        FindSection(canonical))
        return;
    Section section;
    section.key = canonical;
    section.header = "[" + canonical + "]";
    // Keep a blank line between keys, as regedit writes them.
    if (!sections_.empty() && (sections_.back().entries.empty() ||
                               !TrimmedLine(sections_.back().entries.back().raw).empty())) {
        Entry blank;
        sections_.back().entries.push_back(blank);
    }
    sections_.push_back(std::move(section));
}

std::string RegistryFile::Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out;
}

bool RegistryFile::SetString(const std::string& key, const std::string& name,
                             const std::string& value)
{
    if (value.find_first_of("\r\n") != std::string::npos ||
        name.find_first_of("\r\n") != std::string::npos ||
        key.find_first_of("\r\n") != std::string::npos) {
        error_ = "a registry value in the file cannot hold a line break";
        return false;
    }
    const std::string canonical = CanonicalKey(key);
    if (canonical.empty()) {
        error_ = "no key given";
        return false;
    }
    Entry fresh;
    fresh.isValue = fresh.isString = true;
    fresh.name = name;
    fresh.text = value;
    fresh.raw = (name.empty() ? std::string("@") : "\"" + Escape(name) + "\"") + "=\"" +
                Escape(value) + "\"";
    for (Section& section : sections_) {
        if (!SameName(section.key, canonical))
            continue;
        for (Entry& entry : section.entries) {
            if (entry.isValue && SameName(entry.name, name)) {
                entry = fresh;
                return true;
            }
        }
    }
    CreateKey(canonical);
    Section* section = FindSection(canonical);
    // Values go before the blank lines that end the key.
    auto at = section->entries.end();
    while (at != section->entries.begin() && TrimmedLine((at - 1)->raw).empty())
        --at;
    section->entries.insert(at, fresh);
    return true;
}
