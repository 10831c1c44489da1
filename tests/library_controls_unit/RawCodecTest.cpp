// Value texts to raw images and back, and parts of images.
#include <gtest/gtest.h>

#include <string>

#include "KwErrors.h"
#include "KwRawCodec.h"
#include "KwSNMPVar.h"
#include "SysUtils.h"

namespace {
std::string Hex(const AnsiString& raw)
{
    std::string out;
    for (unsigned char c : raw.ToStdString()) {
        char buf[4];
        std::snprintf(buf, sizeof buf, out.empty() ? "%02X" : " %02X", c);
        out += buf;
    }
    return out;
}

AnsiString Bytes(std::initializer_list<int> bytes)
{
    std::string out;
    for (int b : bytes)
        out.push_back(static_cast<char>(b));
    return AnsiString(out);
}

int CodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(KwErrorText(e.HelpContext).c_str()), std::string(e.Message.c_str()));
        return e.HelpContext;
    }
    return 0;
}
} // namespace

TEST(RawCodec, BooleansAreExactAndCaseSensitive)
{
    EXPECT_EQ(Hex(KwTextToRaw("true", SX_BOOLEAN)), "01 00 00 00");
    EXPECT_EQ(Hex(KwTextToRaw("TRUE", SX_BOOLEAN)), "00 00 00 00");
    EXPECT_EQ(Hex(KwTextToRaw("true", SX_BOOL8)), "01");
    EXPECT_EQ(Hex(KwTextToRaw("true", SX_BOOL16)), "00 01");
    EXPECT_EQ(KwRawToText(Bytes({0, 0, 0, 0}), SX_BOOLEAN), "false");
    EXPECT_EQ(KwRawToText(Bytes({0, 0, 2, 0}), SX_BOOLEAN), "true");
    EXPECT_EQ(KwRawToText(Bytes({0, 1}), SX_BOOL16), "true");
    EXPECT_EQ(KwRawToText(Bytes({0}), SX_BOOL8), "false");
}

TEST(RawCodec, SmallIntegersKeepTheirLowBitsAndByteOrder)
{
    EXPECT_EQ(Hex(KwTextToRaw("-1", SX_INT8)), "FF");
    EXPECT_EQ(KwRawToText(Bytes({0xFF}), SX_INT8), "-1");
    EXPECT_EQ(KwRawToText(Bytes({0xFF}), SX_UINT8), "255");
    EXPECT_EQ(Hex(KwTextToRaw("-1", SX_INT16)), "FF FF");
    EXPECT_EQ(KwRawToText(Bytes({0xFF, 0xFF}), SX_INT16), "65535");  // read unsigned, as uint16
    EXPECT_EQ(Hex(KwTextToRaw("4660", SX_UINT16)), "12 34");
    EXPECT_EQ(Hex(KwTextToRaw("4660", SX_INTEGER)), "34 12 00 00");
    EXPECT_EQ(Hex(KwTextToRaw("4294967295", SX_COUNTER)), "FF FF FF FF");
    EXPECT_EQ(KwRawToText(Bytes({0xFF, 0xFF, 0xFF, 0xFF}), SX_INTEGER), "-1");
    EXPECT_EQ(KwRawToText(Bytes({0xFF, 0xFF, 0xFF, 0xFF}), SX_GUAGE), "4294967295");
    EXPECT_EQ(Hex(KwTextToRaw("12abc", SX_INTEGER)), "0C 00 00 00");
    EXPECT_EQ(Hex(KwTextToRaw("abc", SX_UINTEGER)), "00 00 00 00");
}

TEST(RawCodec, AddressesTakeTheLowByteOfEachPart)
{
    EXPECT_EQ(Hex(KwTextToRaw("192.168.1.20", SX_IPADDRESS)), "C0 A8 01 14");
    EXPECT_EQ(KwRawToText(Bytes({0xC0, 0xA8, 0x01, 0x14, 0x05}), SX_IPADDRESS), "192.168.1.20");
    EXPECT_EQ(Hex(KwTextToRaw("10.0.0.300", SX_IPADDRESS)), "0A 00 00 2C");
}

TEST(RawCodec, OctetKindsAreHexadecimal)
{
    EXPECT_EQ(Hex(KwTextToRaw("A0B", SX_OCTETSTR)), "0A 0B");
    EXPECT_EQ(KwRawToText(Bytes({0x0A, 0x0B}), SX_OCTETSTR), "0A0B");
    EXPECT_EQ(Hex(KwTextToRaw("00001B2c3D4E", SX_MACADDRESS)), "00 00 1B 2C 3D 4E");
    EXPECT_EQ(KwRawToText(Bytes({0, 0x11, 0x22, 0xAA, 0xBB, 0xCC, 0xDD}), SX_MACADDRESS),
              "001122AABBCCDD");
    EXPECT_EQ(KwRawToText(Bytes({0x41, 0x42, 0, 0x43}), SX_DISPLAYSTR), "AB");
    EXPECT_EQ(KwTextToRaw("a b", SX_DISPLAYSTR), "a b");
}

TEST(RawCodec, ObjectIdentifiersAndWideNumbers)
{
    EXPECT_EQ(Hex(KwTextToRaw("1.3.300", SX_OBJECTID)), "01 00 00 00 03 00 00 00 2C 01 00 00");
    EXPECT_EQ(KwRawToText(KwTextToRaw("1.3.6.1.4.1.32473", SX_OBJECTID), SX_OBJECTID), "1.3.6.1.4.1.32473");
    EXPECT_EQ(KwRawToText(Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}), SX_DOUBLE), "1");
    EXPECT_EQ(KwRawToText(KwTextToRaw("-2.5", SX_DOUBLE), SX_DOUBLE), "-2.5");
    EXPECT_EQ(Hex(KwTextToRaw("4294967296", SX_COUNTER64)), "00 00 00 00 01 00 00 00");
    EXPECT_EQ(KwRawToText(KwTextToRaw("18446744073709551615", SX_COUNTER64), SX_COUNTER64),
              "18446744073709551615");
    EXPECT_EQ(KwRawToText(KwTextToRaw("1152921504606846977", SX_COUNTER64), SX_COUNTER64),
              "1152921504606846977");
    EXPECT_EQ(KwRawToText(KwTextToRaw("1 day 2:03:04.05", SX_TIMETICKS), SX_TIMETICKS), "1 day 2:03:04.05");
    EXPECT_EQ(Hex(KwTextToRaw("0:00:01.00", SX_TIMETICKS)), "64 00 00 00");
}

TEST(RawCodec, DatesRoundTrip)
{
    const AnsiString raw = KwTextToRaw("2024-2-29,13:45:10.3,+2:0", SX_DATETIME);
    ASSERT_EQ(raw.Length(), 11);
    EXPECT_EQ(Hex(raw.SubString(1, 2)), "07 E8");  // year most significant byte first
    EXPECT_EQ(KwRawToText(raw, SX_DATETIME), "2024-2-29,13:45:10.3,+2:0");
    const AnsiString day = KwTextToRaw("2023/07/04 01:02:03 pm", SX_BCDATETIME);
    ASSERT_EQ(day.Length(), 8);
    EXPECT_EQ(KwRawToText(day, SX_BCDATETIME), "2023/07/04 01:02:03 pm");
}

TEST(RawCodec, NullAndEmptyImages)
{
    for (int syntax : {SX_BOOLEAN, SX_INTEGER, SX_OCTETSTR, SX_OBJECTID, SX_IPADDRESS, SX_TIMETICKS,
                       SX_COUNTER64, SX_DOUBLE, SX_MACADDRESS, SX_DATETIME, SX_BCDATETIME,
                       SX_DISPLAYSTR, SX_INT8, SX_UINT16}) {
        EXPECT_TRUE(KwTextToRaw("(NULL)", syntax).IsEmpty()) << syntax;
        EXPECT_EQ(KwRawToText(AnsiString(), syntax), syntax == SX_DISPLAYSTR ? "" : "(NULL)") << syntax;
    }
    EXPECT_TRUE(KwTextToRaw("12", SX_NULL).IsEmpty());
    EXPECT_EQ(KwRawToText(Bytes({1, 2}), SX_NULL), "(NULL)");
}

TEST(RawCodec, ShortImagesAreRefusedNeverReadPastTheirEnd)
{
    EXPECT_EQ(CodeOf([] { KwRawToText(Bytes({1, 2, 3}), SX_INTEGER); }), KWERR_ASSOC_VALUE);
    EXPECT_EQ(CodeOf([] { KwRawToText(Bytes({1, 2, 3, 4, 5}), SX_MACADDRESS); }), KWERR_ASSOC_VALUE);
    EXPECT_EQ(CodeOf([] { KwRawToText(Bytes({192, 168, 1}), SX_IPADDRESS); }), KWERR_ASSOC_VALUE);
    EXPECT_EQ(CodeOf([] { KwRawToText(Bytes({1, 2, 3, 4, 5, 6, 7}), SX_DOUBLE); }), KWERR_ASSOC_VALUE);
    EXPECT_EQ(CodeOf([] { KwRawToText(Bytes({7, 0xE8, 2}), SX_DATETIME); }), KWERR_ASSOC_VALUE);
    EXPECT_EQ(CodeOf([] { KwRawToText(Bytes({1}), SX_UINT16); }), KWERR_ASSOC_VALUE);
    // An identifier image must hold whole sub-identifiers.
    EXPECT_EQ(CodeOf([] { KwRawToText(Bytes({1, 0, 0, 0, 3, 0}), SX_OBJECTID); }), KWERR_ASSOC_VALUE);
}

TEST(RawCodec, PartsByWidthAndOffset)
{
    const AnsiString image = Bytes({0, 1, 2, 3, 0x12, 0x34});
    EXPECT_EQ(Hex(KwPartOfRaw(image, 4, SX_UINT16)), "12 34");
    EXPECT_EQ(KwRawToText(KwPartOfRaw(image, 4, SX_UINT16), SX_UINT16), "4660");
    EXPECT_EQ(CodeOf([&] { KwPartOfRaw(image, 5, SX_UINT16); }), KWERR_ASSOC_INDEX);
    EXPECT_EQ(CodeOf([&] { KwPartOfRaw(image, -1, SX_UINT8); }), KWERR_ASSOC_INDEX);
    EXPECT_EQ(Hex(KwPartOfRaw(image, 2, SX_OCTETSTR)), "02 03 12 34");
    EXPECT_TRUE(KwPartOfRaw(image, 6, SX_OCTETSTR).IsEmpty());
    EXPECT_TRUE(KwPartOfRaw(image, 60, SX_DISPLAYSTR).IsEmpty());
    EXPECT_TRUE(KwPartOfRaw(AnsiString(), 60, SX_UINT16).IsEmpty());
    EXPECT_TRUE(KwPartOfRaw(image, 0, SX_NULL).IsEmpty());
}

TEST(RawCodec, UnknownSyntaxIsRefusedEverywhere)
{
    EXPECT_EQ(CodeOf([] { KwTextToRaw("1", 7); }), KWERR_BAD_SYNTAX);
    EXPECT_EQ(CodeOf([] { KwRawToText(Bytes({1}), 99); }), KWERR_BAD_SYNTAX);
    EXPECT_EQ(CodeOf([] { KwRawToText(AnsiString(), 99); }), KWERR_BAD_SYNTAX);
    EXPECT_EQ(CodeOf([] { KwPartOfRaw(Bytes({1}), 0, 0); }), KWERR_BAD_SYNTAX);
}
