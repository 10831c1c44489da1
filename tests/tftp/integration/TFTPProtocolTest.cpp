// The server against a raw client that misbehaves on purpose: lost and repeated
// packets, strangers, short and unknown packets, names reaching outside the folder.
#include "ServerFixture.h"

#include "HandlerExceptions.h"

#include <stdexcept>
#include <unistd.h>

using Protocol = ServerFixture;

namespace {
constexpr int kWait = 5000;  // generous bound for a packet that must come
constexpr int kQuiet = 150;  // a packet that must not come stays away this long

int OpcodeOf(const std::optional<RawPacket>& p) { return p ? p->Opcode() : -1; }
}

TEST_F(Protocol, ReadOfZeroBytesIsOneEmptyBlock)
{
    WriteFileBytes(root / "empty", "");
    RawTftpClient client;
    client.SendRequest(port, 1, "empty");
    auto data = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(data), 3);
    EXPECT_EQ(data->Block(), 1);
    EXPECT_EQ(data->Bytes.size(), 4u);
    EXPECT_NE(data->FromPort, port);  // a fresh port for the transfer
    client.SendAck(data->FromPort, 1);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, 2, 3, 0}));
}

TEST_F(Protocol, FileOf1024BytesEndsWithAnEmptyThirdBlock)
{
    const std::string content = PatternBytes(1024);
    WriteFileBytes(root / "k.bin", content);
    RawTftpClient client;
    client.SendRequest(port, 1, "k.bin");
    std::string received;
    for (int block = 1; block <= 3; ++block) {
        auto data = client.Receive(kWait);
        ASSERT_EQ(OpcodeOf(data), 3);
        ASSERT_EQ(data->Block(), block);
        received += data->Payload();
        client.SendAck(data->FromPort, block);
    }
    EXPECT_TRUE(received == content);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, 2, 2, 2, 3, 0}));
}

TEST_F(Protocol, WriteOf700BytesReportsItsSteps)
{
    const std::string content = PatternBytes(700);
    RawTftpClient client;
    client.SendRequest(port, 2, "w.bin");
    auto ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    EXPECT_EQ(ack->Block(), 0);
    client.SendData(ack->FromPort, 1, content.substr(0, 512));
    ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    EXPECT_EQ(ack->Block(), 1);
    client.SendData(ack->FromPort, 2, content.substr(512));
    ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    EXPECT_EQ(ack->Block(), 2);
    ASSERT_TRUE(PumpUntil([&] { return status.Saw(TFTP_SUCCESS); }, kWait));
    EXPECT_TRUE(ReadFileBytes(root / "w.bin") == content);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, 2, 2, 3, 0}));
    EXPECT_EQ(status.Records.back().Bytes, 700);
    EXPECT_EQ(status.Records.back().LastBlockSize, 188);
}

TEST_F(Protocol, SilentReaderGetsThreeCopiesThenTimesOut)
{
    WriteFileBytes(root / "f.bin", PatternBytes(600));
    RawTftpClient client;
    client.SendRequest(port, 1, "f.bin");
    std::vector<std::string> copies;
    while (auto data = client.Receive(2000))
        copies.push_back(data->Bytes);
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_EQ(copies[0], copies[1]);
    EXPECT_EQ(copies[0], copies[2]);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, 2, 2, 2, -1113, 0}));
}

TEST_F(Protocol, LostAckHealsAndARepeatedAckIsIgnored)
{
    const std::string content = PatternBytes(1500);
    WriteFileBytes(root / "r.bin", content);
    RawTftpClient client;
    client.SendRequest(port, 1, "r.bin");
    auto first = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(first), 3);
    // Our ACK 1 "is lost": the server repeats DATA 1 byte for byte.
    auto again = client.Receive(kWait);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Bytes, first->Bytes);
    client.SendAck(first->FromPort, 1);
    auto second = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(second), 3);
    ASSERT_EQ(second->Block(), 2);
    // A repeated ACK 1 (old) sends nothing new; the transfer goes on with ACK 2.
    client.SendAck(first->FromPort, 1);
    auto extra = client.Receive(kQuiet);
    EXPECT_FALSE(extra && extra->Block() != 2);
    client.SendAck(first->FromPort, 2);
    std::optional<RawPacket> third;
    do
        third = client.Receive(kWait);
    while (third && third->Block() == 2);
    ASSERT_EQ(OpcodeOf(third), 3);
    ASSERT_EQ(third->Block(), 3);
    client.SendAck(first->FromPort, 3);
    EXPECT_TRUE(first->Payload() + second->Payload() + third->Payload() == content);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(status.Codes.end()[-2], TFTP_SUCCESS);
}

TEST_F(Protocol, RepeatedDataIsAcknowledgedAgainAndWrittenOnce)
{
    const std::string content = PatternBytes(900);
    RawTftpClient client;
    client.SendRequest(port, 2, "d.bin");
    auto ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    const std::uint16_t session = ack->FromPort;
    client.SendData(session, 1, content.substr(0, 512));
    ASSERT_EQ(client.Receive(kWait)->Block(), 1);
    client.SendData(session, 1, content.substr(0, 512));  // our ACK 1 "was lost"
    ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    EXPECT_EQ(ack->Block(), 1);
    client.SendData(session, 3, "out of order");  // not the expected block: ignored
    EXPECT_FALSE(client.Receive(kQuiet));
    client.SendData(session, 2, content.substr(512));
    ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    EXPECT_EQ(ack->Block(), 2);
    ASSERT_TRUE(PumpUntil([&] { return status.Saw(TFTP_SUCCESS); }, kWait));
    EXPECT_TRUE(ReadFileBytes(root / "d.bin") == content);
    // The last ACK "is lost" too: the repeated last block is acknowledged again.
    client.SendData(session, 2, content.substr(512));
    ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    EXPECT_EQ(ack->Block(), 2);
}

TEST_F(Protocol, RepeatedRequestsAreAnsweredByTheSameSession)
{
    RawTftpClient writer;
    writer.SendRequest(port, 2, "up.bin");
    auto ack0 = writer.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack0), 4);
    writer.SendRequest(port, 2, "up.bin");  // ACK 0 "was lost"
    auto again = writer.Receive(kWait);
    ASSERT_EQ(OpcodeOf(again), 4);
    EXPECT_EQ(again->Block(), 0);
    EXPECT_EQ(again->FromPort, ack0->FromPort);

    WriteFileBytes(root / "down.bin", PatternBytes(100));
    RawTftpClient reader;
    reader.SendRequest(port, 1, "down.bin");
    auto data = reader.Receive(kWait);
    ASSERT_EQ(OpcodeOf(data), 3);
    reader.SendRequest(port, 1, "down.bin");  // DATA 1 "was lost"
    auto repeat = reader.Receive(kWait);
    ASSERT_TRUE(repeat);
    EXPECT_EQ(repeat->Bytes, data->Bytes);
    EXPECT_EQ(repeat->FromPort, data->FromPort);
    EXPECT_EQ(server->SessionCount(), 2);
    EXPECT_EQ(server->Template().SessionNumber, 1);
}

TEST_F(Protocol, StrangersCannotDriveATransfer)
{
    const std::string content = PatternBytes(1000);
    WriteFileBytes(root / "s.bin", content);
    WriteFileBytes(root / "t.bin", "earlier");
    RawTftpClient client, stranger;
    client.SendRequest(port, 1, "s.bin");
    auto data = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(data), 3);
    stranger.SendAck(data->FromPort, 1);
    auto refusal = stranger.Receive(kWait);
    ASSERT_EQ(OpcodeOf(refusal), 5);
    EXPECT_EQ(refusal->Block(), 5);  // unknown transfer ID
    auto early = client.Receive(kQuiet);  // at most a retransmission of DATA 1
    EXPECT_TRUE(!early || early->Block() == 1);
    client.SendAck(data->FromPort, 1);
    std::optional<RawPacket> second;
    do
        second = client.Receive(kWait);
    while (second && second->Block() == 1);
    ASSERT_EQ(OpcodeOf(second), 3);
    ASSERT_EQ(second->Block(), 2);
    EXPECT_TRUE(data->Payload() + second->Payload() == content);

    // A stranger's DATA never reaches an upload either.
    RawTftpClient uploader;
    uploader.SendRequest(port, 2, "t.bin");
    auto ack = uploader.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    stranger.SendData(ack->FromPort, 1, "hijacked");
    EXPECT_EQ(OpcodeOf(stranger.Receive(kWait)), 5);
    uploader.SendData(ack->FromPort, 1, "genuine");
    ASSERT_TRUE(PumpUntil([&] { return ReadFileBytes(root / "t.bin") == "genuine"; }, kWait));
}

TEST_F(Protocol, ShortAndUnknownPacketsGetNoReplyAndNoSession)
{
    RawTftpClient client;
    client.Send(port, std::string("\0\1a", 3));
    for (int opcode : {3, 4, 5, 9})
        client.Send(port, std::string{0, static_cast<char>(opcode), 0, 1, 'x', 0});
    client.Send(port, std::string("\0\1name-without-end", 18));
    EXPECT_FALSE(client.Receive(kQuiet));
    EXPECT_EQ(server->SessionCount(), 0);
    EXPECT_TRUE(status.Codes.empty());

    // Inside a transfer such packets are ignored and the transfer goes on.
    const std::string content = PatternBytes(600);
    WriteFileBytes(root / "x.bin", content);
    client.SendRequest(port, 1, "x.bin");
    auto data = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(data), 3);
    client.Send(data->FromPort, std::string("\0\4", 2));
    client.Send(data->FromPort, RawTftpClient::Data(1, "wrong kind"));
    client.Send(data->FromPort, std::string{0, 8, 0, 1});
    client.SendAck(data->FromPort, 1);
    std::optional<RawPacket> next;
    do
        next = client.Receive(kWait);
    while (next && next->Block() == 1);
    ASSERT_EQ(OpcodeOf(next), 3);
    EXPECT_TRUE(data->Payload() + next->Payload() == content);
}

TEST_F(Protocol, MissingFileGetsAFiveByteErrorOne)
{
    RawTftpClient client;
    client.SendRequest(port, 1, "absent.bin");
    auto error = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(error), 5);
    EXPECT_EQ(error->Block(), 1);
    EXPECT_EQ(error->Bytes.size(), 5u);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, -1102, 0}));
}

TEST_F(Protocol, NamesOutsideTheFolderAreRefusedAndNothingOutsideIsTouched)
{
    TempFolder outside;
    WriteFileBytes(outside / "secret", "outside");
    const std::string up = "../" + outside.Path().substr(outside.Path().rfind('/') + 1) + "/secret";
    const std::vector<std::string> names{up, outside / "secret", "..", "a/b", "a\\b", "C:secret",
                                         "..\\secret", ""};
    int session = 0;
    for (const std::string& name : names) {
        for (int opcode : {1, 2}) {
            RawTftpClient client;
            client.SendRequest(port, opcode, name);
            auto error = client.Receive(kWait);
            ASSERT_EQ(OpcodeOf(error), 5) << name;
            EXPECT_EQ(error->Block(), 2) << name;  // access violation
            client.SendData(error->FromPort, 1, "evil");
            ASSERT_TRUE(PumpUntil([&] { return CodesOfSession(session).size() >= 2; }, kWait));
            EXPECT_EQ(CodesOfSession(session)[1], TFTPERR_ACCESS_VIOLATION) << name;
            ++session;
        }
    }
    EXPECT_EQ(ReadFileBytes(outside / "secret"), "outside");
    EXPECT_EQ(outside.Names(), std::vector<std::string>{"secret"});
    EXPECT_TRUE(root.Names().empty());
}

TEST_F(Protocol, PeerErrorEndsTheTransferAndKeepsTheEarlierFile)
{
    WriteFileBytes(root / "cfg.dcf", "earlier");
    RawTftpClient client;
    std::uint16_t session = 0;
    ASSERT_NO_FATAL_FAILURE(UploadFirstBlock(client, "cfg.dcf", session));
    client.SendError(session, 3);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, 2, 2, -1104, 0}));
    EXPECT_EQ(ReadFileBytes(root / "cfg.dcf"), "earlier");
    EXPECT_EQ(root.Names(), std::vector<std::string>{"cfg.dcf"});
}

TEST_F(Protocol, SilentWriterTimesOutAndKeepsTheEarlierFile)
{
    WriteFileBytes(root / "cfg.dcf", "earlier");
    RawTftpClient client;
    std::uint16_t session = 0;
    ASSERT_NO_FATAL_FAILURE(UploadFirstBlock(client, "cfg.dcf", session));
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, 2, 2, -1113, 0}));
    EXPECT_FALSE(client.Receive(kQuiet));  // write transfers are not retransmitted
    EXPECT_EQ(ReadFileBytes(root / "cfg.dcf"), "earlier");
    EXPECT_EQ(root.Names(), std::vector<std::string>{"cfg.dcf"});
}

TEST_F(Protocol, OversizedDataIsABadPacket)
{
    RawTftpClient client;
    client.SendRequest(port, 2, "big.bin");
    auto ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    client.SendData(ack->FromPort, 1, PatternBytes(600));
    auto error = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(error), 5);
    EXPECT_EQ(error->Block(), 4);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, 2, -1112, 0}));
    EXPECT_TRUE(root.Names().empty());
}

TEST_F(Protocol, UploadOverAFolderFailsWithAnError)
{
    ASSERT_EQ(::mkdir((root / "sub").c_str(), 0755), 0);
    RawTftpClient client;
    client.SendRequest(port, 2, "sub");
    auto ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    client.SendData(ack->FromPort, 1, "short");
    auto error = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(error), 5);
    EXPECT_EQ(error->Block(), 2);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_FALSE(status.Saw(TFTP_SUCCESS));
    EXPECT_EQ(root.Names(), std::vector<std::string>{"sub"});
}

TEST_F(Protocol, HandlerCancelStopsTheTransferWithoutAPacket)
{
    WriteFileBytes(root / "c.bin", PatternBytes(2000));
    status.Also = [](KwTFTPMsg& msg, bool& cancel) {
        if (msg.Code == TFTP_TRANSFERRING)
            cancel = true;
    };
    RawTftpClient client;
    client.SendRequest(port, 1, "c.bin");
    auto data = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(data), 3);
    client.SendAck(data->FromPort, 1);
    ASSERT_TRUE(PumpUntil([&] { return status.Saw(TFTPERR_CANCELED); }, kWait));
    std::optional<RawPacket> next;
    do
        next = client.Receive(kQuiet);
    while (next && next->Block() == 1);  // a retransmission may have crossed our ACK
    EXPECT_FALSE(next);
}

TEST_F(Protocol, WriteWaitsForARepeatedDataAfterALoss)
{
    const std::string content = PatternBytes(800);
    RawTftpClient client;
    client.SendRequest(port, 2, "late.bin");
    auto ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    client.SendData(ack->FromPort, 1, content.substr(0, 512));
    ASSERT_EQ(client.Receive(kWait)->Block(), 1);
    // DATA 2 "is lost"; the peer repeats it after more than one time-out (500 ms)
    // but well within the three the session waits.
    PumpFor(700);
    EXPECT_FALSE(client.Receive(0));  // the server sent nothing meanwhile
    client.SendData(ack->FromPort, 2, content.substr(512));
    ack = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(ack), 4);
    EXPECT_EQ(ack->Block(), 2);
    ASSERT_TRUE(PumpUntil([&] { return status.Saw(TFTP_SUCCESS); }, kWait));
    EXPECT_TRUE(ReadFileBytes(root / "late.bin") == content);
}

TEST_F(Protocol, ReadErrorEndsWithAnErrorNotSuccess)
{
    // Reading this process's memory at offset 0 fails with an I/O error.
    server->Start("/proc/self", port);
    RawTftpClient client;
    client.SendRequest(port, 1, "mem");
    auto error = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(error), 5);
    EXPECT_EQ(error->Block(), 0);
    ASSERT_TRUE(WaitForSessionsGone());
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, -1101, 0}));
}

TEST_F(Protocol, AHandlerMayDeleteTheServer)
{
    WriteFileBytes(root / "gone.bin", PatternBytes(600));
    status.Also = [this](KwTFTPMsg& msg, bool&) {
        if (msg.Code == TFTP_TRANSFERRING && msg.SendCount == 2)
            server.reset();  // during the check's retransmission
    };
    RawTftpClient client;
    client.SendRequest(port, 1, "gone.bin");
    ASSERT_EQ(OpcodeOf(client.Receive(kWait)), 3);
    ASSERT_TRUE(PumpUntil([&] { return !server; }, kWait));
    PumpFor(100);
    EXPECT_EQ(status.Last(), TFTP_TRANSFERRING);  // nothing more after the deletion
}

TEST_F(Protocol, AThrowingHandlerIsReportedAndTheTransferGoesOn)
{
    int reported = 0;
    SetHandlerExceptionSink([&](std::exception_ptr) { ++reported; });
    status.Also = [](KwTFTPMsg& msg, bool&) {
        if (msg.Code == TFTP_CONNECTED)
            throw std::runtime_error("handler failure");
    };
    WriteFileBytes(root / "t.txt", "text");
    RawTftpClient client;
    client.SendRequest(port, 1, "t.txt");
    auto data = client.Receive(kWait);
    ASSERT_EQ(OpcodeOf(data), 3);
    EXPECT_EQ(data->Payload(), "text");
    client.SendAck(data->FromPort, 1);
    ASSERT_TRUE(WaitForSessionsGone());
    SetHandlerExceptionSink(nullptr);
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(CodesOfSession(0), (std::vector<int>{1, 2, 3, 0}));
}
