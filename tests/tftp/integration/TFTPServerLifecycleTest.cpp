// Starting, re-rooting, stopping and deleting the server; port conflicts; the folder.
#include "ServerFixture.h"
#include "SysUtils.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

using Lifecycle = ServerFixture;

TEST_F(Lifecycle, SecondServerOnTheSamePortFailsWithItsStatusText)
{
    KwTFTPServer second(nullptr);
    second.SetListenAddress("127.0.0.1");
    try {
        second.Start(AnsiString(root.Path()), port);
        FAIL() << "a second server shared the port";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message, TFTPStatusText(TFTPERR_OPEN_SOCKET));
        EXPECT_EQ(error.HelpContext, TFTPERR_OPEN_SOCKET);
    }
    EXPECT_FALSE(second.Started());
    // The same happens on the wildcard address, and the first server keeps serving.
    KwTFTPServer third(nullptr);
    EXPECT_THROW(third.Start(AnsiString(root.Path()), port), Exception);
    WriteFileBytes(root / "still.txt", "served");
    EXPECT_EQ(Fetch("still.txt"), "served");
}

// Starting again re-roots the server on its socket, also when given another port
// (the listening port is still the one reported); after Stop it binds again.
TEST_F(Lifecycle, StartingAgainChangesTheFolderAndKeepsTheSocket)
{
    TempFolder other;
    WriteFileBytes(root / "a.txt", "first folder");
    WriteFileBytes(other / "b.txt", "second folder");
    for (std::uint16_t again : {port, std::uint16_t(0)}) {
        server->Start(AnsiString(other.Path()), again);
        EXPECT_TRUE(server->Started());
        EXPECT_EQ(server->RootDirectory(), AnsiString(other.Path() + "/"));
        EXPECT_EQ(Fetch("b.txt"), "second folder");
        EXPECT_EQ(Fetch("a.txt"), "error 1");
        ASSERT_TRUE(WaitForSessionsGone());
        EXPECT_EQ(status.Records.back().ServerPort, port);
    }
    server->Stop();
    EXPECT_FALSE(server->Started());
    server->Start(AnsiString(root.Path()), port);
    EXPECT_EQ(Fetch("a.txt"), "first folder");
}

TEST_F(Lifecycle, EmptyFolderServesNothing)
{
    server->Start("", port);
    EXPECT_TRUE(server->RootDirectory().IsEmpty());
    WriteFileBytes("tftp-cwd-probe.txt", "current folder");
    const std::string read = Fetch("tftp-cwd-probe.txt");
    ::unlink("tftp-cwd-probe.txt");
    EXPECT_EQ(read, "error 2");
    RawTftpClient writer;
    writer.SendRequest(port, 2, "tftp-cwd-upload.txt");
    EXPECT_EQ(OpcodeOf(writer.Receive(kWait)), 5);
    EXPECT_FALSE(std::filesystem::exists("tftp-cwd-upload.txt"));
}

TEST_F(Lifecycle, StopWaitsForRunningTransfers)
{
    WriteFileBytes(root / "w.bin", PatternBytes(2000));
    RawTftpClient client;
    client.SendRequest(port, 1, "w.bin");
    auto data = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(data), 3);
    // Silent client: Stop pumps messages until the session has timed out.
    server->Stop();
    EXPECT_EQ(server->SessionCount(), 0);
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, 2, 2, 2, -1113, 0}));
}

TEST_F(Lifecycle, StopWithAStuckSessionReturnsAndLeavesItListed)
{
    server->Stop();
    status = StatusRecorder();
    StartServer(6000, 3);  // a minute between retransmissions: stuck past Stop's wait
    WriteFileBytes(root / "stuck.bin", PatternBytes(3000));
    RawTftpClient client;
    client.SendRequest(port, 1, "stuck.bin");
    ASSERT_EQ(OpcodeOf(client.Receive(kWait)), 3);
    server->Stop();
    EXPECT_FALSE(server->Started());
    EXPECT_EQ(server->SessionCount(), 1);
    EXPECT_EQ(status.Last(), TFTP_TRANSFERRING);
    // Deleting the server ends the session without calling into its owner any more.
    const std::size_t reported = status.Codes.size();
    server.reset();
    PumpFor(50);
    EXPECT_EQ(status.Codes.size(), reported);
}

TEST_F(Lifecycle, DeletingTheServerDuringAnUploadKeepsTheEarlierFile)
{
    WriteFileBytes(root / "cfg.dcf", "earlier");
    RawTftpClient client;
    client.SendRequest(port, 2, "cfg.dcf");
    const auto ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    client.SendData(ack->FromPort, 1, PatternBytes(512));
    ASSERT_EQ(OpcodeOf(client.Receive(kWait)), 4);
    server.reset();
    EXPECT_EQ(ReadFileBytes(root / "cfg.dcf"), "earlier");
    EXPECT_EQ(FolderNames(root), std::vector<std::string>{"cfg.dcf"});
}

TEST_F(Lifecycle, WriteFailureEndsWithDiskFullAndKeepsTheEarlierFile)
{
    WriteFileBytes(root / "cfg.dcf", "earlier");
    const std::string content = PatternBytes(3000);
    RawTftpClient client;
    client.SendRequest(port, 2, "cfg.dcf");
    auto ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    // Files of this process may not grow past 1000 bytes from here on.
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::optional<RawPacket> reply;
    for (int block = 1; block <= 6; ++block) {
        client.SendData(ack->FromPort, block, content.substr((block - 1) * 512, 512));
        reply = client.Receive(kWait);
        if (OpcodeOf(reply) != 4)
            break;
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    ASSERT_EQ(OpcodeOf(reply), 5);
    EXPECT_EQ(reply->Block(), 3);  // disk full
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_TRUE(status.Saw(TFTPERR_DISK_FULL));
    EXPECT_FALSE(status.Saw(TFTP_SUCCESS));
    EXPECT_EQ(ReadFileBytes(root / "cfg.dcf"), "earlier");
    EXPECT_EQ(FolderNames(root), std::vector<std::string>{"cfg.dcf"});
}
