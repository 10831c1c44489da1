// How the device judges its TFTP client's run and which servers it may reach.
#include <gtest/gtest.h>

#include "TftpClient.h"

using namespace devsim;

TEST(DevsimTftpClient, TftpHpaIsJudgedByItsOutputNotItsExitStatus)
{
    std::string reason;
    EXPECT_TRUE(tftpSucceeded(TftpProgram::TftpHpa, 0,
                              "mode set to octet\ngetting from 127.0.0.1:a.bin to x [octet]\n"
                              "Received 70000 bytes in 0.0 seconds [16115115 bit/s]\n",
                              reason));
    EXPECT_TRUE(tftpSucceeded(TftpProgram::TftpHpa, 0, "putting x to 127.0.0.1:b [octet]\nSent 6 bytes in 0.0 seconds\n",
                              reason));
    // tftp-hpa exits with 0 when the server refused the file.
    EXPECT_FALSE(tftpSucceeded(TftpProgram::TftpHpa, 0,
                               "getting from 127.0.0.1:missing.bin to x [octet]\nError code 1: File not found\n", reason));
    EXPECT_EQ(reason, "Error code 1: File not found");
    EXPECT_FALSE(tftpSucceeded(TftpProgram::TftpHpa, 69, "getting from 127.0.0.1:a to x [octet]\nTransfer timed out.\n\n",
                               reason));
    EXPECT_EQ(reason, "Transfer timed out.");
    EXPECT_FALSE(tftpSucceeded(TftpProgram::TftpHpa, 0, "", reason)) << "no transfer line, no transfer";
    EXPECT_EQ(reason, "the client ended with status 0");
}

TEST(DevsimTftpClient, AtftpIsJudgedByItsExitStatus)
{
    std::string reason;
    EXPECT_TRUE(tftpSucceeded(TftpProgram::Atftp, 0, "", reason));
    EXPECT_FALSE(tftpSucceeded(TftpProgram::Atftp, 255, "tftp: error received from server <File not found>\ntftp: aborting\n",
                               reason));
    EXPECT_EQ(reason, "tftp: aborting");
    EXPECT_FALSE(tftpSucceeded(TftpProgram::Atftp, -1, "", reason));
    EXPECT_EQ(reason, "the client was stopped");
}

TEST(DevsimTftpClient, OnlyLoopbackServersAreReached)
{
    std::string reason;
    EXPECT_TRUE(tftpServerAllowed("127.0.0.1", reason));
    EXPECT_TRUE(tftpServerAllowed("127.200.3.4", reason));
    EXPECT_FALSE(tftpServerAllowed("192.168.1.100", reason));
    EXPECT_NE(reason.find("127.0.0.0/8"), std::string::npos);
    EXPECT_FALSE(tftpServerAllowed("0.0.0.0", reason));
    EXPECT_FALSE(tftpServerAllowed("128.0.0.1", reason));
    EXPECT_FALSE(tftpServerAllowed("localhost", reason));
    EXPECT_NE(reason.find("not an IPv4 address"), std::string::npos);
}
