// Value conversion between value texts and the engine's bindings, and the readings.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "KwOptionList.h"
#include "KwValueText.h"
#include "RequestFixture.h"
#include "SysUtils.h"
#include "snmp_pp.h"

namespace {
Vb WithValue(const SnmpInt32& v) { Vb vb(Oid("1.3")); vb.set_value(v); return vb; }
Vb WithValue(const SnmpUInt32& v) { Vb vb(Oid("1.3")); vb.set_value(v); return vb; }
Vb WithValue(const TimeTicks& v) { Vb vb(Oid("1.3")); vb.set_value(v); return vb; }
Vb WithValue(const Counter64& v) { Vb vb(Oid("1.3")); vb.set_value(v); return vb; }
Vb WithValue(const OctetStr& v) { Vb vb(Oid("1.3")); vb.set_value(v); return vb; }
Vb WithValue(const Oid& v) { Vb vb(Oid("1.3")); vb.set_value(v); return vb; }
Vb WithValue(const IpAddress& v) { Vb vb(Oid("1.3")); vb.set_value(v); return vb; }
Vb Bytes(const char* data, int length) { return WithValue(OctetStr(std::string(data, length))); }
Vb NoSuchInstance() { Vb vb(Oid("1.3")); vb.set_syntax(sNMP_SYNTAX_NOSUCHINSTANCE); return vb; }

std::string DoubleBytes(double d)
{
    return std::string(reinterpret_cast<const char*>(&d), sizeof d);
}

const std::string one = DoubleBytes(1.0);  // begins with zero bytes
const std::string half = DoubleBytes(-2.5);
const std::string dayTwo = DoubleBytes(2.75);

// A binding received for a variable of the syntax -> the value text.
TEST(ValueCodec, ReceivedValuesGiveTheirText)
{
    const struct {
        int Syntax;
        Vb Binding;
        const char* Text;
    } cases[] = {
        {SX_INTEGER, WithValue(SnmpInt32(-5)), "-5"},
        {SX_INTEGER, WithValue(SnmpInt32(300)), "300"},
        {SX_INTEGER, NoSuchInstance(), "(NULL)"},
        {SX_INTEGER, WithValue(OctetStr("x")), "(NULL)"},  // wrong type
        {SX_BOOLEAN, WithValue(SnmpInt32(5)), "true"},
        {SX_BOOLEAN, WithValue(SnmpInt32(0)), "false"},
        {SX_COUNTER, WithValue(Counter32(4294967295ul)), "4294967295"},
        {SX_GUAGE, WithValue(Gauge32(7)), "7"},
        {SX_UINTEGER, WithValue(TimeTicks(9)), "9"},
        {SX_COUNTER64, WithValue(Counter64(1, 2)), "4294967298"},
        {SX_TIMETICKS, WithValue(TimeTicks(500)), "0:00:05.00"},
        {SX_TIMETICKS, WithValue(TimeTicks(9378405)), "1 day 2:03:04.05"},
        {SX_TIMETICKS, WithValue(TimeTicks(17280000)), "2 days, 0:00:00.00"},
        {SX_OCTETSTR, Bytes("\x00\x11\xAB", 3), "0011AB"},
        {SX_OCTETSTR, WithValue(OctetStr("")), ""},
        {SX_MACADDRESS, Bytes("\x00\x11\x22\xAA\xBB\xCC", 6), "001122AABBCC"},
        {SX_MACADDRESS, NoSuchInstance(), ""},
        {SX_DISPLAYSTR, Bytes("AB\0C", 4), "AB"},
        {SX_DISPLAYSTR, WithValue(OctetStr("")), ""},
        {SX_DISPLAYSTR, NoSuchInstance(), ""},
        {SX_OBJECTID, WithValue(Oid("1.3.6.1.2.1.1.1")), "1.3.6.1.2.1.1.1"},
        {SX_IPADDRESS, WithValue(IpAddress("192.168.0.1")), "192.168.0.1"},
        {SX_DOUBLE, WithValue(OctetStr(one)), "1"},
        {SX_DOUBLE, WithValue(OctetStr(half)), "-2.5"},
        {SX_DOUBLE, Bytes("\x01\x02\x03", 3), "(NULL)"},  // shorter than a double
        {SX_DATETIME, Bytes("\x07\xD6\x03\x0E\x0A\x05\x00\x00-\x05\x1E", 11),
         "2006-3-14,10:5:0.0,-5:30"},
        {SX_DATETIME, Bytes("\x07\xD6\x03\x0E\x0A\x05\x00\x00", 8), "2006-3-14,10:5:0.0"},
        {SX_DATETIME, Bytes("\x07\xD6\x03", 3), "(NULL)"},
        {SX_BCDATETIME, WithValue(OctetStr(dayTwo)), "1900/01/01 06:00:00 pm"},
        {SX_BCDATETIME, Bytes("\x01", 1), "(NULL)"},
        {SX_NSAPADDR, WithValue(IpAddress("10.0.0.1")), "10.0.0.1"},
        {SX_OPAQUE, Bytes("\x7F", 1), "7F"},
        {SX_NULL, WithValue(SnmpInt32(1)), "(NULL)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "syntax " << c.Syntax << " gives " << c.Text);
        KwSNMPRequest request;
        LoadList(request, {{"1.3", c.Syntax}});
        Vb vb = c.Binding;
        request.VbToValue(0, vb);
        EXPECT_EQ(ValueOf(request, 0), c.Text);
    }
}

TEST(ValueCodec, DayNumbersRoundTrip)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.3", SX_BCDATETIME}});
    ValueOf(request, 0) = "1900/01/01 06:00:00 pm";
    Vb vb{Oid("1.3")};
    request.ValueToVb(0, vb);
    OctetStr octets;
    ASSERT_EQ(vb.get_value(octets), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(octets.bytes(), dayTwo);
    ValueOf(request, 0) = "";
    request.VbToValue(0, vb);
    EXPECT_EQ(ValueOf(request, 0), "1900/01/01 06:00:00 pm");
}

TEST(ValueCodec, OptionListTranslatesBothWays)
{
    KwIntOption table[] = {{0, "Disable"}, {1, "Enable"}, {0, nullptr}};
    KwOptionList options(table);
    KwSNMPRequest request;
    LoadList(request, {{"1.3", SX_INTEGER, AC_READWRITE, &options}});
    Vb vb = WithValue(SnmpInt32(1));
    request.VbToValue(0, vb);
    EXPECT_EQ(ValueOf(request, 0), "Enable");
    vb = WithValue(SnmpInt32(7));
    request.VbToValue(0, vb);
    EXPECT_EQ(ValueOf(request, 0), "7");

    ValueOf(request, 0) = "Enable";
    Vb out(Oid("1.3"));
    request.ValueToVb(0, out);
    long sent = -1;
    ASSERT_EQ(out.get_value(sent), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(sent, 1);
}

TEST(ValueCodec, BadSyntaxRaisesInBothDirections)
{
    for (int syntax : {0, 7, 63, int(SX_BOOL8), int(SX_INT8), int(SX_UINT16), 77}) {
        KwSNMPRequest request;
        LoadList(request, {{"1.3", syntax}});
        ValueOf(request, 0) = "keep";
        Vb vb = WithValue(SnmpInt32(3));
        try {
            request.VbToValue(0, vb);
            FAIL() << syntax;
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, -511);
            EXPECT_EQ(e.Message, "(KwSNMP++) Bad SNMP syntax!");
        }
        EXPECT_EQ(ValueOf(request, 0), "keep");
        EXPECT_THROW(request.ValueToVb(0, vb), Exception);
        long value = 0;
        vb.get_value(value);
        EXPECT_EQ(value, 3);  // binding untouched
    }
}

// The binding a value text of the syntax puts into a binding that held a value, as
// "kind value" (octets in hexadecimal), or "none".
std::string Sent(int syntax, const char* text)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.3", syntax}});
    ValueOf(request, 0) = text;
    Vb vb = WithValue(SnmpInt32(3));
    request.ValueToVb(0, vb);
    if (vb.has_no_value())
        return "none";
    unsigned long number = 0;
    switch (vb.get_syntax()) {
    case sNMP_SYNTAX_INT32: {
        long value = 0;
        vb.get_value(value);
        return "int " + std::to_string(value);
    }
    case sNMP_SYNTAX_OCTETS: {
        OctetStr octets;
        vb.get_value(octets);
        std::string hex;
        for (unsigned char c : octets.bytes()) {
            char two[3];
            std::snprintf(two, sizeof two, "%02X", c);
            hex += two;
        }
        return "octets " + hex;
    }
    case sNMP_SYNTAX_IPADDR: {
        IpAddress ip;
        vb.get_value(ip);
        return std::string("ip ") + ip.get_printable();
    }
    case sNMP_SYNTAX_CNTR64: {
        Counter64 big;
        vb.get_value(big);
        return "c64 " + std::to_string(static_cast<unsigned long long>(big));
    }
    case sNMP_SYNTAX_TIMETICKS:
        vb.get_value(number);
        return "ticks " + std::to_string(number);
    case sNMP_SYNTAX_GAUGE32:
        vb.get_value(number);
        return "gauge " + std::to_string(number);
    default:
        return "syntax " + std::to_string(vb.get_syntax());
    }
}

TEST(ValueCodec, SentValues)
{
    for (int syntax : {SX_BOOLEAN, SX_INTEGER, SX_COUNTER, SX_COUNTER64, SX_TIMETICKS, SX_OCTETSTR,
                       SX_DISPLAYSTR, SX_OBJECTID, SX_IPADDRESS, SX_DOUBLE, SX_DATETIME,
                       SX_MACADDRESS, SX_NULL})
        EXPECT_EQ(Sent(syntax, "(NULL)"), "none") << syntax;
    const struct {
        int Syntax;
        const char* Text;
        const char* Binding;
    } cases[] = {
        {SX_INTEGER, "", "int 0"}, {SX_INTEGER, "abc", "int 0"}, {SX_INTEGER, "  -42xyz", "int -42"},
        {SX_DISPLAYSTR, "", "octets "},
        {SX_TIMETICKS, "1 day 2:03:04.05", "ticks 9378405"},
        {SX_TIMETICKS, "2 days, 0:00:00.00", "ticks 17280000"}, {SX_TIMETICKS, "1234", "ticks 0"},
        {SX_OCTETSTR, "00 11 22 aa bb cc", "octets 001122AABBCC"}, {SX_OCTETSTR, "ABC", "octets 0ABC"},
        {SX_BOOLEAN, "true", "int 1"}, {SX_BOOLEAN, "True", "int 0"},
        {SX_COUNTER, "4294967296", "gauge 0"},
        {SX_DOUBLE, "-2.5", "octets 00000000000004C0"},
        {SX_DATETIME, "2006-3-14,10:5:0.0,-5:30", "octets 07D6030E0A0500002D051E"},
        {SX_IPADDRESS, "not an address", "none"}, {SX_IPADDRESS, "10.0.0.7", "ip 10.0.0.7"},
        // Parts of one to three digits, as the forms' address checks accept them.
        {SX_IPADDRESS, "010.001.000.001", "ip 10.1.0.1"}, {SX_IPADDRESS, "0010.1.1.1", "none"},
        {SX_IPADDRESS, "+8.8.8.8", "none"},
        {SX_COUNTER64, "4294967298", "c64 4294967298"},
        // Beyond a double's 53 bits every digit still counts.
        {SX_COUNTER64, "1152921504606846977", "c64 1152921504606846977"},
        {SX_COUNTER64, " +18446744073709551615", "c64 18446744073709551615"},
        {SX_COUNTER64, "18446744073709551616", "c64 18446744073709551615"},
        {SX_COUNTER64, "1.5e3", "c64 1500"}, {SX_COUNTER64, "-7", "c64 0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sent(c.Syntax, c.Text), c.Binding) << c.Syntax << " " << c.Text;
}

TEST(ValueCodec, YearsBelowOneThousandReadBack)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.3", SX_BCDATETIME}});
    for (const char* text : {"0999/12/31 11:30:00 pm", "0005/01/02 06:00:00 am"}) {
        ValueOf(request, 0) = text;
        Vb vb{Oid("1.3")};
        request.ValueToVb(0, vb);
        ValueOf(request, 0) = "";
        request.VbToValue(0, vb);
        EXPECT_EQ(ValueOf(request, 0), text);
    }
}

TEST(ValueText, Readings)
{
    EXPECT_EQ(KwReadDecimal("  +12z"), 12u);
    EXPECT_EQ(KwReadDecimal("-1"), 4294967295u);
    EXPECT_EQ(KwReadDecimal("4294967297"), 1u);
    EXPECT_EQ(KwReadDecimal(""), 0u);
    EXPECT_EQ(KwReadHexBytes(""), "");
    EXPECT_EQ(KwReadHexBytes("1"), std::string("\x01", 1));
    EXPECT_EQ(KwReadHexBytes("zz"), std::string("\x00", 1));
    EXPECT_EQ(KwHexText(std::string("\x00\xff", 2)), "00FF");
    for (std::uint32_t ticks : {0u, 99u, 8639999u, 8640000u, 17280000u, 4294967295u})
        EXPECT_EQ(KwReadTimeTicks(KwTimeTicksText(ticks)), ticks) << ticks;
    EXPECT_EQ(KwReadTimeTicks("5.07"), 507u);
    EXPECT_DOUBLE_EQ(KwReadFloat(" 1.5e2xyz"), 150.0);
    EXPECT_DOUBLE_EQ(KwReadFloat("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(KwReadFloat("abc"), 0.0);
    // Too small for a double is 0; too large is the largest finite double, so the
    // largest double's 15-digit text reads back as itself; "inf" and "nan" are words.
    const double top = std::numeric_limits<double>::max();
    const struct { std::string Text; double Value; } edges[] = {
        {"1e-400", 0.0}, {"-0.0000001e-400", 0.0}, {"123456e-330", 0.0},
        {"1e400", top}, {"-0.01e311", -top}, {FloatToStr(top).ToStdString(), top},
        {"inf", 0.0}, {"-INF", 0.0}, {"nan", 0.0}, {"infinity", 0.0},
    };
    for (const auto& e : edges)
        EXPECT_EQ(KwReadFloat(e.Text), e.Value) << e.Text;
    EXPECT_EQ(FloatToStr(top), "1.79769313486232E308");
    EXPECT_EQ(KwReadUInt64("1152921504606846977"), 1152921504606846977ull);
    EXPECT_EQ(KwFloatToUInt64(-3.0), 0u);
    EXPECT_EQ(KwFloatToInt64(-2.9), -2);
}
} // namespace
