// A profile file as the module reads its settings: whatever the file holds, a value
// comes back trimmed and within its length, the same on every read, and a key the
// file does not hold gives the default.
//
// Input: the section and the key, each ended by a zero byte, then the file's bytes.
#include "FuzzFiles.h"
#include "KwIni.h"

#include <cstdint>

namespace {
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

bool Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzFolder folder;
    const std::string section = Field(data, size);
    const std::string key = Field(data, size);
    const std::string path = folder / "module.ini";
    WriteWholeFile(path, std::string(reinterpret_cast<const char*>(data), size));

    const KwIni ini(AnsiString(path.c_str()));
    const AnsiString fallback("fallback");
    const AnsiString value = ini.ReadString(AnsiString(section), AnsiString(key), fallback);
    const std::string& text = value.ToStdString();
    FUZZ_CHECK(text.size() <= 4095);
    FUZZ_CHECK(text.empty() || (!Blank(text.front()) && !Blank(text.back())));
    FUZZ_CHECK(ini.ReadString(AnsiString(section), AnsiString(key), fallback) == value);
    // A key that no line can hold (it would need a line break) is never found.
    FUZZ_CHECK(ini.ReadString(AnsiString(section), AnsiString(key + "\n="), fallback) == fallback);

    const AnsiString joined = JoinPath(AnsiString(section), AnsiString(key));
    FUZZ_CHECK(joined.ToStdString().size() >= key.size());
    return 0;
}
