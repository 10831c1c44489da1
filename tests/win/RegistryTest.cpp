#include "Registry.h"
#include "RegistryFile.h"
#include "TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const HelpPathKey = "\\SOFTWARE\\Tavrix\\Modules\\HelpPath";
const char* const OidName = "1.3.6.1.4.1.32473.10.37.37";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { UseFile(folder / "registry.reg"); }
    void TearDown() override { unsetenv("VKA7410_REGISTRY"); }
    void UseFile(const std::string& path) { setenv("VKA7410_REGISTRY", path.c_str(), 1); }

    vka_test::TempFolder folder;
};

TEST_F(RegistryTest, CreatedKeyAndValueRoundTripThroughTheFile)
{
    const std::string value = "C:\\Tavrix\\Modules\\say \"hi\"\\help.chm";
    {
        Registry registry(HKEY_LOCAL_MACHINE);
        EXPECT_FALSE(registry.OpenKey(HelpPathKey, false));
        ASSERT_TRUE(registry.OpenKey(HelpPathKey, true)) << registry.LastError();
        EXPECT_EQ("", registry.ReadString(OidName));
        ASSERT_TRUE(registry.WriteString(OidName, value)) << registry.LastError();
        ASSERT_TRUE(registry.WriteString("", "default text"));
    }
    const std::string text = folder.Read("registry.reg");
    EXPECT_EQ(0u, text.find("REGEDIT4\n"));
    EXPECT_NE(std::string::npos, text.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\Modules\\HelpPath]\n"));
    EXPECT_NE(std::string::npos,
              text.find("\"1.3.6.1.4.1.32473.10.37.37\"=\"C:\\\\Tavrix\\\\Modules\\\\say \\\"hi\\\"\\\\help.chm\"\n"));
    EXPECT_NE(std::string::npos, text.find("@=\"default text\"\n"));

    Registry again;
    ASSERT_TRUE(again.OpenKey(HelpPathKey, false));
    EXPECT_EQ(value, again.ReadString(OidName));
    EXPECT_EQ("default text", again.ReadString(""));
    // Rewriting replaces the value in place rather than adding a second line.
    ASSERT_TRUE(again.WriteString(OidName, "x"));
    const std::string rewritten = folder.Read("registry.reg");
    EXPECT_EQ(rewritten.find(OidName), rewritten.rfind(OidName));
}

TEST_F(RegistryTest, NamesIgnoreCaseAndSeparatorsAreForgiving)
{
    folder.Write("registry.reg",
                 "REGEDIT4\r\n\r\n"
                 "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\NVane5.1\\ExePath]\r\n"
                 "\"Path\"=\"/opt/nvane/bin/\"\r\n");
    Registry registry;
    ASSERT_TRUE(registry.OpenKey("\\software\\TAVRIX\\nvane5.1\\exepath\\", false));
    EXPECT_EQ("/opt/nvane/bin/", registry.ReadString("PATH"));
    EXPECT_TRUE(registry.ValueExists("path"));
    EXPECT_FALSE(registry.ValueExists("other"));
    EXPECT_TRUE(registry.OpenKey("SOFTWARE//Tavrix", false));  // a parent exists implicitly
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Tavrix\\NVane5.1\\MibFile", false));
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Tav", false));  // not a prefix match
}

TEST_F(RegistryTest, OtherValueTypesAndCommentsSurviveAWrite)
{
    const std::string original =
        "REGEDIT4\n\n"
        "; written by the host\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\NVane5.1\\MibFile]\n"
        "\"Count\"=dword:00000010\n"
        "\"Blob\"=hex:01,02,\\\n"
        "  03,04\n"
        "\"Path\"=\"/mib/\"\n";
    folder.Write("registry.reg", original);
    Registry registry;
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Tavrix\\NVane5.1\\MibFile", false));
    EXPECT_EQ("", registry.ReadString("Count"));  // not a string value
    EXPECT_FALSE(registry.ValueExists("Blob"));
    ASSERT_TRUE(registry.WriteString("Path", "/mib2/"));
    const std::string text = folder.Read("registry.reg");
    EXPECT_NE(std::string::npos, text.find("; written by the host\n"));
    EXPECT_NE(std::string::npos, text.find("\"Count\"=dword:00000010\n"));
    EXPECT_NE(std::string::npos, text.find("\"Blob\"=hex:01,02,\\\n  03,04\n"));
    EXPECT_NE(std::string::npos, text.find("\"Path\"=\"/mib2/\"\n"));
}

TEST_F(RegistryTest, OnlyValueLinesContinueOnTheNextLine)
{
    folder.Write("registry.reg",
                 "REGEDIT4\n"
                 "; installed under C:\\Tavrix\\\n"
                 "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\Modules\\HelpPath]\n"
                 "; the folder, with its separator\\\n"
                 "\"Path\"=\"C:\\\\Help\"\n");
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(HelpPathKey, false));
    EXPECT_EQ("C:\\Help", registry.ReadString("Path"));
}

TEST_F(RegistryTest, MalformedFileFindsNothingAndIsNeverOverwritten)
{
    const std::string junk = "this is not a registry\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n\"a\"=\"b\"\n";
    folder.Write("registry.reg", junk);
    Registry registry;
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE", false));
    EXPECT_NE(std::string::npos, registry.LastError().find("REGEDIT4"));
    EXPECT_FALSE(registry.OpenKey(HelpPathKey, true));
    EXPECT_EQ(junk, folder.Read("registry.reg"));

    // Broken lines inside a good file are skipped, not fatal.
    folder.Write("registry.reg",
                 "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\K]\n\"unterminated=\"x\n"
                 "\"v\"=\"ok\"\n\"w\"=\"no end\n[broken\n\"\"=\n");
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\K", false));
    EXPECT_EQ("ok", registry.ReadString("v"));
    EXPECT_FALSE(registry.ValueExists("w"));
}

TEST_F(RegistryTest, AnAbsentFileIsEmptyAndCreatingMakesItsFolderWherePossible)
{
    UseFile(folder / "deeper/still/registry.reg");
    Registry registry;
    EXPECT_FALSE(registry.KeyExists(HelpPathKey));
    ASSERT_TRUE(registry.OpenKey(HelpPathKey, true)) << registry.LastError();
    EXPECT_NE(std::string::npos, folder.Read("deeper/still/registry.reg").find("HelpPath]"));
    // A path below a plain file cannot be created, whoever runs the test.
    folder.Write("plain", "x");
    UseFile(folder / "plain/registry.reg");
    Registry refused;
    EXPECT_FALSE(refused.OpenKey(HelpPathKey, true));
    EXPECT_FALSE(refused.LastError().empty());
}

// What a read-only registry folder allows; "" when all holds, else the step that failed.
std::string ReadOnlyFolderChecks()
{
    Registry registry;
    if (!registry.OpenKey(HelpPathKey, true))  // exists: nothing to write
        return "opening the existing key for writing failed";
    if (registry.ReadString("a") != "1")
        return "the value was not read";
    if (registry.WriteString("a", "2"))
        return "a write was reported as done";
    if (registry.OpenKey("\\SOFTWARE\\New", true))
        return "a new key was reported as created";
    Registry reader;
    if (!reader.OpenKey(HelpPathKey, false) || reader.ReadString("a") != "1")
        return "the value was lost";
    return "";
}

// Runs `checks` as the unprivileged user "nobody" when the test runs as the superuser,
// whom permissions do not bind.
std::string AsUnprivilegedUser(std::string (*checks)())
{
    if (::geteuid() != 0)
        return checks();
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string failure = ::setgid(65534) == 0 && ::setuid(65534) == 0 ? checks() : "cannot become nobody";
        (void)!::write(channel[1], failure.data(), failure.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string failure;
    char buffer[256];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        failure.append(buffer, size_t(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return "the unprivileged check did not finish";
    return failure;
}

TEST_F(RegistryTest, ReadOnlyFolderRefusesWritesAndKeepsReading)
{
    folder.MakeFolder("locked");
    folder.Write("locked/registry.reg",
                 "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\Modules\\HelpPath]\n\"a\"=\"1\"\n");
    ::chmod(folder.Path().c_str(), 0755);
    ::chmod((folder / "locked").c_str(), 0555);
    UseFile(folder / "locked/registry.reg");
    EXPECT_EQ("", AsUnprivilegedUser(ReadOnlyFolderChecks));
}

}  // namespace

// Whatever the file held, a written value reads back and every other value stays as
// it was: a value cut off after its '\' must not take in what is written after it.
TEST_F(RegistryTest, WriteAfterACutOffValueReadsBackAndChangesNothingElse)
{
    const std::string key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\Cut";
    const std::string files[] = {
        "REGEDIT4\n[" + key + "]\n\"Keep\"=\"k\"\n\"Blob\"=hex:01,02,\\",
        "REGEDIT4\n[" + key + "]\n\"Keep\"=\"k\"\n\"Blob\"=hex:01,02,\\\n[HKEY_LOCAL_MACHINE\\Next]\n\"N\"=\"n\"\n",
        "REGEDIT4\n[" + key + "]\n\"Blob\"=hex(2):41,\\   \n\"Keep\"=\"k\"\n",
        "REGEDIT4\n; trailing separator C:\\",  // a comment never continues
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Other]\n\"Blob\"=hex:01,02,\\",
    };
    for (const std::string& original : files) {
        SCOPED_TRACE(original);
        folder.Write("registry.reg", original);
        RegistryFile before(folder / "registry.reg");
        ASSERT_TRUE(before.Load());
        std::string keep, next;
        const bool hadKeep = before.ReadString(key, "Keep", keep);
        const bool hadNext = before.ReadString("HKEY_LOCAL_MACHINE\\Next", "N", next);
        for (const char* value : {"first", "second"}) {
            RegistryFile file(folder / "registry.reg");
            ASSERT_TRUE(file.Load());
            ASSERT_TRUE(file.SetString(key, "Fresh", value));
            ASSERT_TRUE(file.Save());
            RegistryFile after(folder / "registry.reg");
            ASSERT_TRUE(after.Load());
            std::string text;
            ASSERT_TRUE(after.ReadString(key, "Fresh", text));
            EXPECT_EQ(value, text);
            EXPECT_EQ(hadKeep, after.ReadString(key, "Keep", text));
            if (hadKeep) {
                EXPECT_EQ(keep, text);
            }
            EXPECT_EQ(hadNext, after.ReadString("HKEY_LOCAL_MACHINE\\Next", "N", text));
            if (hadNext) {
                EXPECT_EQ(next, text);
            }
        }
        // Written once, however often: no duplicates pile up.
        const std::string saved = folder.Read("registry.reg");
        EXPECT_EQ(saved.find("\"Fresh\""), saved.rfind("\"Fresh\""));
    }
}

TEST_F(RegistryTest, KeyWithALineBreakIsRefused)
{
    Registry registry;
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Bad\n[HKEY_LOCAL_MACHINE\\Forged]", true));
    RegistryFile file(folder / "registry.reg");
    ASSERT_TRUE(file.Load());
    EXPECT_FALSE(file.KeyExists("HKEY_LOCAL_MACHINE\\Forged"));
    EXPECT_FALSE(file.SetString("HKEY_LOCAL_MACHINE\\A\rB", "n", "v"));
}
