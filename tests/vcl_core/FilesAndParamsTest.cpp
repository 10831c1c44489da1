#include "SysUtils.h"
#include "System.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(FileNames, PartsAndExtensionsWithEitherSeparator)
{
    EXPECT_EQ("C:\\m\\", ExtractFilePath("C:\\m\\help.chm"));
    EXPECT_EQ("help.chm", ExtractFileName("/opt/m\\help.chm"));
    EXPECT_EQ(".chm", ExtractFileExt("help.chm"));
    EXPECT_EQ("/a.b/c.txt", ChangeFileExt("/a.b/c", ".txt"));
    EXPECT_EQ("/a.b/c.txt", ChangeFileExt("/a.b/c.cfg", ".txt"));
    EXPECT_EQ("x", ChangeFileExt("x.cfg", ""));
    EXPECT_EQ("dir/", IncludeTrailingPathDelimiter("dir"));
    EXPECT_EQ("dir\\", IncludeTrailingPathDelimiter("dir\\"));
    EXPECT_EQ("/", IncludeTrailingPathDelimiter(""));
}

TEST(FileNames, ExistenceIgnoresCaseAndSeparators)
{
    char folder[] = "/tmp/vka-files-XXXXXX";
    ASSERT_NE(nullptr, ::mkdtemp(folder));
    const std::string base = folder;
    ::mkdir((base + "/errmsg").c_str(), 0755);
    std::ofstream(base + "/errmsg/snmp.err") << "x";
    EXPECT_TRUE(DirectoryExists((base + "\\errMSg\\").c_str()));
    EXPECT_TRUE(FileExists((base + "\\ErrMsg\\SNMP.err").c_str()));
    EXPECT_FALSE(FileExists((base + "/errmsg").c_str()));  // a folder is not a file
    EXPECT_FALSE(FileExists((base + "/errmsg/none.err").c_str()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_EQ(AnsiString((base + "/errmsg/snmp.err").c_str()),
              ExpandFileName((base + "/ERRMSG/snmp.err").c_str()));
    const AnsiString cwd = GetCurrentDir();
    EXPECT_EQ(cwd + "/relative.txt", ExpandFileName("relative.txt"));
    std::remove((base + "/errmsg/snmp.err").c_str());
    ::rmdir((base + "/errmsg").c_str());
    ::rmdir(folder);
}

TEST(ProgramArguments, ComeFromTheProcessOrFromTheEntry)
{
    EXPECT_GT(ParamStr(0).Pos("vcl_core_tests"), 0);  // the process's own, before any set
    const char* argv[] = {"/opt/vka/VKA7410Module", "/I10.0.0.1", "/Rpublic"};
    SetParams(3, argv);
    EXPECT_EQ(2, ParamCount());
    EXPECT_EQ("/I10.0.0.1", ParamStr(1));
    EXPECT_EQ("/Rpublic", ParamStr(2));
    EXPECT_EQ("", ParamStr(3));
    EXPECT_EQ("", ParamStr(-1));
    SetParams(1, argv);
    EXPECT_EQ(0, ParamCount());
}
