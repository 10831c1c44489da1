// The state file's text: every type reads and writes back the same, faults
// are named with their line.
#include <gtest/gtest.h>

#include "StateFile.h"
#include "StateLine.h"

using namespace devsim;

namespace {

const std::string P = "1.3.6.1.4.1.32473.10.37.37";

std::string RoundTrip(const std::string& line)
{
    ParsedLine parsed = parseStateLine(line);
    EXPECT_EQ(parsed.kind, LineKind::Entry) << line << ": " << parsed.error;
    return formatStateLine(parsed.entry);
}

std::string ErrorOf(const std::string& text)
{
    try {
        parseStateText(text, "dev.state");
    } catch (const StateFileError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(DevsimStateText, EveryTypeWritesBackAsRead)
{
    for (const std::string& line : {
             P + ".1.0 INTEGER -2147483648",
             P + ".1.1 INTEGER 2147483647",
             P + ".2.0 STRING \"with \\\"quotes\\\", \\\\ and blanks \"",
             P + ".2.1 STRING \"\"",
             P + ".3.0 HEX 00 1A FF 7F",
             P + ".4.0 IPADDRESS 0.0.0.0",
             P + ".4.1 IPADDRESS 255.255.255.255",
             P + ".5.0 COUNTER32 4294967295",
             P + ".6.0 GAUGE32 0",
             P + ".7.0 TIMETICKS 123456",
             P + ".8.0 OID 1.3.6.1.4.1.32473",
             P + ".9.0 COUNTER64 18446744073709551615",
             "ro advance=7 " + P + ".10.0 COUNTER32 5",
             "max=32 " + P + ".11.0 STRING \"short\"",
             "fixed " + P + ".12.0 INTEGER 2",
         })
        EXPECT_EQ(RoundTrip(line), line);
}

TEST(DevsimStateText, OtherSpellingsReadToTheSameValue)
{
    EXPECT_EQ(RoundTrip("." + P + ".1.0 integer 5"), P + ".1.0 INTEGER 5");
    EXPECT_EQ(RoundTrip(P + ".2.0 STRING plain words  "), P + ".2.0 STRING \"plain words\"");
    EXPECT_EQ(RoundTrip(P + ".2.0 STRING \"\\x41\\tb\""), P + ".2.0 HEX 41 09 62");
    EXPECT_EQ(RoundTrip(P + ".3.0 hex 00:0d:ff"), P + ".3.0 HEX 00 0D FF");
    EXPECT_EQ(RoundTrip(P + ".3.0 HEX 414243"), P + ".3.0 STRING \"ABC\"");
    EXPECT_EQ(RoundTrip(P + ".3.0 HEX"), P + ".3.0 STRING \"\"");
    EXPECT_EQ(RoundTrip(P + ".3.0 HEX\r"), P + ".3.0 STRING \"\"");
}

TEST(DevsimStateText, CommentsAndBlankLinesAreNoVariables)
{
    EXPECT_EQ(parseStateLine("").kind, LineKind::Blank);
    EXPECT_EQ(parseStateLine("   \t").kind, LineKind::Blank);
    EXPECT_EQ(parseStateLine("  # " + P + ".1.0 INTEGER 1").kind, LineKind::Blank);
    EXPECT_EQ(parseStateText("# only\n\n" + P + ".1.0 INTEGER 1\n", "x").size(), 1u);
}

TEST(DevsimStateText, BadValuesAreRefusedWithTheirReason)
{
    struct Case { std::string line; std::string reason; };
    for (const Case& c : std::vector<Case>{
             {P + ".1.0 INTEGER 2147483648", "INTEGER"},
             {P + ".1.0 INTEGER 1x", "INTEGER"},
             {P + ".1.0 INTEGER", "INTEGER"},
             {P + ".1.0 COUNTER32 4294967296", "COUNTER32"},
             {P + ".1.0 GAUGE32 -1", "GAUGE32"},
             {P + ".1.0 COUNTER64 18446744073709551616", "COUNTER64"},
             {P + ".1.0 IPADDRESS 1.2.3.256", "IPADDRESS"},
             {P + ".1.0 IPADDRESS 1.2.3", "IPADDRESS"},
             {P + ".1.0 OID 1..3", "OID"},
             {P + ".1.0 HEX 0", "odd number"},
             {P + ".1.0 HEX zz", "hex digit"},
             {P + ".1.0 STRING \"open", "closing quote"},
             {P + ".1.0 STRING \"a\" b", "after the closing quote"},
             {P + ".1.0 STRING \"\\q\"", "escape"},
             {P + ".1.0 FLOAT 1.5", "unknown type \"FLOAT\""},
             {P + ".1.0", "missing type"},
             {"rw " + P + ".1.0 INTEGER 1", "unknown flag \"rw\""},
             {"advance=x " + P + ".1.0 COUNTER32 1", "advance=N"},
             {"advance=1 " + P + ".1.0 GAUGE32 1", "COUNTER32, COUNTER64 and INTEGER only"},
             {"advance=1 " + P + ".1.0 INTEGER -3", "INTEGER needs a value from 0"},
             {"max=4 " + P + ".1.0 INTEGER 1", "STRING and HEX only"},
             {"max=4 " + P + ".1.0 STRING \"abcde\"", "5 bytes, longer than max=4"},
             {"max=1 " + P + ".1.0 HEX 00 01", "2 bytes, longer than max=1"},
             {"1.3.6.x INTEGER 1", "bad OID"},
         }) {
        ParsedLine parsed = parseStateLine(c.line);
        EXPECT_EQ(parsed.kind, LineKind::Error) << c.line;
        EXPECT_NE(parsed.error.find(c.reason), std::string::npos) << c.line << " -> " << parsed.error;
    }
}

TEST(DevsimStateText, FileFaultsNameTheFileAndLine)
{
    EXPECT_EQ(ErrorOf("# head\n" + P + ".1.0 INTEGER 1\n" + P + ".2.0 BOGUS 1\n"),
              "dev.state: line 3: unknown type \"BOGUS\" (expected INTEGER, STRING, HEX, IPADDRESS, COUNTER32, "
              "GAUGE32, TIMETICKS, OID or COUNTER64)");
    EXPECT_EQ(ErrorOf(P + ".1.0 INTEGER 1\n\n" + P + ".1.0 INTEGER 2\n"),
              "dev.state: line 3: OID " + P + ".1.0 already given on line 1");
    EXPECT_NE(ErrorOf("1.3.6.1.2.1.2.1.0 INTEGER 1\n").find("line 1: OID 1.3.6.1.2.1.2.1.0 is outside"),
              std::string::npos);
    EXPECT_NE(ErrorOf("1.3.6.1.4.1.32473.10.37 INTEGER 1\n").find("outside"), std::string::npos);
    EXPECT_NE(ErrorOf("1.3.6.1.2.1.1.3.0 TIMETICKS 5\n").find("sysUpTime"), std::string::npos);
    EXPECT_EQ(ErrorOf("1.3.6.1.2.1.1.5.0 STRING \"own name\"\n"), "");
}

TEST(DevsimStateText, AnUnreadableFileIsNamed)
{
    try {
        loadStateFile("/nonexistent/devsim.state");
        FAIL() << "no error";
    } catch (const StateFileError& e) {
        EXPECT_STREQ(e.what(), "/nonexistent/devsim.state: cannot read the state file: it does not exist");
    }
}

TEST(DevsimStateText, ADeviceOrPipeIsRefusedUnread)
{
    // /dev/zero never ends: reading it would fill the memory.
    try {
        loadStateFile("/dev/zero");
        FAIL() << "no error";
    } catch (const StateFileError& e) {
        EXPECT_STREQ(e.what(), "/dev/zero: is not a regular file, not a state file");
    }
}
