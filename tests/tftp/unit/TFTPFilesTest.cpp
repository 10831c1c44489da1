#include "KwTFTPFiles.h"
#include "TftpTestFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(TFTPUploadFile, TargetChangesOnlyOnCommit)
{
    TempFolder folder;
    WriteFileBytes(folder / "cfg.dcf", "earlier");
    KwTFTPUploadFile upload;
    ASSERT_TRUE(upload.Create(folder / "cfg.dcf"));
    ASSERT_TRUE(upload.Write("newer", 5));
    EXPECT_EQ(ReadFileBytes(folder / "cfg.dcf"), "earlier");
    ASSERT_TRUE(upload.Commit());
    EXPECT_EQ(ReadFileBytes(folder / "cfg.dcf"), "newer");
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"cfg.dcf"});
}

TEST(TFTPUploadFile, DiscardOrDestructionKeepsTheEarlierFile)
{
    TempFolder folder;
    WriteFileBytes(folder / "cfg.dcf", "earlier");
    {
        KwTFTPUploadFile upload;
        ASSERT_TRUE(upload.Create(folder / "cfg.dcf"));
        ASSERT_TRUE(upload.Write("half", 4));
    }
    KwTFTPUploadFile second;
    ASSERT_TRUE(second.Create(folder / "new.bin"));
    second.Discard();
    EXPECT_EQ(ReadFileBytes(folder / "cfg.dcf"), "earlier");
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"cfg.dcf"});
}

TEST(TFTPUploadFile, CommitOverAFolderFailsAndLeavesNothing)
{
    TempFolder folder;
    ASSERT_EQ(::mkdir((folder / "sub").c_str(), 0755), 0);
    WriteFileBytes(folder / "sub/keep", "x");
    KwTFTPUploadFile upload;
    ASSERT_TRUE(upload.Create(folder / "sub"));
    ASSERT_TRUE(upload.Write("data", 4));
    EXPECT_FALSE(upload.Commit());
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"sub"});
    EXPECT_EQ(ReadFileBytes(folder / "sub/keep"), "x");
}

TEST(TFTPUploadFile, MissingFolderIsRefused)
{
    TempFolder folder;
    KwTFTPUploadFile upload;
    EXPECT_FALSE(upload.Create(folder / "missing/x.bin"));
    EXPECT_FALSE(upload.Write("x", 1));
    EXPECT_FALSE(upload.Commit());
}

TEST(TFTPSourceFile, ReadsBlocksAndRefusesFoldersAndMissingFiles)
{
    TempFolder folder;
    WriteFileBytes(folder / "a.bin", PatternBytes(700));
    KwTFTPSourceFile source;
    ASSERT_TRUE(source.Open(folder / "a.bin"));
    char block[512];
    EXPECT_EQ(source.Read(block, 512), 512);
    EXPECT_EQ(source.Read(block, 512), 188);
    EXPECT_EQ(source.Read(block, 512), 0);
    EXPECT_FALSE(source.Open(folder.Path()));
    EXPECT_FALSE(source.Open(folder / "none"));
    EXPECT_EQ(source.Read(block, 512), -1);
}

TEST(TFTPSourceFile, RefusesAPipeWithoutWaitingForAWriter)
{
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    KwTFTPSourceFile source;
    EXPECT_FALSE(source.Open(folder / "pipe"));
}

TEST(TFTPSourceFile, RefusesALinkLeadingOutOfTheFolder)
{
    TempFolder outside, folder;
    WriteFileBytes(outside / "secret", "outside");
    ASSERT_EQ(::symlink((outside / "secret").c_str(), (folder / "link").c_str()), 0);
    KwTFTPSourceFile source;
    EXPECT_FALSE(source.Open(folder / "link"));
}
