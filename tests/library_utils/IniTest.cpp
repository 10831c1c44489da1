#include "KwIni.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class Profile : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = folder.Write("192.168.0.1.cfg",
                            "; host settings\r\n"
                            "[Other]\r\n"
                            "AgentPort=9999\r\n"
                            "[Program Information]\r\n"
                            "AgentPort=  161  \r\n"
                            "Version = 3\r\n"
                            "SecurityName=\"admin user\"\r\n"
                            "ContextName=\r\n"
                            "AuthPassword=" + std::string(5000, 'p') + "\r\n"
                            "PrivPassword=a=b\r\n");
    }
    vka_test::TempFolder folder;
    std::string path;
};

TEST_F(Profile, ReadsTrimmedValuesBySectionAndKey)
{
    KwIni ini(AnsiString(path.c_str()));
    struct Case {
        const char* section;
        const char* key;
        const char* def;
        const char* value;
    } cases[] = {
        {"Program Information", "AgentPort", "", "161"},
        {"program information", "agentport", "", "161"},
        {"Other", "AgentPort", "", "9999"},
        {"Program Information", "Version", "0", "3"},
        {"Program Information", "SecurityName", "", "admin user"},
        {"Program Information", "PrivPassword", "", "a=b"},
        {"Program Information", "Missing", "", ""},
        {"Program Information", "Missing", "  dflt  ", "dflt"},
        {"Program Information", "ContextName", "ctx", "ctx"},  // empty value: the default
        {"Missing Section", "AgentPort", "161", "161"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.ReadString(c.section, c.key, c.def), c.value);
    }
    EXPECT_EQ(ini.ReadString("Program Information", "AuthPassword", "").Length(), 4095);
    EXPECT_EQ(ini.FileName, AnsiString(path.c_str()));
}

TEST_F(Profile, MissingFileGivesTheDefault)
{
    KwIni ini(AnsiString((folder.Path() + "/none.cfg").c_str()));
    EXPECT_EQ(ini.ReadString("Program Information", "AgentPort", "161"), "161");
    EXPECT_EQ(ini.ReadString("Program Information", "AgentPort", " x "), "x");
    EXPECT_EQ(ini.ReadString("Program Information", "AgentPort", "  "), "  ");
}

TEST_F(Profile, HostPathsWithBackslashesAndOtherCase)
{
    ASSERT_EQ(::mkdir((folder.Path() + "/Conf").c_str(), 0700), 0);
    folder.Write("Conf/Device.CFG", "[Program Information]\nVersion=1\n");
    KwIni ini(AnsiString(folder.Path()) + "\\conf\\device.cfg");
    EXPECT_EQ(ini.ReadString("Program Information", "Version", "0"), "1");
}

TEST(JoinPath, OnlyBackslashSeparates)
{
    EXPECT_EQ(JoinPath("", "f"), "f");
    EXPECT_EQ(JoinPath("D:\\m", "f"), "D:\\m\\f");
    EXPECT_EQ(JoinPath("D:\\m\\", "f"), "D:\\m\\f");
    EXPECT_EQ(JoinPath("D:/m/", "f"), "D:/m/\\f");
}

}  // namespace
