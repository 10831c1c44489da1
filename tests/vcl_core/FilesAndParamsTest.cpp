#include "SysUtils.h"
#include "System.h"
#include "TRegistry.h"
#include "TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

// The parts of a name are the platform's (tested there); these are the library's own.
TEST(FileNames, ExtensionsDelimitersAndExistenceIgnoringCase)
{
    EXPECT_EQ("/a.b/c.txt", ChangeFileExt("/a.b/c", ".txt"));
    EXPECT_EQ("/a.b/c.txt", ChangeFileExt("/a.b/c.cfg", ".txt"));
    EXPECT_EQ("x", ChangeFileExt("x.cfg", ""));
    EXPECT_EQ("dir\\", IncludeTrailingPathDelimiter("dir\\"));
    EXPECT_EQ("/", IncludeTrailingPathDelimiter(""));
    vka_test::TempFolder folder("vka-files");
    folder.MakeFolder("errmsg");
    folder.Write("errmsg/snmp.err", "x");
    const std::string base = folder.Path();
    EXPECT_TRUE(FileExists((base + "\\ErrMsg\\SNMP.err").c_str()));
    for (const std::string& absent : {base + "/errmsg", base + "/errmsg/none.err", std::string()})
        EXPECT_FALSE(FileExists(absent.c_str())) << absent;  // a folder is not a file
    EXPECT_EQ(AnsiString((base + "/errmsg/snmp.err").c_str()), ExpandFileName((base + "/ERRMSG/snmp.err").c_str()));
    EXPECT_EQ(GetCurrentDir() + "/relative.txt", ExpandFileName("relative.txt"));
}

TEST(ProgramArguments, ComeFromTheProcessOrFromTheEntry)
{
    EXPECT_GT(ParamStr(0).Pos("vcl_core_tests"), 0);  // the process's own, before any set
    const char* argv[] = {"/opt/vka/VKA7410Module", "/I10.0.0.1", "/Rpublic"};
    SetParams(3, argv);
    EXPECT_EQ(2, ParamCount());
    EXPECT_EQ("/Rpublic", ParamStr(2));
    for (int absent : {3, -1})
        EXPECT_EQ("", ParamStr(absent));
    SetParams(1, argv);
    EXPECT_EQ(0, ParamCount());
}

TEST(TRegistryClass, ReadsAndWritesTheRegistryFileUnderTheChosenRoot)
{
    vka_test::TempFolder folder("vka-treg");
    setenv("VKA7410_REGISTRY", (folder / "registry.reg").c_str(), 1);
    const char* key = "\\SOFTWARE\\Tavrix\\Modules\\HelpPath";
    {
        TRegistry registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(registry.OpenKey(key, true));
        registry.WriteString("1.3.6.1.4.1.32473.10.37.37", "/opt/tavrix/vka7410/help/vka.chm");
        EXPECT_THROW(registry.WriteString("bad", "line\nbreak"), ERegistryException);
    }
    TRegistry reader;
    reader.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reader.OpenKey("\\software\\tavrix\\modules\\helppath", false));
    EXPECT_EQ("/opt/tavrix/vka7410/help/vka.chm", reader.ReadString("1.3.6.1.4.1.32473.10.37.37"));
    EXPECT_FALSE(reader.ValueExists("bad"));
    TRegistry otherRoot;  // the default root is the current user's: nothing there
    EXPECT_FALSE(otherRoot.OpenKey(key, false));
    unsetenv("VKA7410_REGISTRY");
}
