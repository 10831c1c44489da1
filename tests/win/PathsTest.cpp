#include "ExeName.h"
#include "Paths.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

TEST(Paths, JoiningAcceptsBothSeparators)
{
    EXPECT_EQ("f", JoinPaths("", "f"));
    EXPECT_EQ("D:/m/f", JoinPaths("D:\\m", "f"));
    EXPECT_EQ("D:/m/f", JoinPaths("D:\\m\\", "f"));
    EXPECT_EQ("/opt/m/errmsg/snmp.err", JoinPaths("/opt/m/", "\\errmsg\\snmp.err"));
    EXPECT_EQ("a/b/c", NormalizeSeparators("a\\\\b//c"));
    EXPECT_EQ("/x/", NormalizeSeparators("\\\\x\\"));
}

TEST(Paths, FileNameAndFolderParts)
{
    EXPECT_EQ("C:\\Tavrix\\Modules\\", ExtractFilePath("C:\\Tavrix\\Modules\\help.chm"));
    EXPECT_EQ("help.chm", ExtractFileName("C:\\Tavrix\\Modules\\help.chm"));
    EXPECT_EQ("/a\\b/", ExtractFilePath("/a\\b/c"));
    EXPECT_EQ("", ExtractFilePath("name"));
    EXPECT_EQ("name", ExtractFileName("name"));
    EXPECT_EQ("", ExtractFileName("dir/"));
    EXPECT_EQ(".cfg", ExtractFileExt("x\\10.0.0.1.cfg"));
    EXPECT_EQ("", ExtractFileExt("a.d/file"));
}

TEST(Paths, FoldersAreFoundWhateverTheCaseOfTheirNames)
{
    vka_test::TempFolder root;
    root.MakeFolder("module");
    root.MakeFolder("module/errmsg");
    root.Write("module/errmsg/snmp.err", "x");
    EXPECT_EQ(root / "module/errmsg/snmp.err", ResolvePath(root.Path() + "\\MODULE\\errMSg\\SNMP.ERR"));
    EXPECT_EQ(root / "module/errmsg/", ResolvePath(root.Path() + "/module/errMSg\\"));
    EXPECT_EQ(root / "module/errmsg", FindChildIgnoringCase(root / "module", "ErrMsg"));
    EXPECT_EQ("", FindChildIgnoringCase(root / "module", "missing"));
    EXPECT_EQ("", FindChildIgnoringCase(root / "absent", "x"));
    // A part that cannot be found stays as written, so opening fails the ordinary way.
    EXPECT_EQ(root / "module/errmsg/Missing.err", ResolvePath(root / "Module/ERRMSG/Missing.err"));
    EXPECT_EQ(root / "module/errmsg/../errmsg/snmp.err",
              ResolvePath(root / "module/errmsg/../ERRMSG/snmp.err"));
    // An exact match wins over other spellings.
    root.MakeFolder("module/ErrMsg");
    EXPECT_EQ(root / "module/ErrMsg", FindChildIgnoringCase(root / "module", "ErrMsg"));
}

TEST(Paths, ExeNameIsThisProgram)
{
    const std::string exe = ExeName();
    EXPECT_EQ(0u, ExtractFileName(exe).rfind("win_tests", 0)) << exe;
    EXPECT_EQ('/', exe.front());
    EXPECT_EQ(ExtractFilePath(exe), ExeFolder());
}
