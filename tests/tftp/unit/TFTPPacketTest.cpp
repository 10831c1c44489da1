#include "KwTFTPPacket.h"

#include <gtest/gtest.h>

using namespace KwTFTPPacket;

namespace {
std::string Bytes(const std::uint8_t* data, int length)
{
    return std::string(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
}
const std::uint8_t* At(const std::string& bytes) { return reinterpret_cast<const std::uint8_t*>(bytes.data()); }
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

// Packet -> "opcode name mode", or "refused".
TEST(TFTPPacket, ParsesOnlyRequestsWithTerminatedNameAndMode)
{
    const std::pair<std::string, std::string> cases[] = {
        {std::string("\0\1a.b\0octet\0ts\0", 15), "1 a.b octet"},
        {std::string("\0\2f\0netascii\0", 13), "2 f netascii"},
        {std::string("\0\1f\0oc", 6), "refused"},
        {std::string("\0\2fg", 4), "refused"},
        {std::string("\0\3f\0o\0", 6), "refused"},
        {std::string("\0\1f\0", 4), "refused"},
        {std::string("\0", 1), "refused"},
    };
    for (const auto& [packet, parsed] : cases) {
        int opcode = 0;
        std::string name, mode;
        const bool ok = ParseRequest(At(packet), static_cast<int>(packet.size()), opcode, name, mode);
        EXPECT_EQ(ok ? std::to_string(opcode) + " " + name + " " + mode : "refused", parsed);
    }
}
