// The module folder and the profile folder from the host's registry keys.
#include "TempFolder.h"
#include "HostFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const char* const Oid = "1.3.6.1.4.1.32473.10.37.37";

class HostFoldersTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("VKA7410_REGISTRY", (folder / "registry.reg").c_str(), 1); }
    void TearDown() override { unsetenv("VKA7410_REGISTRY"); }
    void Write(const std::string& body) { folder.Write("registry.reg", "REGEDIT4\n\n" + body); }
    std::string Read() const { return folder.Read("registry.reg"); }

    vka_test::TempFolder folder{"vka-hostfolders"};
};

}  // namespace

TEST_F(HostFoldersTest, ModuleFolderIsTheHelpPathLessItsLastTwelveCharacters)
{
    Write("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\Modules\\HelpPath]\n"
          "\"1.3.6.1.4.1.32473.10.37.37\"=\"C:\\\\NVane\\\\Modules\\\\VKA-7410.hlp\"\n");
    EXPECT_EQ(ReadModuleFolder(Oid), "C:\\NVane\\Modules\\");
}

TEST_F(HostFoldersTest, ShortOrMissingHelpPathGivesNoFolderAndTheKeyIsCreated)
{
    Write("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\Modules\\HelpPath]\n"
          "\"1.3.6.1.4.1.32473.10.37.37\"=\"short.hlp\"\n");
    EXPECT_EQ(ReadModuleFolder(Oid), "");

    Write("");
    EXPECT_EQ(ReadModuleFolder(Oid), "");
    EXPECT_NE(Read().find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\Modules\\HelpPath]"), std::string::npos);
}

TEST_F(HostFoldersTest, ProfileFolderPrefersMibFileOverExePath)
{
    const std::string exePath = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\NVane5.1\\ExePath]\n"
                                "\"Path\"=\"C:\\\\NVane\\\\Bin\\\\\"\n";
    Write(exePath);
    EXPECT_EQ(ReadProfileFolder(), "C:\\NVane\\Bin\\..\\Conf\\MBF\\");

    Write(exePath + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\NVane5.1\\MibFile]\n\"Path\"=\"/srv/profiles/\"\n");
    EXPECT_EQ(ReadProfileFolder(), "/srv/profiles/");

    Write("");
    EXPECT_EQ(ReadProfileFolder(), "");
    // Reading the profile folder creates nothing.
    EXPECT_EQ(Read().find("NVane5.1"), std::string::npos);
}
