// Real clients through a lossy relay, and the errors real clients see.
#include "LossyRelay.h"
#include "ServerFixture.h"

using RealClients = ServerFixture;

namespace {
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
        const ProcessResult run = Hpa(relay.Port(), "get lossy.bin " + (local / "hpa.bin"));
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
        const ProcessResult run = Hpa(relay.Port(), "put " + (local / "up.bin") + " hpa.bin");
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

// A missing file and names reaching outside the folder: each client hears the error
// (tftp-hpa prints its code, atftp fails) and nothing outside is read or written.
TEST_F(RealClients, RefusalsReachTheClient)
{
    TempFolder outside;
    WriteFileBytes(outside / "secret", "outside");
    WriteFileBytes(local / "evil", "evil");
    const std::string upward = "../" + outside.Path().substr(outside.Path().rfind('/') + 1) + "/secret";
    const struct {
        ProcessResult run;
        const char* heard;
    } runs[] = {
        {Hpa(port, "get nothing.here " + (local / "a.out")), "Error code 1"},
        {Atftp(port, "--get", "nothing.here", local / "b.out"), ""},
        {Hpa(port, "get " + upward + " " + (local / "c.out")), "Error code 2"},
        {Atftp(port, "--put", outside / "secret", local / "evil"), ""},
    };
    for (const auto& r : runs) {
        ASSERT_TRUE(r.run.Finished) << r.run.Output;
        if (*r.heard)
            EXPECT_NE(r.run.Output.find(r.heard), std::string::npos) << r.run.Output;
        else
            EXPECT_NE(r.run.ExitCode, 0) << r.run.Output;
    }
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, -1102, 0}));
    EXPECT_EQ(CodesOfSession(1), (std::vector<int>{1, -1102, 0}));
    EXPECT_NE(ReadFileBytes(local / "c.out"), "outside");
    EXPECT_EQ(ReadFileBytes(outside / "secret"), "outside");
    EXPECT_EQ(FolderNames(outside), std::vector<std::string>{"secret"});
    EXPECT_TRUE(FolderNames(root).empty());
}
