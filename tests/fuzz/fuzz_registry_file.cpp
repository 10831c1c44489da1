// The registry file, whatever it held: a write of a string value reads back, and
// every other value and key reads as before.
//
// Input: the key, the value name and the value, each ended by a zero byte, then the
// file's bytes.
#include "FuzzFiles.h"
#include "RegistryFile.h"

#include <cstdint>
#include <map>
#include <sstream>
#include <utility>

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y + 32);
        if (x != y)
            return false;
    }
    return true;
}

std::string Field(const std::uint8_t*& data, std::size_t& size)
{
    std::string field;
    while (size > 0 && *data != 0) {
        field += static_cast<char>(*data++);
        --size;
    }
    if (size > 0) {
        ++data;
        --size;
    }
    return field;
}

// The keys and value names the file seems to hold (a generous guess: names that
// are not there read as missing before and after alike).
std::vector<std::pair<std::string, std::string>> Candidates(const std::string& file)
{
    std::vector<std::pair<std::string, std::string>> found;
    std::istringstream lines(file);
    std::string line, key;
    while (std::getline(lines, line)) {
        std::size_t at = line.find_first_not_of(" \t");
        if (at == std::string::npos)
            continue;
        if (line[at] == '[') {
            const std::size_t close = line.rfind(']');
            key = close != std::string::npos && close > at ? line.substr(at + 1, close - at - 1) : "";
            found.emplace_back(key, "");
        } else if (line[at] == '@') {
            found.emplace_back(key, "");
        } else if (line[at] == '"') {
            std::string name;
            for (++at; at < line.size() && line[at] != '"'; ++at) {
                if (line[at] == '\\' && at + 1 < line.size())
                    ++at;
                name += line[at];
            }
            found.emplace_back(key, name);
        }
    }
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzFolder folder;
    const std::string key = "HKEY_LOCAL_MACHINE\\" + Field(data, size);
    const std::string name = Field(data, size);
    const std::string value = Field(data, size);
    const std::string original(reinterpret_cast<const char*>(data), size);
    const std::string path = folder / "registry.reg";
    WriteWholeFile(path, original);

    RegistryFile before(path);
    const bool loaded = before.Load();
    RegistryFile file(path);
    file.Load();
    if (!file.SetString(key, name, value)) {
        FUZZ_CHECK(ReadWholeFile(path) == original);
        return 0;
    }
    if (!file.Save()) {
        FUZZ_CHECK(!loaded || before.Malformed());
        FUZZ_CHECK(ReadWholeFile(path) == original);  // a refused write changes nothing
        return 0;
    }
    RegistryFile after(path);
    FUZZ_CHECK(after.Load());
    std::string read;
    FUZZ_CHECK(after.ReadString(key, name, read) && read == value);
    const std::string written = RegistryFile::CanonicalKey(key);
    for (const auto& [otherKey, otherName] : Candidates(original)) {
        const bool same = SameName(RegistryFile::CanonicalKey(otherKey), written) && SameName(otherName, name);
        if (same)
            continue;
        std::string was, now;
        const bool had = before.ReadString(otherKey, otherName, was);
        FUZZ_CHECK(had == after.ReadString(otherKey, otherName, now));
        FUZZ_CHECK(!had || was == now);
        FUZZ_CHECK(!before.KeyExists(otherKey) || after.KeyExists(otherKey));
    }
    return 0;
}
