// Row indexes of tables keyed by every syntax, as a hostile agent may return them:
// the keys read from an index and written back give an index that reads back to the
// same keys and the same index again (a set reaches the row that was read).
#include "FuzzFiles.h"
#include "KwSNMPRequest.h"
#include "KwSNMPVar.h"
#include "SysUtils.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

const int KeySyntaxes[] = {SX_BOOLEAN, SX_INTEGER,   SX_BITSTR,     SX_OCTETSTR, SX_NULL,      SX_OBJECTID,
                           SX_IPADDRESS, SX_COUNTER, SX_GUAGE,      SX_TIMETICKS, SX_OPAQUE,   SX_NSAPADDR,
                           SX_COUNTER64, SX_UINTEGER, SX_MACADDRESS, SX_DISPLAYSTR, SX_DOUBLE, SX_DATETIME};

// The row index the request writes after reading `index`; false when it refuses it.
bool Through(KwSNMPRequest& request, const AnsiString& index, AnsiString& out)
{
    try {
        request.SetRowIndex(index);
        out = request.RowIndex();
        return true;
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2 || size > 256)
        return 0;
    const int count = sizeof KeySyntaxes / sizeof KeySyntaxes[0];
    const int first = KeySyntaxes[data[0] % count];
    const int second = KeySyntaxes[(data[0] / count) % count];
    const int implied = data[1] & 1 ? AC_IMPLIED : 0;
    // The rest: sub-identifiers, small ones from one byte, any from four.
    std::string index;
    for (std::size_t i = 2; i < size;) {
        std::uint32_t id = data[i++];
        if (id >= 0xF0 && i + 4 <= size) {
            id = static_cast<std::uint32_t>(data[i]) << 24 | data[i + 1] << 16 | data[i + 2] << 8 | data[i + 3];
            i += 4;
        }
        index += (index.empty() ? "" : ".") + std::to_string(id);
    }

    std::vector<KwSNMPVar> table{
        KwSNMPVar{"1.3.6.1.4.1.32473.1.1", "k1", first, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        KwSNMPVar{"1.3.6.1.4.1.32473.1.2", "k2", second, AC_NOTACCESS | implied, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr},
        KwSNMPVar{"1.3.6.1.4.1.32473.1.3", "v", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr},
        KwSNMPVar{}};
    KwSNMPRequest request;
    request.VarList = KwSNMPVarList(table.data(), MVT_FMV, 2);
    AnsiString once, twice;
    // Keys that write nothing at all ("null" ones) leave no row index to read again.
    if (!Through(request, AnsiString(index), once) || once.IsEmpty())
        return 0;
    const AnsiString keys[2] = {*request.VarList.Item(0).Value, *request.VarList.Item(1).Value};
    FUZZ_CHECK(Through(request, once, twice));
    if (twice != once)
        std::fprintf(stderr, "syntaxes %d %d: [%s] then [%s]\n", first, second, once.c_str(), twice.c_str());
    FUZZ_CHECK(twice == once);
    // Keys that came whole out of the index keep every digit on the way back.
    if (once == AnsiString(index)) {
        FUZZ_CHECK(*request.VarList.Item(0).Value == keys[0]);
        FUZZ_CHECK(*request.VarList.Item(1).Value == keys[1]);
    }
    return 0;
}
