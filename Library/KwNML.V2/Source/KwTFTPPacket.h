#pragma once
// TFTP wire format (RFC 1350): every 16-bit field in network byte order.
#include <cstdint>
#include <string>

namespace KwTFTPPacket {

enum Opcode : int { RRQ = 1, WRQ = 2, DATA = 3, ACK = 4, ERR = 5 };

// TFTP error codes sent in ERROR packets.
enum ErrorCode : int {
    ERR_UNDEFINED = 0,
    ERR_FILE_NOT_FOUND = 1,
    ERR_ACCESS_VIOLATION = 2,
    ERR_DISK_FULL = 3,
    ERR_ILLEGAL_OPERATION = 4,
    ERR_UNKNOWN_TRANSFER_ID = 5,
};

constexpr int BlockSize = 512;     // payload of a full DATA block
constexpr int HeaderSize = 4;      // opcode and block number (or error code)
constexpr int BufferSize = 2048;   // largest datagram read or built

// The 16-bit field at `offset`; -1 when the packet is too short for it.
int Field(const std::uint8_t* packet, int length, int offset);
inline int OpcodeOf(const std::uint8_t* packet, int length) { return Field(packet, length, 0); }
inline int BlockOf(const std::uint8_t* packet, int length) { return Field(packet, length, 2); }

// Build a packet into `buffer` (at least HeaderSize + count bytes) and return its length.
int BuildData(std::uint8_t* buffer, std::uint16_t block, const void* payload, int count);
int BuildAck(std::uint8_t* buffer, std::uint16_t block);
// ERROR with an empty message: 5 bytes.
int BuildError(std::uint8_t* buffer, int errorCode);

// A read or write request: opcode, then the file name and the mode, each ended by a
// zero byte inside the packet. False when the packet is no such request.
bool ParseRequest(const std::uint8_t* packet, int length, int& opcode, std::string& fileName,
                  std::string& mode);

// Whether `mode` is one of the transfer modes TFTP defines ("netascii", "octet",
// "mail"), compared ignoring case. Every accepted mode moves the file byte for byte.
bool IsKnownMode(const std::string& mode);

}  // namespace KwTFTPPacket
