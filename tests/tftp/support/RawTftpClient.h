#pragma once
// A TFTP peer the test drives packet by packet from its own UDP port on 127.0.0.1:
// it can lose ACKs, repeat requests, send from the wrong port, send short or unknown
// packets or go silent. Waiting for a packet keeps the Qt event loop running.
#include <cstdint>
#include <optional>
#include <string>

// The 16-bit word at `offset`, or -1 past the end.
int WordAt(const std::string& bytes, std::size_t offset);
// A UDP socket bound to a free port on `address` (host order); its port to `port`.
int BoundUdpSocket(std::uint32_t address, int flags, std::uint16_t* port);

struct RawPacket {
    std::string Bytes;
    std::uint16_t FromPort = 0;
    int Opcode() const;
    int Block() const;              // block number or error code
    std::string Payload() const;    // bytes after the 4-byte header
};

class RawTftpClient {
public:
    RawTftpClient();
    // Sends from another loopback address (host order), e.g. 127.0.0.2.
    explicit RawTftpClient(std::uint32_t localAddress);
    ~RawTftpClient();
    RawTftpClient(const RawTftpClient&) = delete;
    RawTftpClient& operator=(const RawTftpClient&) = delete;

    std::uint16_t Port() const { return port_; }
    void Send(std::uint16_t toPort, const std::string& bytes);
    void SendRequest(std::uint16_t toPort, int opcode, const std::string& fileName,
                     const std::string& mode = "octet");
    void SendAck(std::uint16_t toPort, int block);
    void SendData(std::uint16_t toPort, int block, const std::string& payload);
    void SendError(std::uint16_t toPort, int code);
    // The next datagram, or nothing within `maxMs`.
    std::optional<RawPacket> Receive(int maxMs);

    // Raw packet texts.
    static std::string Request(int opcode, const std::string& fileName, const std::string& mode);
    static std::string Ack(int block);
    static std::string Data(int block, const std::string& payload);

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};
