#include "KwErrors.h"
#include "KwSNMPError.h"
#include "SysUtils.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TEST(StatusTranslation, EveryRangeAndItsEdges)
{
    struct Case {
        int status;
        int code;
        const char* text;
    } cases[] = {
        {0, 0, "(KwSNMP++) Ok!"},
        {-1401, 0, "(KwSNMP++) Ok!"},
        {1400, 0, "(KwSNMP++) Ok!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {1415, -528, "(KwSNMP++) Unknown error code!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {-1419, -528, "(KwSNMP++) Unknown error code!"},
        {-1400, -528, "(KwSNMP++) Unknown error code!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {19, -528, "(KwSNMP++) Unknown error code!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-9, -409, "(SNMPClass)Unknown error code!"},
        {-20, -420, "(SNMP Class) Transport is not supported!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {-24, -528, "(KwSNMP++) Unknown error code!"},
        {2147483647, -528, "(KwSNMP++) Unknown error code!"},
        {-2147483647 - 1, -528, "(KwSNMP++) Unknown error code!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        int code = 99;
        AnsiString message;
        TranslateSNMPStatus(c.status, code, message);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(message, c.text);
        EXPECT_EQ(SNMPStatusToCode(c.status), c.code);
        EXPECT_EQ(KwErrorText(c.code), c.text);
    }
}

TEST(StatusTranslation, TextsOutsideTheTablesAreEmptyOrUnknown)
{
    EXPECT_EQ(KwErrorText(-1105), "(KwSNMP++) Unknown error code!");
    EXPECT_EQ(KwSNMPErrorTexts[29], "");
    EXPECT_EQ(KwSNMPErrorTexts[-1], "");
    EXPECT_EQ(KwErrorText(KWCERR_LIST_RANGE),
              "(KwCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,each number is between [MIN] and [MAX]!");
    EXPECT_EQ(KwErrorText(KWERR_CREATE_SESSION), "(KwSNMP++) Cannot create the global KwSNMP++ session!");
}

TEST(LibraryException, CarriesTextAndCode)
{
    try {
        RaiseKwError(KWERR_EXPR_NULL);
        FAIL() << "nothing raised";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "(KwSNMP++) Null value in the expression!");
        EXPECT_EQ(e.HelpContext, -512);
    }
    try {
        RaiseKwError(KWCERR_LEN, "(KwCommon) Please enter a string whose length is 8!");
        FAIL() << "nothing raised";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "(KwCommon) Please enter a string whose length is 8!");
        EXPECT_EQ(e.HelpContext, -5);
    }
}

TEST(ResultRecord, StartsAllZero)
{
    KwSNMPError record;
    EXPECT_EQ(record.Code, 0);
    EXPECT_EQ(record.ErrorIndex, 0);
    EXPECT_TRUE(record.Message.IsEmpty());
    EXPECT_TRUE(record.Agent.IsEmpty());
    EXPECT_EQ(record.AgentPort, 0);
    EXPECT_FALSE(record.Last);
    EXPECT_EQ(record.ErrorCount, 0);
}

// Each test loads into a table of its own and restores it afterwards.
class MessageFile : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (KwMessageTable* table : {&SNMPErrorTexts, &SNMPv3ErrorTexts, &USMErrorTexts, &SNMPClassErrorTexts,
                                      &KwSNMPErrorTexts, &KwCommonErrorTexts, &StatusLineFormats})
            table->Restore();
    }
    vka_test::TempFolder folder;
};

// Non-blank lines replace the entries in order, whatever blank lines lie between;
// blanks inside a line and its bytes stay, the line end goes; long lines stay one entry.
TEST_F(MessageFile, NonBlankLinesReplaceEntriesInOrder)
{
    const std::string longLine(3000, 'x');
    std::string twenty;
    for (int i = 0; i < 20; ++i)
        twenty += "text " + std::to_string(i) + " \xE9\n";
    const struct {
        std::string File;
        int Index;
        std::string Entry;
    } cases[] = {
        {"\n  \nGet [ERROR]\r\n\r\n\t\n  Set [ERROR]  \n", 0, "Get [ERROR]"},
        {"\n  \nGet [ERROR]\r\n\r\n\t\n  Set [ERROR]  \n", 1, "  Set [ERROR]  "},
        {"one\n\ntwo\n   \nthree", 2, "three"},
        {longLine + "\nsecond\n", 0, longLine},
        {longLine + "\nsecond\n", 1, "second"},
        {twenty, 19, "text 19 \xE9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Entry.substr(0, 20));
        ASSERT_TRUE(LoadTextLines(SNMPErrorTexts, AnsiString(folder.Write("snmp.err", c.File))));
        EXPECT_EQ(SNMPErrorTexts[c.Index].ToStdString(), c.Entry);
        if (c.Index < 18) {
            EXPECT_EQ(KwErrorText(-101 - c.Index).ToStdString(), c.Entry);
        }
    }
}

TEST_F(MessageFile, ShorterFileKeepsBuiltInTextsForTheRest)
{
    LoadTextLines(SNMPClassErrorTexts, AnsiString(folder.Write("snmpclass.err", "Failed.\nNo resources.\n")));
    int code = 0;
    AnsiString message;
    TranslateSNMPStatus(-2, code, message);
    EXPECT_EQ(message, "No resources.");
    TranslateSNMPStatus(-5, code, message);
    EXPECT_EQ(code, -405);
    EXPECT_EQ(message, "(SNMPClass) SNMP request timed out!");
}

TEST_F(MessageFile, UnreadableOrBlankFileChangesNothing)
{
    LoadTextLines(USMErrorTexts, AnsiString(folder.Write("first.err", "Custom\n")));
    EXPECT_FALSE(LoadTextLines(USMErrorTexts, AnsiString(folder.Path() + "/missing.err")));
    EXPECT_FALSE(LoadTextLines(USMErrorTexts, AnsiString(folder.Write("blank.err", " \r\n\t\n\n"))));
    EXPECT_FALSE(LoadTextLines(USMErrorTexts, AnsiString(folder.Write("empty.err", ""))));
    EXPECT_FALSE(LoadTextLines(USMErrorTexts, AnsiString(folder.Path())));  // a folder
    EXPECT_EQ(USMErrorTexts[0], "Custom");
    EXPECT_EQ(USMErrorTexts[1], "(SNMPv3USM) Configfile write error!");
}

TEST_F(MessageFile, HostPathWithBackslashesAndOtherCase)
{
    std::string sub = folder.Path() + "/errmsg";
    ASSERT_EQ(::mkdir(sub.c_str(), 0700), 0);
    folder.Write("errmsg/snmp.msg", "Get from host\n");
    AnsiString hostPath = AnsiString(folder.Path()) + "\\errMSg\\snmp.msg";
    EXPECT_TRUE(LoadTextLines(StatusLineFormats, hostPath));
    EXPECT_EQ(StatusLineFormats[0], "Get from host");
}

TEST_F(MessageFile, FolderOfSevenFiles)
{
    std::string sub = folder.Path() + "/ErrMsg";
    ASSERT_EQ(::mkdir(sub.c_str(), 0700), 0);
    const char* names[] = {"common.err", "snmp.err", "snmpv3.err", "snmpusm.err",
                           "snmpclass.err", "kwsnmp.err"};
    for (const char* name : names)
        folder.Write(std::string("ErrMsg/") + name, std::string("first of ") + name + "\n");
    // snmp.msg is missing: the status lines keep their texts.
    EXPECT_EQ(LoadMessageFiles(AnsiString(folder.Path()) + "\\errmsg\\"), 6);
    EXPECT_EQ(KwErrorText(-1), "(KwCommon) Bad logic operand!");  // entry 1 untouched
    EXPECT_EQ(KwCommonErrorTexts[0], "first of common.err");
    EXPECT_EQ(KwErrorText(-101), "first of snmp.err");
    EXPECT_EQ(KwErrorText(-201), "first of snmpv3.err");
    EXPECT_EQ(KwErrorText(-301), "first of snmpusm.err");
    EXPECT_EQ(KwErrorText(-401), "first of snmpclass.err");
    EXPECT_EQ(KwErrorText(0), "first of kwsnmp.err");
    EXPECT_EQ(KwErrorText(-501), "(KwSNMP++) Fail to read SNMP variables from file([FILENAME])!");
    EXPECT_EQ(StatusLineFormats[0], "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].");
    EXPECT_EQ(LoadMessageFiles(AnsiString(folder.Path() + "/none/")), 0);
}

}  // namespace
