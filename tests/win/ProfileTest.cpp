#include "Profile.h"
#include "TempFolder.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    std::string Read(const std::string& section, const std::string& key,
                     const char* defaultValue = "", DWORD size = 4096)
    {
        std::vector<char> buffer(size + 1, '#');
        DWORD count = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue,
                                               buffer.data(), size, file.c_str());
        lastCount = count;
        EXPECT_EQ('#', buffer[size]) << "wrote past the buffer";
        if (size > 0) {
            EXPECT_EQ('\0', buffer[count]);
            EXPECT_EQ(std::strlen(buffer.data()), count);
        }
        return std::string(buffer.data(), count);
    }

    vka_test::TempFolder folder;
    std::string file = folder / "10.0.0.1.cfg";
    DWORD lastCount = 0;
};

TEST_F(ProfileTest, FindsKeysIgnoringCaseAndTrimsValues)
{
    folder.Write("10.0.0.1.cfg",
                 "[Program Information]\r\n"
                 "AgentPort =  161  \r\n"
                 "Version=3\r\n"
                 "SecurityName=\"  admin user \"\r\n"
                 "AuthPassword='secret'\r\n"
                 "ContextName=\"unbalanced\r\n"
                 "Empty=\r\n");
    EXPECT_EQ("161", Read("program information", "AGENTPORT"));
    EXPECT_EQ(3u, lastCount);
    EXPECT_EQ("3", Read("  Program Information ", "version"));
    EXPECT_EQ("  admin user ", Read("Program Information", "SecurityName"));  // quotes kept it
    EXPECT_EQ("secret", Read("Program Information", "AuthPassword"));
    EXPECT_EQ("\"unbalanced", Read("Program Information", "ContextName"));
    EXPECT_EQ("", Read("Program Information", "Empty", "dflt"));
    EXPECT_EQ(0u, lastCount);
}

TEST_F(ProfileTest, FirstMatchWinsAndCommentsDoNotCount)
{
    folder.Write("10.0.0.1.cfg",
                 "; AgentPort=1\n"
                 "[Other]\n"
                 "AgentPort=2\n"
                 "[Program Information]\n"
                 "  ;AgentPort=3\n"
                 "no equals sign here\n"
                 "AgentPort=4\n"
                 "agentport=5\n"
                 "[program information]\n"
                 "AgentPort=6\n"
                 "Version=1\n");
    EXPECT_EQ("4", Read("Program Information", "AgentPort"));
    EXPECT_EQ("1", Read("Program Information", "Version"));  // a later block of the section
    EXPECT_EQ("2", Read("other", "agentport"));
}

TEST_F(ProfileTest, MissesGiveTheDefault)
{
    folder.Write("10.0.0.1.cfg", "[Program Information]\nVersion=1\n");
    EXPECT_EQ("", Read("Program Information", "ContextName"));
    EXPECT_EQ("fallback", Read("Program Information", "ContextName", "fallback  "));
    EXPECT_EQ(8u, lastCount);
    EXPECT_EQ("", Read("Program Information", "ContextName", nullptr));
    EXPECT_EQ("d", Read("Missing Section", "Version", "d"));
    file = folder / "absent.cfg";
    EXPECT_EQ("d", Read("Program Information", "Version", "d"));
    EXPECT_EQ("d", ReadProfileString(file, "Program Information", "Version", "d"));
}

TEST_F(ProfileTest, LongValuesAreCutToTheBuffer)
{
    const std::string longValue(10000, 'v');
    folder.Write("10.0.0.1.cfg", "[S]\nK=" + longValue + "\nNext=ok\n");
    std::string value = Read("S", "K", "", 4096);
    EXPECT_EQ(4095u, lastCount);
    EXPECT_EQ(longValue.substr(0, 4095), value);
    EXPECT_EQ("ok", Read("S", "Next"));  // the long line did not disturb the next one
    EXPECT_EQ("vvv", Read("S", "K", "", 4));
    EXPECT_EQ("de", Read("S", "None", "default", 3));
    EXPECT_EQ(longValue, ReadProfileString(file, "s", "k", ""));
    char untouched = 'x';
    EXPECT_EQ(0u, GetPrivateProfileStringA("S", "K", "", &untouched, 0, file.c_str()));
    EXPECT_EQ('x', untouched);
}

TEST_F(ProfileTest, ListsSectionAndKeyNamesWhenAskedWithNulls)
{
    folder.Write("10.0.0.1.cfg", "[One]\nA=1\nb=2\n[Two]\n[one]\nA=3\nC=4\n");
    char buffer[64];
    DWORD count = GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, file.c_str());
    EXPECT_EQ(std::string("One\0Two\0", 8), std::string(buffer, count));
    EXPECT_EQ('\0', buffer[count]);
    count = GetPrivateProfileStringA("ONE", nullptr, "", buffer, sizeof buffer, file.c_str());
    EXPECT_EQ(std::string("A\0b\0C\0", 6), std::string(buffer, count));
    count = GetPrivateProfileStringA(nullptr, nullptr, "", buffer, 6, file.c_str());
    EXPECT_EQ(4u, count);  // cut: size - 2
    EXPECT_EQ('\0', buffer[4]);
    EXPECT_EQ('\0', buffer[5]);
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
    EXPECT_EQ("d", Read("S", "", "d"));
    // A folder in place of the file is a miss, not a crash.
    folder.MakeFolder("dir.cfg");
    file = folder / "dir.cfg";
    EXPECT_EQ("d", Read("S", "K", "d"));
    // Windows-style separators in the name are accepted.
    file = folder.Path() + "\\10.0.0.1.cfg";
    EXPECT_EQ("v", Read("S", "K"));
}

}  // namespace
