#include "KwTFTPPacket.h"

#include <cstring>

namespace KwTFTPPacket {

namespace {
void Put16(std::uint8_t* at, int value)
{
    at[0] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    at[1] = static_cast<std::uint8_t>(value & 0xFF);
}

// The zero-terminated text starting at `offset`; false when no zero byte follows.
bool TextAt(const std::uint8_t* packet, int length, int& offset, std::string& text)
{
    if (offset >= length)
        return false;
    const void* end = std::memchr(packet + offset, 0, static_cast<size_t>(length - offset));
    if (!end)
        return false;
    const auto* last = static_cast<const std::uint8_t*>(end);
    text.assign(reinterpret_cast<const char*>(packet + offset), last - (packet + offset));
    offset = static_cast<int>(last - packet) + 1;
    return true;
}
}  // namespace

int Field(const std::uint8_t* packet, int length, int offset)
{
    if (!packet || offset < 0 || length < offset + 2)
        return -1;
    return (packet[offset] << 8) | packet[offset + 1];
}

int BuildData(std::uint8_t* buffer, std::uint16_t block, const void* payload, int count)
{
    Put16(buffer, DATA);
    Put16(buffer + 2, block);
    if (count > 0)
        std::memcpy(buffer + HeaderSize, payload, static_cast<size_t>(count));
    return HeaderSize + (count > 0 ? count : 0);
}

int BuildAck(std::uint8_t* buffer, std::uint16_t block)
{
    Put16(buffer, ACK);
    Put16(buffer + 2, block);
    return HeaderSize;
}

int BuildError(std::uint8_t* buffer, int errorCode)
{
    Put16(buffer, ERR);
    Put16(buffer + 2, errorCode);
    buffer[4] = 0;
    return 5;
}

bool ParseRequest(const std::uint8_t* packet, int length, int& opcode, std::string& fileName,
                  std::string& mode)
{
    opcode = OpcodeOf(packet, length);
    if (opcode != RRQ && opcode != WRQ)
        return false;
    int offset = 2;
    return TextAt(packet, length, offset, fileName) && TextAt(packet, length, offset, mode);
}

bool IsKnownMode(const std::string& mode)
{
    std::string lower = mode;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower == "netascii" || lower == "octet" || lower == "mail";
}

}  // namespace KwTFTPPacket
