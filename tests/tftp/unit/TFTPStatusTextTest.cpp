#include "KwTFTPMsg.h"

#include <gtest/gtest.h>

TEST(TFTPStatusText, EveryCodeHasItsText)
{
    EXPECT_EQ(TFTPStatusText(3), AnsiString("(KwTFTP) Success to transfer file."));
    EXPECT_EQ(TFTPStatusText(2), AnsiString("(KwTFTP) File is transferring..."));
    EXPECT_EQ(TFTPStatusText(1), AnsiString("(KwTFTP) A TFTP session is connected..."));
    EXPECT_EQ(TFTPStatusText(0), AnsiString("(KwTFTP) A TFTP session is disconnected..."));
    EXPECT_EQ(TFTPStatusText(-1101), AnsiString("(KwTFTP) Undefined error:"));
    EXPECT_EQ(TFTPStatusText(-1102), AnsiString("(KwTFTP) File not found!"));
    EXPECT_EQ(TFTPStatusText(-1103), AnsiString("(KwTFTP) Access violation!"));
    EXPECT_EQ(TFTPStatusText(-1104), AnsiString("(KwTFTP) Disk full!"));
    EXPECT_EQ(TFTPStatusText(-1105), AnsiString("(KwTFTP) Bad operation!"));
    EXPECT_EQ(TFTPStatusText(-1106), AnsiString("(KwTFTP) Unknown port!"));
    EXPECT_EQ(TFTPStatusText(-1107), AnsiString("(KwTFTP) File already exist!"));
    EXPECT_EQ(TFTPStatusText(-1108), AnsiString("(KwTFTP) No such user!"));
    EXPECT_EQ(TFTPStatusText(-1109),
              AnsiString("(KwTFTP) Fail to open socket!Please check if the network is ready."));
    EXPECT_EQ(TFTPStatusText(-1110), AnsiString("(KwTFTP) Fail to send or receive socket packet!"));
    EXPECT_EQ(TFTPStatusText(-1111), AnsiString("(KwTFTP) Socket is not ready!"));
    EXPECT_EQ(TFTPStatusText(-1112), AnsiString("(KwTFTP) Bad packet!"));
    EXPECT_EQ(TFTPStatusText(-1113), AnsiString("(KwTFTP) Timeout!"));
    EXPECT_EQ(TFTPStatusText(-1114), AnsiString("(KwTFTP) Transfer has been canceled."));
    EXPECT_TRUE(TFTPStatusText(4).IsEmpty());
    EXPECT_TRUE(TFTPStatusText(-1115).IsEmpty());
}

TEST(TFTPStatusText, TheServerTemplateStartsAsDesigned)
{
    const KwTFTPMsg msg;
    EXPECT_EQ(msg.Code, -1111);
    EXPECT_EQ(msg.Text, TFTPStatusText(-1111));
    EXPECT_EQ(msg.Opcode, 1);
    EXPECT_EQ(msg.Mode, AnsiString("octet"));
    EXPECT_EQ(msg.ClientAddress, AnsiString("0.0.0.0"));
    EXPECT_EQ(msg.ServerPort, 69);
    EXPECT_EQ(msg.LastBlockSize, -1);
    EXPECT_EQ(msg.SessionNumber, -1);
    EXPECT_EQ(msg.Timeout, 1000);
}
