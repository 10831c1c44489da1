#include "KwTFTPFiles.h"
#include "TftpTestFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// An upload reaches its target only on Commit: discarded, destroyed half-written or
// committed over a folder, it leaves the earlier file and no temporary behind.
TEST(TFTPUploadFile, TargetChangesOnlyOnCommit)
{
    TempFolder folder;
    WriteFileBytes(folder / "cfg.dcf", "earlier");
    ASSERT_EQ(::mkdir((folder / "sub").c_str(), 0755), 0);
    {
        KwTFTPUploadFile half;
        ASSERT_TRUE(half.Create(folder / "cfg.dcf"));
        ASSERT_TRUE(half.Write("half", 4));
    }
    KwTFTPUploadFile discarded, overFolder, missing, upload;
    ASSERT_TRUE(discarded.Create(folder / "new.bin"));
    discarded.Discard();
    ASSERT_TRUE(overFolder.Create(folder / "sub"));
    ASSERT_TRUE(overFolder.Write("data", 4));
    EXPECT_FALSE(overFolder.Commit());
    EXPECT_FALSE(missing.Create(folder / "missing/x.bin"));
    EXPECT_FALSE(missing.Write("x", 1));
    EXPECT_FALSE(missing.Commit());
    EXPECT_EQ(FolderNames(folder), (std::vector<std::string>{"cfg.dcf", "sub"}));

    ASSERT_TRUE(upload.Create(folder / "cfg.dcf"));
    ASSERT_TRUE(upload.Write("newer", 5));
    EXPECT_EQ(ReadFileBytes(folder / "cfg.dcf"), "earlier");
    ASSERT_TRUE(upload.Commit());
    EXPECT_EQ(ReadFileBytes(folder / "cfg.dcf"), "newer");
    EXPECT_EQ(FolderNames(folder), (std::vector<std::string>{"cfg.dcf", "sub"}));
}

// Only regular files inside the folder are read: no folder, missing file, pipe (which
// would wait for a writer) or link leading out of the folder.
TEST(TFTPSourceFile, ReadsBlocksOfRegularFilesOnly)
{
    TempFolder outside, folder;
    WriteFileBytes(folder / "a.bin", PatternBytes(700));
    WriteFileBytes(outside / "secret", "outside");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    ASSERT_EQ(::symlink((outside / "secret").c_str(), (folder / "link").c_str()), 0);
    KwTFTPSourceFile source;
    ASSERT_TRUE(source.Open(folder / "a.bin"));
    char block[512];
    EXPECT_EQ(source.Read(block, 512), 512);
    EXPECT_EQ(source.Read(block, 512), 188);
    EXPECT_EQ(source.Read(block, 512), 0);
    for (const std::string& refused : {folder.Path(), folder / "none", folder / "pipe", folder / "link"}) {
        EXPECT_FALSE(source.Open(refused)) << refused;
        EXPECT_EQ(source.Read(block, 512), -1) << refused;
    }
}
