// Real clients through a lossy relay, and the errors real clients see.
#include "LossyRelay.h"
#include "ServerFixture.h"

#include <QString>

using RealClients = ServerFixture;

namespace {
ProcessResult HpaScript(std::uint16_t port, const std::string& command)
{
    return RunPumping("tftp", {"127.0.0.1", QString::number(port)},
                      "mode octet\nrexmt 1\ntimeout 30\n" + command + "\nquit\n", 120000);
}

ProcessResult Atftp(std::uint16_t port, const char* direction, const std::string& remote,
                    const std::string& localPath)
{
    return RunPumping("atftp", {direction, "-r", QString::fromStdString(remote), "-l",
                                QString::fromStdString(localPath), "--tftp-timeout", "1", "127.0.0.1",
                                QString::number(port)},
                      std::string(), 120000);
}

constexpr bool kToServer = true;
constexpr bool kToClient = false;
}

TEST_F(RealClients, ReadsThroughALossyRelayArriveWhole)
{
    const std::string content = PatternBytes(20 * 512 + 100);
    WriteFileBytes(root / "lossy.bin", content);
    {
        LossyRelay relay(port, LossyRelay::FirstCopyOf({{kToClient, 3, 1}, {kToClient, 3, 4},
                                                        {kToServer, 4, 7}, {kToClient, 3, 12},
                                                        {kToServer, 4, 15}}));
        const ProcessResult run = HpaScript(relay.Port(), "get lossy.bin " + (local / "hpa.bin"));
        ASSERT_TRUE(run.Finished) << run.Output;
        EXPECT_TRUE(ReadFileBytes(local / "hpa.bin") == content) << run.Output;
        EXPECT_EQ(relay.Dropped(), 5);
        // The client's last ACK may still be on its way through the relay.
        ASSERT_TRUE(WaitForSessionsGone());
    }
    {
        LossyRelay relay(port, LossyRelay::FirstCopyOf({{kToClient, 3, 2}, {kToServer, 4, 5},
                                                        {kToClient, 3, 9}, {kToServer, 4, 13}}));
        const ProcessResult run = Atftp(relay.Port(), "--get", "lossy.bin", local / "atftp.bin");
        ASSERT_TRUE(run.Finished) << run.Output;
        EXPECT_EQ(run.ExitCode, 0) << run.Output;
        EXPECT_TRUE(ReadFileBytes(local / "atftp.bin") == content) << run.Output;
        EXPECT_EQ(relay.Dropped(), 4);
        ASSERT_TRUE(WaitForSessionsGone());
    }
    EXPECT_EQ(CodesOfSession(0).end()[-2], TFTP_SUCCESS);
    EXPECT_EQ(CodesOfSession(1).end()[-2], TFTP_SUCCESS);
}

TEST_F(RealClients, WritesThroughALossyRelayArriveWhole)
{
    const std::string content = PatternBytes(16 * 512 + 300, 5);
    WriteFileBytes(local / "up.bin", content);
    {
        // Lost: ACK 0 (the repeated WRQ heals it), DATA 3, ACK 6, and the last ACK.
        LossyRelay relay(port, LossyRelay::FirstCopyOf({{kToClient, 4, 0}, {kToServer, 3, 3},
                                                        {kToClient, 4, 6}, {kToClient, 4, 17}}));
        const ProcessResult run = HpaScript(relay.Port(), "put " + (local / "up.bin") + " hpa.bin");
        ASSERT_TRUE(run.Finished) << run.Output;
        ASSERT_TRUE(PumpUntil([&] { return ReadFileBytes(root / "hpa.bin") == content; }, 10000))
            << run.Output;
        EXPECT_EQ(run.Output.find("rror"), std::string::npos) << run.Output;
        EXPECT_EQ(relay.Dropped(), 4);
    }
    {
        // atftp answers its own time-out with the next block instead of the lost one,
        // so only acknowledgements are lost on its way.
        LossyRelay relay(port, LossyRelay::FirstCopyOf({{kToClient, 4, 8}, {kToClient, 4, 17}}));
        const ProcessResult run = Atftp(relay.Port(), "--put", "atftp.bin", local / "up.bin");
        ASSERT_TRUE(run.Finished) << run.Output;
        EXPECT_EQ(run.ExitCode, 0) << run.Output;
        EXPECT_TRUE(ReadFileBytes(root / "atftp.bin") == content);
        EXPECT_EQ(relay.Dropped(), 2);
    }
}

TEST_F(RealClients, MissingFileIsReportedToTheClient)
{
    const ProcessResult hpa = HpaScript(port, "get nothing.here " + (local / "a.out"));
    ASSERT_TRUE(hpa.Finished);
    EXPECT_NE(hpa.Output.find("Error code 1"), std::string::npos) << hpa.Output;
    const ProcessResult atftp = Atftp(port, "--get", "nothing.here", local / "b.out");
    ASSERT_TRUE(atftp.Finished);
    EXPECT_NE(atftp.ExitCode, 0) << atftp.Output;
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, -1102, 0}));
    EXPECT_EQ(CodesOfSession(1), (std::vector<int>{1, -1102, 0}));
}

TEST_F(RealClients, TraversalNamesAreRefusedToRealClients)
{
    TempFolder outside;
    WriteFileBytes(outside / "secret", "outside");
    const std::string upward = "../" + outside.Path().substr(outside.Path().rfind('/') + 1) + "/secret";
    const ProcessResult hpa = HpaScript(port, "get " + upward + " " + (local / "a.out"));
    ASSERT_TRUE(hpa.Finished);
    EXPECT_NE(hpa.Output.find("Error code 2"), std::string::npos) << hpa.Output;
    EXPECT_NE(ReadFileBytes(local / "a.out"), "outside");
    WriteFileBytes(local / "evil", "evil");
    const ProcessResult atftp = Atftp(port, "--put", outside / "secret", local / "evil");
    ASSERT_TRUE(atftp.Finished);
    EXPECT_NE(atftp.ExitCode, 0) << atftp.Output;
    EXPECT_EQ(ReadFileBytes(outside / "secret"), "outside");
    EXPECT_EQ(outside.Names(), std::vector<std::string>{"secret"});
    EXPECT_TRUE(root.Names().empty());
}
