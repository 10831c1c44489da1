// Real clients (tftp-hpa's tftp and atftp) read and write files of every interesting
// size through the server, 40 MB past the block number's roll-over; the files must
// arrive byte for byte, and an upload replaces its target leaving no temporary.
#include "ServerFixture.h"

#include <string>

namespace {
struct Transfer {
    bool hpa;
    std::size_t size;
};
}  // namespace

class ClientTransfer : public ServerFixture, public ::testing::WithParamInterface<Transfer> {};

TEST_P(ClientTransfer, ReadAndWriteArriveByteForByte)
{
    const Transfer t = GetParam();
    const std::string content = PatternBytes(t.size, static_cast<unsigned>(t.size) + 7);
    WriteFileBytes(root / "served.bin", content);
    WriteFileBytes(root / "target.bin", "an earlier file");
    WriteFileBytes(local / "upload.bin", content);
    for (const bool get : {true, false}) {
        const ProcessResult run =
            t.hpa ? Hpa(port, get ? "get served.bin " + (local / "got.bin") : "put " + (local / "upload.bin") + " target.bin")
                  : Atftp(port, get ? "--get" : "--put", get ? "served.bin" : "target.bin",
                          local / (get ? "got.bin" : "upload.bin"));
        ASSERT_TRUE(run.Finished) << run.Output;
        ASSERT_TRUE(PumpUntil([&] { return status.Saw(TFTP_SUCCESS); }, 20000)) << run.Output;
        const std::string arrived = ReadFileBytes(get ? local / "got.bin" : root / "target.bin");
        EXPECT_EQ(arrived.size(), content.size());
        EXPECT_TRUE(arrived == content);
        ASSERT_TRUE(WaitForSessionsGone());
        EXPECT_EQ(status.Records.back().Bytes, static_cast<int>(t.size));
        status = StatusRecorder();
    }
    EXPECT_EQ(FolderNames(root), (std::vector<std::string>{"served.bin", "target.bin"}));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ClientTransfer,
                         ::testing::Values(Transfer{true, 0}, Transfer{true, 511}, Transfer{true, 512},
                                           Transfer{true, 700}, Transfer{true, 1024}, Transfer{true, 40u << 20},
                                           Transfer{false, 0}, Transfer{false, 511}, Transfer{false, 512},
                                           Transfer{false, 700}, Transfer{false, 1024}, Transfer{false, 40u << 20}),
                         [](const ::testing::TestParamInfo<Transfer>& info) {
                             return std::string(info.param.hpa ? "tftp" : "atftp") + "_" + std::to_string(info.param.size);
                         });
