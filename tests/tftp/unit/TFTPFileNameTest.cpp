#include "KwTFTPFileName.h"

#include <gtest/gtest.h>

TEST(TFTPFileName, PlainNamesInsideTheFolderAreAccepted)
{
    for (const char* name : {"config.dcf", "LogFile.RD", "fw-1.2.bin", ".hidden", "a b", "ab:c"})
        EXPECT_TRUE(KwTFTPIsPlainFileName(name)) << name;
}

TEST(TFTPFileName, NamesReachingOutsideTheFolderAreRefused)
{
    for (const char* name : {"", ".", "..", "../secret", "..\\secret", "a/../b", "/etc/passwd",
                             "\\windows\\win.ini", "sub/file", "sub\\file", "C:", "c:file",
                             "D:\\x\\y", "a..b", "name/"})
        EXPECT_FALSE(KwTFTPIsPlainFileName(name)) << name;
}

TEST(TFTPFileName, RootGetsOneSeparatorUnlessItEndsInOne)
{
    EXPECT_EQ(KwTFTPRootDirectory(""), AnsiString(""));
    EXPECT_EQ(KwTFTPRootDirectory("D:\\x"), AnsiString("D:\\x\\"));
    EXPECT_EQ(KwTFTPRootDirectory("D:\\x\\"), AnsiString("D:\\x\\"));
    EXPECT_EQ(KwTFTPRootDirectory("D:\\x/"), AnsiString("D:\\x/"));
    EXPECT_EQ(KwTFTPRootDirectory("/srv/tftp"), AnsiString("/srv/tftp\\"));
}

TEST(TFTPFileName, PathOnDiskReadsBackslashesAsSlashes)
{
    EXPECT_EQ(KwTFTPFilePath("/srv/tftp\\", "a.bin"), "/srv/tftp/a.bin");
    EXPECT_EQ(KwTFTPFilePath("/srv\\tftp", "a.bin"), "/srv/tftp/a.bin");
    EXPECT_EQ(KwTFTPFilePath("/srv/tftp/", "a.bin"), "/srv/tftp/a.bin");
}
