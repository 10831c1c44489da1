#include "LossyRelay.h"
#include "RawTftpClient.h"

#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
void SendTo(int fd, const std::string& bytes, const sockaddr_in& to)
{
    ::sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

}  // namespace

LossyRelay::LossyRelay(std::uint16_t serverPort, DropRule rule)
    : serverPort_(serverPort), rule_(std::move(rule))
{
    front_ = BoundUdpSocket(INADDR_LOOPBACK, 0, &port_);
    back_ = BoundUdpSocket(INADDR_LOOPBACK, 0, nullptr);
    thread_ = std::thread([this] { Run(); });
}

LossyRelay::~LossyRelay()
{
    stop_ = true;
    thread_.join();
    ::close(front_);
    ::close(back_);
}

LossyRelay::DropRule LossyRelay::FirstCopyOf(std::vector<std::tuple<bool, int, int>> packets)
{
    auto pending = std::make_shared<std::vector<std::tuple<bool, int, int>>>(std::move(packets));
    return [pending](bool toServer, const std::string& packet) {
        const auto key = std::make_tuple(toServer, WordAt(packet, 0), WordAt(packet, 2));
        for (auto it = pending->begin(); it != pending->end(); ++it) {
            if (*it == key) {
                pending->erase(it);
                return true;
            }
        }
        return false;
    };
}

void LossyRelay::Run()
{
    sockaddr_in client{};
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    server.sin_port = htons(serverPort_);
    bool haveClient = false;
    char buffer[4096];
    while (!stop_) {
        pollfd fds[2] = {{front_, POLLIN, 0}, {back_, POLLIN, 0}};
        if (::poll(fds, 2, 20) <= 0)
            continue;
        for (int i = 0; i < 2; ++i) {
            if (!(fds[i].revents & POLLIN))
                continue;
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t got = ::recvfrom(fds[i].fd, buffer, sizeof buffer, 0,
                                           reinterpret_cast<sockaddr*>(&from), &length);
            if (got < 0)
                continue;
            const std::string packet(buffer, static_cast<std::size_t>(got));
            const bool toServer = i == 0;
            if (toServer) {
                client = from;
                haveClient = true;
            } else {
                server = from;  // the session's own port from now on
            }
            if (rule_ && rule_(toServer, packet)) {
                ++dropped_;
                continue;
            }
            const int opcode = WordAt(packet, 0);
            if (toServer && (opcode == 1 || opcode == 2)) {
                sockaddr_in listener = server;  // a request, first or repeated, goes to the server's port
                listener.sin_port = htons(serverPort_);
                SendTo(back_, packet, listener);
            } else if (toServer)
                SendTo(back_, packet, server);
            else if (haveClient)
                SendTo(front_, packet, client);
        }
    }
}
