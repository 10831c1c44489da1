// Real clients (tftp-hpa's tftp and atftp) read and write files of every interesting
// size through the server; the files must arrive byte for byte.
#include "ServerFixture.h"

#include <string>

namespace {
enum class Client { Hpa, Atftp };

struct Transfer {
    Client client;
    std::size_t size;
};

std::string Name(const Transfer& t)
{
    return std::string(t.client == Client::Hpa ? "tftp" : "atftp") + "_" + std::to_string(t.size);
}

// Runs one transfer; `get` true reads `remote` from the server into `localPath`.
ProcessResult RunClient(Client client, std::uint16_t port, bool get, const std::string& remote,
                        const std::string& localPath)
{
    if (client == Client::Hpa)
        return Hpa(port, get ? "get " + remote + " " + localPath : "put " + localPath + " " + remote);
    return Atftp(port, get ? "--get" : "--put", remote, localPath);
}
}

class ClientTransfer : public ServerFixture, public ::testing::WithParamInterface<Transfer> {};

TEST_P(ClientTransfer, ReadArrivesByteForByte)
{
    const Transfer t = GetParam();
    const std::string content = PatternBytes(t.size, static_cast<unsigned>(t.size) + 7);
    WriteFileBytes(root / "served.bin", content);
    const ProcessResult run = RunClient(t.client, port, true, "served.bin", local / "got.bin");
    ASSERT_TRUE(run.Finished) << run.Output;
    bool exists = false;
    const std::string received = ReadFileBytes(local / "got.bin", &exists);
    ASSERT_TRUE(exists) << run.Output;
    EXPECT_EQ(received.size(), content.size());
    EXPECT_TRUE(received == content);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_TRUE(status.Saw(TFTP_SUCCESS));
    EXPECT_EQ(status.Records.back().Bytes, static_cast<int>(t.size));
}

TEST_P(ClientTransfer, WriteArrivesByteForByteAndReplacesTheTarget)
{
    const Transfer t = GetParam();
    const std::string content = PatternBytes(t.size, static_cast<unsigned>(t.size) + 11);
    WriteFileBytes(local / "upload.bin", content);
    WriteFileBytes(root / "target.bin", "an earlier file");
    const ProcessResult run = RunClient(t.client, port, false, "target.bin", local / "upload.bin");
    ASSERT_TRUE(run.Finished) << run.Output;
    ASSERT_TRUE(PumpUntil([&] { return status.Saw(TFTP_SUCCESS); }, 20000)) << run.Output;
    const std::string stored = ReadFileBytes(root / "target.bin");
    EXPECT_EQ(stored.size(), content.size());
    EXPECT_TRUE(stored == content);
    EXPECT_EQ(FolderNames(root), std::vector<std::string>{"target.bin"});  // no temporary left
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ClientTransfer,
    ::testing::Values(Transfer{Client::Hpa, 0}, Transfer{Client::Hpa, 511}, Transfer{Client::Hpa, 512},
                      Transfer{Client::Hpa, 700}, Transfer{Client::Hpa, 1024},
                      Transfer{Client::Hpa, 5u << 20}, Transfer{Client::Hpa, 40u << 20},
                      Transfer{Client::Atftp, 0}, Transfer{Client::Atftp, 511},
                      Transfer{Client::Atftp, 512}, Transfer{Client::Atftp, 700},
                      Transfer{Client::Atftp, 1024}, Transfer{Client::Atftp, 5u << 20},
                      Transfer{Client::Atftp, 40u << 20}),
    [](const ::testing::TestParamInfo<Transfer>& info) { return Name(info.param); });
