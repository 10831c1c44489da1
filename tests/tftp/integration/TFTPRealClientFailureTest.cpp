// Real clients through a lossy relay, and the errors real clients see.
#include "LossyRelay.h"
#include "ServerFixture.h"

using RealClients = ServerFixture;

namespace {
constexpr bool kToServer = true;
constexpr bool kToClient = false;
}

// Lost: DATA and ACKs on the way both ways; on writes also ACK 0 (the repeated WRQ
// heals it) and the last ACK. atftp answers its own time-out with the next block
// instead of the lost one, so only acknowledgements are lost on its writes.
TEST_F(RealClients, TransfersThroughALossyRelayArriveWhole)
{
    const std::string content = PatternBytes(20 * 512 + 100), upload = PatternBytes(16 * 512 + 300, 5);
    WriteFileBytes(root / "lossy.bin", content);
    WriteFileBytes(local / "up.bin", upload);
    const struct {
        bool hpa, get;
        std::vector<std::tuple<bool, int, int>> lost;
    } runs[] = {
        {true, true, {{kToClient, 3, 1}, {kToClient, 3, 4}, {kToServer, 4, 7}, {kToClient, 3, 12}, {kToServer, 4, 15}}},
        {false, true, {{kToClient, 3, 2}, {kToServer, 4, 5}, {kToClient, 3, 9}, {kToServer, 4, 13}}},
        {true, false, {{kToClient, 4, 0}, {kToServer, 3, 3}, {kToClient, 4, 6}, {kToClient, 4, 17}}},
        {false, false, {{kToClient, 4, 8}, {kToClient, 4, 17}}},
    };
    bool writeTimeout = false;
    for (const auto& r : runs) {
        if (!r.get && !writeTimeout) {
            // A write waits one time-out for a lost DATA: the backup form's 3 s, well
            // beyond the clients' 1 s before they send it again, also on a loaded machine.
            server->Stop();
            StartServer(300);
            writeTimeout = true;
        }
        const std::string name = std::string(r.hpa ? "hpa" : "atftp") + (r.get ? ".got" : ".put");
        LossyRelay relay(port, LossyRelay::FirstCopyOf(r.lost));
        const ProcessResult run =
            r.hpa ? Hpa(relay.Port(), r.get ? "get lossy.bin " + (local / name) : "put " + (local / "up.bin") + " " + name)
                  : Atftp(relay.Port(), r.get ? "--get" : "--put", r.get ? "lossy.bin" : name, local / (r.get ? name : "up.bin"));
        ASSERT_TRUE(run.Finished) << name << run.Output;
        EXPECT_EQ(run.Output.find("rror"), std::string::npos) << name << run.Output;
        EXPECT_EQ(run.ExitCode, 0) << name << run.Output;
        const std::string arrived = r.get ? local / name : root / name;
        EXPECT_TRUE(PumpUntil([&] { return ReadFileBytes(arrived) == (r.get ? content : upload); }, 10000)) << name;
        EXPECT_EQ(relay.Dropped(), static_cast<int>(r.lost.size())) << name;
        // The client's last ACK may still be on its way through the relay.
        ASSERT_TRUE(WaitForSessionsGone());
        EXPECT_EQ(status.Codes.end()[-2], TFTP_SUCCESS) << name;
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
