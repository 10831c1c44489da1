// The server under a flood of requests on loopback: sessions stay bounded (in total
// and per requesting address), refused requests open nothing, and a real client's
// transfer still completes while the flood goes on.
#include "ServerFixture.h"

#include <chrono>
#include <dirent.h>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

namespace {
std::uint32_t Loopback(int last) { return (127u << 24) | static_cast<std::uint32_t>(last); }

int OpenDescriptors()
{
    int count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir))
            ++count;
        ::closedir(dir);
    }
    return count;
}
}  // namespace

class Flood : public ServerFixture {
protected:
    // Each of the addresses 127.0.0.`first`.. asks for `name` from `ports` ports and
    // never acknowledges; how many sessions took a request.
    int Occupy(int first, int addresses, int ports, const std::string& name)
    {
        for (int last = first; last < first + addresses; ++last)
            for (int i = 0; i < ports; ++i)
                clients.push_back(std::make_unique<RawTftpClient>(Loopback(last)));
        for (auto& client : clients)
            client->SendRequest(port, 1, name);
        int taken = 0;
        for (auto& client : clients) {
            const auto answer = client->Receive(kWait);
            EXPECT_TRUE(answer);
            sessionPorts.push_back(OpcodeOf(answer) == 3 ? answer->FromPort : 0);
            taken += OpcodeOf(answer) == 3;
        }
        return taken;
    }
    // The flood gives up; its sessions end and leave.
    void GiveUp()
    {
        for (std::size_t i = 0; i < clients.size(); ++i)
            if (sessionPorts[i])
                clients[i]->SendError(sessionPorts[i], 0);
        ASSERT_TRUE(WaitForSessionsGone());
        clients.clear();
    }
    std::vector<std::unique_ptr<RawTftpClient>> clients;
    std::vector<std::uint16_t> sessionPorts;
};

TEST_F(Flood, FloodLeavesARealTransferWorkingAndDescriptorsBounded)
{
    StartServer(1000, 3);  // flood sessions wait 10 s for their ACKs: they hold their slots
    const std::string content = PatternBytes(3000, 5);
    WriteFileBytes(root / "f.bin", content);
    const int before = OpenDescriptors();
    EXPECT_EQ(Occupy(2, 2, 20, "f.bin"), 2 * KwTFTPServer::MaxSessionsPerAddress);
    // One port sends hundreds of requests for missing or forbidden files, and in
    // made-up modes: each is refused with an ERROR, and none stays open.
    RawTftpClient noise(Loopback(4));
    int refused = 0;
    for (int i = 0; i < 300; ++i) {
        noise.SendRequest(port, i % 3 && i % 4 == 0 ? 2 : 1,
                          i % 3 ? "no/such" + std::to_string(i) : "x" + std::to_string(i),
                          i % 5 ? (i % 2 ? "OCTET" : "octet") : "mode" + std::to_string(i));
        refused += OpcodeOf(noise.Receive(kWait)) == 5;
    }
    EXPECT_EQ(refused, 300);

    EXPECT_LE(server->SessionCount(), 2 * KwTFTPServer::MaxSessionsPerAddress + 1);
    // The flood's sockets, one socket and one file per session, a little slack.
    const int flood = static_cast<int>(clients.size()) + 1;
    EXPECT_LE(OpenDescriptors() - before - flood, 2 * (2 * KwTFTPServer::MaxSessionsPerAddress + 1) + 4);

    // A real client on 127.0.0.1 still gets the whole file.
    const ProcessResult run = Hpa(port, "get f.bin " + (local / "got.bin"));
    ASSERT_TRUE(run.Finished) << run.Output;
    EXPECT_TRUE(ReadFileBytes(local / "got.bin") == content) << run.Output;
    EXPECT_TRUE(FolderNames(root) == std::vector<std::string>{"f.bin"});  // the flood created nothing

    GiveUp();  // with their descriptors
    EXPECT_LE(OpenDescriptors(), before + 1);  // the noise client's socket
}

TEST_F(Flood, SessionsAreBoundedInTotal)
{
    StartServer(1000, 3);
    WriteFileBytes(root / "t.bin", PatternBytes(2000));
    EXPECT_EQ(Occupy(2, 6, KwTFTPServer::MaxSessionsPerAddress, "t.bin"), KwTFTPServer::MaxSessions);
    EXPECT_EQ(server->SessionCount(), KwTFTPServer::MaxSessions);
    GiveUp();
}

TEST_F(Flood, EveryEndedSessionLeavesAtTheNextCheck)
{
    StartServer(1, 1);  // 10 ms, one transmission: a silent reader times out at once
    WriteFileBytes(root / "e.bin", PatternBytes(700));
    std::vector<std::unique_ptr<RawTftpClient>> clients;
    for (int i = 0; i < 5; ++i) {
        clients.push_back(std::make_unique<RawTftpClient>());
        clients.back()->SendRequest(port, 1, "e.bin");
    }
    // Read the requests here, without the event loop, so no check runs meanwhile.
    for (int i = 0; i < 5; ++i)
        server->ReadRequest();
    ASSERT_EQ(server->SessionCount(), 5);
    const std::int64_t created = KwTFTPTickCount();
    while (KwTFTPTickCount() <= created + 10)
        std::this_thread::yield();  // every deadline has passed
    server->CheckSessions();
    EXPECT_EQ(server->SessionCount(), 0);
    int timeouts = 0;
    for (int code : status.Codes)
        timeouts += code == TFTPERR_TIMEOUT;
    EXPECT_EQ(timeouts, 5);
}

// Finished uploads linger to acknowledge a repeated last block; they give their place
// to a new request rather than keep the device out.
TEST_F(Flood, FinishedUploadsGiveWayToANewRequest)
{
    StartServer(1000, 3);
    for (int i = 0; i < KwTFTPServer::MaxSessionsPerAddress; ++i) {
        RawTftpClient device(Loopback(5));
        const std::string name = "up" + std::to_string(i);
        device.SendRequest(port, 2, name);
        const auto ack = device.Receive(kWait);
        ASSERT_EQ(OpcodeOf(ack), 4);
        device.SendData(ack->FromPort, 1, "small");
        ASSERT_EQ(OpcodeOf(device.Receive(kWait)), 4);
        ASSERT_TRUE(PumpUntil([&] { return std::filesystem::exists(root / name); }, kWait));
    }
    EXPECT_EQ(server->SessionCount(), KwTFTPServer::MaxSessionsPerAddress);  // all lingering
    WriteFileBytes(root / "next.bin", "next");
    RawTftpClient device(Loopback(5));
    device.SendRequest(port, 1, "next.bin");
    const auto data = device.Receive(kWait);
    ASSERT_EQ(OpcodeOf(data), 3);
    EXPECT_EQ(data->Payload(), "next");
    device.SendAck(data->FromPort, 1);
    ASSERT_TRUE(WaitForSessionsGone(60000));
}
