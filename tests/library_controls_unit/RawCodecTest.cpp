// Value texts to raw images and back, and parts of images.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
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

AnsiString FromHex(const char* hex)
{
    std::istringstream in(hex);
    std::string out;
    for (std::string byte; in >> byte;)
        out.push_back(static_cast<char>(std::strtoul(byte.c_str(), nullptr, 16)));
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

// Booleans are exact and case-sensitive; small integers keep their low bits and byte
// order; addresses take the low byte of each part; octet kinds are hexadecimal.
TEST(RawCodec, TextsToImages)
{
    const struct { const char* Text; int Syntax; const char* Image; } cases[] = {
        {"true", SX_BOOLEAN, "01 00 00 00"}, {"TRUE", SX_BOOLEAN, "00 00 00 00"},
        {"true", SX_BOOL8, "01"}, {"true", SX_BOOL16, "00 01"},
        {"-1", SX_INT8, "FF"}, {"-1", SX_INT16, "FF FF"}, {"4660", SX_UINT16, "12 34"},
        {"4660", SX_INTEGER, "34 12 00 00"}, {"4294967295", SX_COUNTER, "FF FF FF FF"},
        {"12abc", SX_INTEGER, "0C 00 00 00"}, {"abc", SX_UINTEGER, "00 00 00 00"},
        {"192.168.1.20", SX_IPADDRESS, "C0 A8 01 14"}, {"10.0.0.300", SX_IPADDRESS, "0A 00 00 2C"},
        {"A0B", SX_OCTETSTR, "0A 0B"}, {"00001B2c3D4E", SX_MACADDRESS, "00 00 1B 2C 3D 4E"},
        {"a b", SX_DISPLAYSTR, "61 20 62"},
        {"1.3.300", SX_OBJECTID, "01 00 00 00 03 00 00 00 2C 01 00 00"},
        {"4294967296", SX_COUNTER64, "00 00 00 00 01 00 00 00"},
        {"0:00:01.00", SX_TIMETICKS, "64 00 00 00"},
        {"12", SX_NULL, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Hex(KwTextToRaw(c.Text, c.Syntax)), c.Image) << c.Text << " as " << c.Syntax;
}

TEST(RawCodec, ImagesToTexts)
{
    const struct { const char* Image; int Syntax; const char* Text; } cases[] = {
        {"00 00 00 00", SX_BOOLEAN, "false"}, {"00 00 02 00", SX_BOOLEAN, "true"},
        {"00 01", SX_BOOL16, "true"}, {"00", SX_BOOL8, "false"},
        {"FF", SX_INT8, "-1"}, {"FF", SX_UINT8, "255"},
        {"FF FF", SX_INT16, "65535"},  // read unsigned, as uint16
        {"12 34", SX_UINT16, "4660"},
        {"FF FF FF FF", SX_INTEGER, "-1"}, {"FF FF FF FF", SX_GUAGE, "4294967295"},
        {"C0 A8 01 14 05", SX_IPADDRESS, "192.168.1.20"},
        {"0A 0B", SX_OCTETSTR, "0A0B"}, {"00 11 22 AA BB CC DD", SX_MACADDRESS, "001122AABBCCDD"},
        {"41 42 00 43", SX_DISPLAYSTR, "AB"},
        {"00 00 00 00 00 00 F0 3F", SX_DOUBLE, "1"},
        {"01 02", SX_NULL, "(NULL)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KwRawToText(FromHex(c.Image), c.Syntax), c.Text) << c.Image << " as " << c.Syntax;
}

TEST(RawCodec, TextsRoundTrip)
{
    const struct { const char* Text; int Syntax; } cases[] = {
        {"1.3.6.1.4.1.32473", SX_OBJECTID}, {"-2.5", SX_DOUBLE},
        {"18446744073709551615", SX_COUNTER64}, {"1152921504606846977", SX_COUNTER64},
        {"1 day 2:03:04.05", SX_TIMETICKS}, {"2024-2-29,13:45:10.3,+2:0", SX_DATETIME},
        {"2023/07/04 01:02:03 pm", SX_BCDATETIME},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KwRawToText(KwTextToRaw(c.Text, c.Syntax), c.Syntax), c.Text);
    EXPECT_EQ(Hex(KwTextToRaw("2024-2-29,13:45:10.3,+2:0", SX_DATETIME).SubString(1, 2)), "07 E8");
    EXPECT_EQ(KwTextToRaw("2023/07/04 01:02:03 pm", SX_BCDATETIME).Length(), 8);
}

TEST(RawCodec, NullAndEmptyImages)
{
    for (int syntax : {SX_BOOLEAN, SX_INTEGER, SX_OCTETSTR, SX_OBJECTID, SX_IPADDRESS, SX_TIMETICKS,
                       SX_COUNTER64, SX_DOUBLE, SX_MACADDRESS, SX_DATETIME, SX_BCDATETIME,
                       SX_DISPLAYSTR, SX_INT8, SX_UINT16}) {
        EXPECT_TRUE(KwTextToRaw("(NULL)", syntax).IsEmpty()) << syntax;
        EXPECT_EQ(KwRawToText(AnsiString(), syntax), syntax == SX_DISPLAYSTR ? "" : "(NULL)") << syntax;
    }
}

// Short images are refused, never read past their end; an identifier image must hold
// whole sub-identifiers; an unknown syntax is refused everywhere.
TEST(RawCodec, ShortImagesAndUnknownSyntaxesAreRefused)
{
    const struct { const char* Image; int Syntax; int Code; } cases[] = {
        {"01 02 03", SX_INTEGER, KWERR_ASSOC_VALUE}, {"01 02 03 04 05", SX_MACADDRESS, KWERR_ASSOC_VALUE},
        {"C0 A8 01", SX_IPADDRESS, KWERR_ASSOC_VALUE}, {"01 02 03 04 05 06 07", SX_DOUBLE, KWERR_ASSOC_VALUE},
        {"07 E8 02", SX_DATETIME, KWERR_ASSOC_VALUE}, {"01", SX_UINT16, KWERR_ASSOC_VALUE},
        {"01 00 00 00 03 00", SX_OBJECTID, KWERR_ASSOC_VALUE},
        {"01", 99, KWERR_BAD_SYNTAX}, {"", 99, KWERR_BAD_SYNTAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeOf([&] { KwRawToText(FromHex(c.Image), c.Syntax); }), c.Code) << c.Image;
    EXPECT_EQ(CodeOf([] { KwTextToRaw("1", 7); }), KWERR_BAD_SYNTAX);
    EXPECT_EQ(CodeOf([] { KwPartOfRaw(FromHex("01"), 0, 0); }), KWERR_BAD_SYNTAX);
}

TEST(RawCodec, PartsByWidthAndOffset)
{
    const AnsiString image = FromHex("00 01 02 03 12 34");
    EXPECT_EQ(Hex(KwPartOfRaw(image, 4, SX_UINT16)), "12 34");
    EXPECT_EQ(CodeOf([&] { KwPartOfRaw(image, 5, SX_UINT16); }), KWERR_ASSOC_INDEX);
    EXPECT_EQ(CodeOf([&] { KwPartOfRaw(image, -1, SX_UINT8); }), KWERR_ASSOC_INDEX);
    EXPECT_EQ(Hex(KwPartOfRaw(image, 2, SX_OCTETSTR)), "02 03 12 34");
    EXPECT_TRUE(KwPartOfRaw(image, 6, SX_OCTETSTR).IsEmpty());
    EXPECT_TRUE(KwPartOfRaw(image, 60, SX_DISPLAYSTR).IsEmpty());
    EXPECT_TRUE(KwPartOfRaw(AnsiString(), 60, SX_UINT16).IsEmpty());
    EXPECT_TRUE(KwPartOfRaw(image, 0, SX_NULL).IsEmpty());
}
