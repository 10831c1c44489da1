#include "RawTftpClient.h"

#include "TftpTestLoop.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
std::string Word(int value)
{
    return std::string{static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}
}

int WordAt(const std::string& bytes, std::size_t offset)
{
    if (bytes.size() < offset + 2)
        return -1;
    return (static_cast<unsigned char>(bytes[offset]) << 8) | static_cast<unsigned char>(bytes[offset + 1]);
}

int BoundUdpSocket(std::uint32_t localAddress, int flags, std::uint16_t* port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | flags, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(localAddress);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    if (port)
        *port = ntohs(address.sin_port);
    return fd;
}

int RawPacket::Opcode() const { return WordAt(Bytes, 0); }
int RawPacket::Block() const { return WordAt(Bytes, 2); }
std::string RawPacket::Payload() const { return Bytes.size() > 4 ? Bytes.substr(4) : std::string(); }

RawTftpClient::RawTftpClient() : RawTftpClient(INADDR_LOOPBACK) {}

RawTftpClient::RawTftpClient(std::uint32_t localAddress)
{
    fd_ = BoundUdpSocket(localAddress, SOCK_NONBLOCK, &port_);
}

RawTftpClient::~RawTftpClient()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::string RawTftpClient::Request(int opcode, const std::string& fileName, const std::string& mode)
{
    return Word(opcode) + fileName + std::string(1, '\0') + mode + std::string(1, '\0');
}

std::string RawTftpClient::Ack(int block) { return Word(4) + Word(block); }

std::string RawTftpClient::Data(int block, const std::string& payload)
{
    return Word(3) + Word(block) + payload;
}

void RawTftpClient::Send(std::uint16_t toPort, const std::string& bytes)
{
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    target.sin_port = htons(toPort);
    ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&target), sizeof target);
}

void RawTftpClient::SendRequest(std::uint16_t toPort, int opcode, const std::string& fileName,
                                const std::string& mode)
{
    Send(toPort, Request(opcode, fileName, mode));
}

void RawTftpClient::SendAck(std::uint16_t toPort, int block) { Send(toPort, Ack(block)); }

void RawTftpClient::SendData(std::uint16_t toPort, int block, const std::string& payload)
{
    Send(toPort, Data(block, payload));
}

void RawTftpClient::SendError(std::uint16_t toPort, int code)
{
    Send(toPort, Word(5) + Word(code) + std::string(1, '\0'));
}

std::optional<RawPacket> RawTftpClient::Receive(int maxMs)
{
    std::optional<RawPacket> packet;
    PumpUntil(
        [&] {
            char buffer[4096];
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t got = ::recvfrom(fd_, buffer, sizeof buffer, 0,
                                           reinterpret_cast<sockaddr*>(&from), &length);
            if (got < 0)
                return false;
            packet = RawPacket{std::string(buffer, static_cast<std::size_t>(got)), ntohs(from.sin_port)};
            return true;
        },
        maxMs);
    return packet;
}
