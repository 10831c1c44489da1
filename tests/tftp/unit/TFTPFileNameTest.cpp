#include "KwTFTPFileName.h"

#include <gtest/gtest.h>

TEST(TFTPFileName, OnlyPlainNamesInsideTheFolderAreAccepted)
{
    for (const char* name : {"config.dcf", "LogFile.RD", "fw-1.2.bin", ".hidden", "a b", "ab:c", "v1..2", "..x", "x.."})
        EXPECT_TRUE(KwTFTPIsPlainFileName(name)) << name;
    for (const char* name : {"", ".", "..", "../secret", "..\\secret", "a/../b", "/etc/passwd",
                             "\\windows\\win.ini", "sub/file", "sub\\file", "C:", "c:file",
                             "D:\\x\\y", "name/", "a\\b"})
        EXPECT_FALSE(KwTFTPIsPlainFileName(name)) << name;
}

// A "\" in a folder's name is part of that name, never a separator.
TEST(TFTPFileName, FoldersAreSeparatedBySlashAlone)
{
    EXPECT_EQ(KwTFTPRootDirectory(""), AnsiString(""));
    EXPECT_EQ(KwTFTPRootDirectory("/srv/tftp"), AnsiString("/srv/tftp/"));
    EXPECT_EQ(KwTFTPRootDirectory("/srv/tftp/"), AnsiString("/srv/tftp/"));
    EXPECT_EQ(KwTFTPRootDirectory("/srv/a\\"), AnsiString("/srv/a\\/"));
    EXPECT_EQ(KwTFTPFilePath("/srv/a\\b", "x.bin"), "/srv/a\\b/x.bin");
    EXPECT_EQ(KwTFTPFilePath("/srv/tftp/", "a.bin"), "/srv/tftp/a.bin");
}
