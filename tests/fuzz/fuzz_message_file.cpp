// A message file replacing a table's texts: its n-th non-blank line becomes entry n,
// whole and unchanged but for its line end; entries it does not reach keep their
// built-in text; a file with no such line changes nothing.
#include "FuzzFiles.h"
#include "KwMessageTable.h"

#include <cstdint>
#include <vector>

namespace {
const char* const BuiltIn[] = {"first built-in", "second built-in", "third built-in"};

bool BlankLine(const std::string& line)
{
    for (char c : line)
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzFolder folder;
    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::string path = folder / "common.err";
    WriteWholeFile(path, content);

    std::vector<std::string> expected;
    for (std::size_t start = 0; start < content.size();) {
        const std::size_t end = content.find('\n', start);
        std::string line = content.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end != std::string::npos && !line.empty() && line.back() == '\r')
            line.pop_back();
        if (!BlankLine(line))
            expected.push_back(line);
        start = end == std::string::npos ? content.size() : end + 1;
    }

    KwMessageTable table(BuiltIn);
    const bool replaced = LoadTextLines(table, AnsiString(path.c_str()));
    FUZZ_CHECK(replaced == !expected.empty());
    FUZZ_CHECK(table.Count() == static_cast<int>(std::max<std::size_t>(expected.size(), 3)));
    for (int n = 0; n < table.Count(); ++n) {
        const std::string text = table.Text(n).ToStdString();
        if (n < static_cast<int>(expected.size()))
            FUZZ_CHECK(text == expected[n]);
        else
            FUZZ_CHECK(text == BuiltIn[n]);
    }
    FUZZ_CHECK(table.Text(-1).IsEmpty() && table.Text(table.Count()).IsEmpty());
    return 0;
}
