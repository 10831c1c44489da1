#include "KwTFTPPacket.h"

#include <gtest/gtest.h>

using namespace KwTFTPPacket;

namespace {
std::string Bytes(const std::uint8_t* data, int length)
{
    return std::string(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
}
}

TEST(TFTPPacket, BuildsDataAckAndFiveByteError)
{
    std::uint8_t buffer[BufferSize];
    EXPECT_EQ(Bytes(buffer, BuildData(buffer, 0x1234, "xy", 2)), std::string("\0\3\x12\x34xy", 6));
    EXPECT_EQ(Bytes(buffer, BuildData(buffer, 65535, nullptr, 0)), std::string("\0\3\xff\xff", 4));
    EXPECT_EQ(Bytes(buffer, BuildAck(buffer, 258)), std::string("\0\4\1\2", 4));
    EXPECT_EQ(Bytes(buffer, BuildError(buffer, ERR_FILE_NOT_FOUND)), std::string("\0\5\0\1\0", 5));
}

TEST(TFTPPacket, ReadsFieldsOnlyInsideThePacket)
{
    const std::uint8_t ack[] = {0, 4, 0xFF, 0xFE};
    EXPECT_EQ(OpcodeOf(ack, 4), ACK);
    EXPECT_EQ(BlockOf(ack, 4), 65534);
    EXPECT_EQ(BlockOf(ack, 3), -1);
    EXPECT_EQ(OpcodeOf(ack, 1), -1);
}

TEST(TFTPPacket, ParsesRequestsWithTerminatedNameAndMode)
{
    int opcode = 0;
    std::string name, mode;
    const std::uint8_t rrq[] = {0, 1, 'a', '.', 'b', 0, 'o', 'c', 't', 'e', 't', 0, 't', 's', 0};
    ASSERT_TRUE(ParseRequest(rrq, sizeof rrq, opcode, name, mode));
    EXPECT_EQ(opcode, RRQ);
    EXPECT_EQ(name, "a.b");
    EXPECT_EQ(mode, "octet");

    const std::uint8_t wrq[] = {0, 2, 'f', 0, 'n', 'e', 't', 'a', 's', 'c', 'i', 'i', 0};
    ASSERT_TRUE(ParseRequest(wrq, sizeof wrq, opcode, name, mode));
    EXPECT_EQ(opcode, WRQ);
    EXPECT_EQ(mode, "netascii");
}

TEST(TFTPPacket, RefusesUnterminatedOrForeignRequests)
{
    int opcode = 0;
    std::string name, mode;
    const std::uint8_t noModeEnd[] = {0, 1, 'f', 0, 'o', 'c'};
    const std::uint8_t noNameEnd[] = {0, 2, 'f', 'g'};
    const std::uint8_t data[] = {0, 3, 'f', 0, 'o', 0};
    const std::uint8_t nameOnly[] = {0, 1, 'f', 0};
    EXPECT_FALSE(ParseRequest(noModeEnd, sizeof noModeEnd, opcode, name, mode));
    EXPECT_FALSE(ParseRequest(noNameEnd, sizeof noNameEnd, opcode, name, mode));
    EXPECT_FALSE(ParseRequest(data, sizeof data, opcode, name, mode));
    EXPECT_FALSE(ParseRequest(nameOnly, sizeof nameOnly, opcode, name, mode));
    EXPECT_FALSE(ParseRequest(data, 1, opcode, name, mode));
}
