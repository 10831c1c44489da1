// Value texts of every syntax, as a form or a file hands them to the library: text
// to SNMP value and back, text to raw image and back, and the readings they use.
// Whatever the text, a conversion either refuses it with a library exception or
// gives a text that converts to itself again; 64-bit counts keep every digit.
#include "FuzzFiles.h"
#include "KwDateTime.h"
#include "KwExpression.h"
#include "KwRawCodec.h"
#include "KwSNMPRequest.h"
#include "KwSNMPVar.h"
#include "KwValueText.h"
#include "SysUtils.h"
#include "snmp_pp.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const int Syntaxes[] = {SX_BOOLEAN,   SX_INTEGER,   SX_BITSTR,    SX_OCTETSTR,  SX_NULL,     SX_OBJECTID,
                        SX_IPADDRESS, SX_COUNTER,   SX_GUAGE,     SX_TIMETICKS, SX_OPAQUE,   SX_NSAPADDR,
                        SX_COUNTER64, SX_UINTEGER,  SX_DOUBLE,    SX_MACADDRESS, SX_DATETIME, SX_BCDATETIME,
                        SX_DISPLAYSTR, SX_BOOL8,    SX_INT8,      SX_UINT8,     SX_BOOL16,   SX_INT16,
                        SX_UINT16};

// The text the request makes of `text` sent and received once; false when refused.
bool ThroughSnmp(KwSNMPRequest& request, const AnsiString& text, AnsiString& out)
{
    try {
        *request.VarList.Item(0).Value = text;
        Vb vb{Oid("1.3.6.1.4.1.32473.1")};
        request.ValueToVb(0, vb);
        request.VbToValue(0, vb);
        out = *request.VarList.Item(0).Value;
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool ThroughRaw(const AnsiString& text, int syntax, AnsiString& out)
{
    try {
        out = KwRawToText(KwTextToRaw(text, syntax), syntax);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 512)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const AnsiString text(bytes);

    for (int syntax : Syntaxes) {
        std::vector<KwSNMPVar> table{KwSNMPVar{"1.3.6.1.4.1.32473.1", "v", syntax, AC_READWRITE, nullptr,
                                               nullptr, nullptr, nullptr, nullptr, nullptr},
                                     KwSNMPVar{}};
        KwSNMPRequest request;
        request.VarList = KwSNMPVarList(table.data(), SVT_SV, 0);
        AnsiString once, twice;
        // "(NULL)" stands for no value: a device string that reads so is that text.
        if (ThroughSnmp(request, text, once) && once != "(NULL)") {
            FUZZ_CHECK(ThroughSnmp(request, once, twice));
            if (twice != once)
                std::fprintf(stderr, "syntax %d: [%s] then [%s]\n", syntax, once.c_str(), twice.c_str());
            FUZZ_CHECK(twice == once);
        }
        if (ThroughRaw(text, syntax, once) && once != "(NULL)") {
            FUZZ_CHECK(ThroughRaw(once, syntax, twice));
            if (twice != once)
                std::fprintf(stderr, "syntax %d: [%s] then [%s]\n", syntax, once.c_str(), twice.c_str());
            FUZZ_CHECK(twice == once);
        }
    }

    // Readings.
    // A text never reads as infinity or NaN, and a number's text reads back as itself.
    const double number = KwReadFloat(bytes);
    FUZZ_CHECK(std::isfinite(number));
    const double shown = KwReadFloat(FloatToStr(number).ToStdString());
    FUZZ_CHECK(KwReadFloat(FloatToStr(shown).ToStdString()) == shown);
    std::size_t digits = bytes.find_first_not_of("0123456789");
    if (!bytes.empty() && digits == std::string::npos && bytes.size() <= 19)
        FUZZ_CHECK(KwReadUInt64(bytes) == std::stoull(bytes));
    FUZZ_CHECK(KwReadTimeTicks(KwTimeTicksText(KwReadDecimal(bytes))) == KwReadDecimal(bytes));
    const AnsiString date = KwDateTime(text).ToString();
    FUZZ_CHECK(KwDateTime(date).ToString() == date);

    // The two small languages never fail but by their own exception.
    try {
        CalcExpression(text);
    } catch (const Exception&) {
        FUZZ_CHECK(false);
    }
    try {
        EvalCondition(text);
    } catch (const Exception&) {
    }
    if (text.UpperCase() != "NOW") {  // the clock may move between the two sides
        const AnsiString quoted = QuoteConditionData(text);
        FUZZ_CHECK(EvalCondition(quoted + "=" + quoted));
    }
    return 0;
}
