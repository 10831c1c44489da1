#include "KwTFTPMsg.h"

#include <gtest/gtest.h>

TEST(TFTPStatusText, EveryCodeHasItsText)
{
    const std::pair<int, const char*> texts[] = {
        {3, "(KwTFTP) Success to transfer file."},
        {2, "(KwTFTP) File is transferring..."},
        {1, "(KwTFTP) A TFTP session is connected..."},
        {0, "(KwTFTP) A TFTP session is disconnected..."},
        {-1101, "(KwTFTP) Undefined error:"},
        {-1102, "(KwTFTP) File not found!"},
        {-1103, "(KwTFTP) Access violation!"},
        {-1104, "(KwTFTP) Disk full!"},
        {-1105, "(KwTFTP) Bad operation!"},
        {-1106, "(KwTFTP) Unknown port!"},
        {-1107, "(KwTFTP) File already exist!"},
        {-1108, "(KwTFTP) No such user!"},
        {-1109, "(KwTFTP) Fail to open socket!Please check if the network is ready."},
        {-1110, "(KwTFTP) Fail to send or receive socket packet!"},
        {-1111, "(KwTFTP) Socket is not ready!"},
        {-1112, "(KwTFTP) Bad packet!"},
        {-1113, "(KwTFTP) Timeout!"},
        {-1114, "(KwTFTP) Transfer has been canceled."},
        {4, ""},
        {-1115, ""},
    };
    for (const auto& [code, text] : texts)
        EXPECT_EQ(TFTPStatusText(code), AnsiString(text)) << code;
}
