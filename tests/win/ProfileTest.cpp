#include "Profile.h"
#include "TempFolder.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    // The value as GetPrivateProfileStringA gives it, checking that the count is the
    // string's length and that nothing was written past `size`.
    std::string Read(const char* section, const char* key, const char* defaultValue = "", DWORD size = 4096)
    {
        std::vector<char> buffer(size + 1, '#');
        DWORD count = GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), size, file.c_str());
        EXPECT_EQ('#', buffer[size]) << "wrote past the buffer";
        if (size > 0) {
            EXPECT_EQ('\0', buffer[count]);
            EXPECT_EQ(std::strlen(buffer.data()), count);
        }
        return std::string(buffer.data(), count);
    }

    vka_test::TempFolder folder;
    std::string file = folder / "10.0.0.1.cfg";
};

// What the library's profile reader leaves to this call: the first match wins, comments
// and later blocks of a section, quotes, and files that are not there.
TEST_F(ProfileTest, FirstMatchWinsAndMissesGiveTheDefault)
{
    folder.Write("10.0.0.1.cfg",
                 "; AgentPort=1\r\n"
                 "[Other]\r\nAgentPort=2\r\n"
                 "[Program Information]\r\n"
                 "  ;AgentPort=3\r\n"
                 "no equals sign here\r\n"
                 "AgentPort =  161  \r\n"
                 "agentport=5\r\n"
                 "SecurityName=\"  admin user \"\r\n"
                 "AuthPassword='secret'\r\n"
                 "ContextName=\"unbalanced\r\n"
                 "Empty=\r\n"
                 "[program information]\r\nVersion=1\r\n");
    const struct {
        const char* section;
        const char* key;
        const char* defaultValue;
        const char* expected;
    } cases[] = {
        {"  Program Information ", "version", "", "1"},  // a later block of the section
        {"Program Information", "SecurityName", "", "  admin user "},  // quotes keep the blanks
        {"Program Information", "AuthPassword", "", "secret"},
        {"Program Information", "ContextName", "", "\"unbalanced"},
        {"Program Information", "Empty", "dflt", ""},
        {"Program Information", "Missing", nullptr, ""},
        {"Program Information", "", "d", "d"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Read(c.section, c.key, c.defaultValue)) << c.section << "/" << c.key;
    for (const std::string& absent : {folder / "absent.cfg", folder.Path()}) {  // nor a folder
        file = absent;
        EXPECT_EQ("d", Read("Program Information", "Version", "d"));
    }
    EXPECT_EQ("d", ReadProfileString(folder / "absent.cfg", "Program Information", "Version", "d"));
    file = folder.Path() + "\\10.0.0.1.cfg";  // Windows-style separators in the name
    EXPECT_EQ("161", Read("Program Information", "AgentPort"));
}

TEST_F(ProfileTest, LongValuesAreCutToTheBuffer)
{
    const std::string longValue(10000, 'v');
    folder.Write("10.0.0.1.cfg", "[S]\nK=" + longValue + "\nNext=ok\n");
    EXPECT_EQ(longValue.substr(0, 4095), Read("S", "K", "", 4096));
    EXPECT_EQ("ok", Read("S", "Next"));  // the long line did not disturb the next one
    EXPECT_EQ("vvv", Read("S", "K", "", 4));
    EXPECT_EQ("de", Read("S", "None", "default", 3));
    EXPECT_EQ(longValue, ReadProfileString(file, "s", "k", ""));
    char untouched = 'x';
    EXPECT_EQ(0u, GetPrivateProfileStringA("S", "K", "", &untouched, 0, file.c_str()));
    EXPECT_EQ('x', untouched);
}

TEST_F(ProfileTest, OddFilesAreReadWithoutHarm)
{
    // Byte-order mark, NUL bytes, a section header without its bracket, binary noise.
    std::string bytes = "\xEF\xBB\xBF[S]\nK=v\n[Broken\nX=1\n";
    bytes += std::string("Y=a\0b\n", 6);
    bytes += "\xFF\xFE\x01\x02=\x03\n=novalue\n";
    folder.Write("10.0.0.1.cfg", bytes);
    EXPECT_EQ("v", Read("S", "K"));
    EXPECT_EQ("1", Read("Broken", "X"));  // an unclosed header still names its section
    EXPECT_EQ("a", Read("Broken", "Y"));  // the C string ends at the NUL
}

}  // namespace
