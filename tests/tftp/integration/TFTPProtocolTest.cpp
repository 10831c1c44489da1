// The server against a raw client driven packet by packet. Each case: the folder
// before, what the client (or a stranger beside it) sends and hears, what the session
// reports, and the folder afterwards. Checked for every case: replies come from the
// session's own port (refusals of a request's form from the listening port), ERRORs
// are five bytes, one session at most, numbered on from 0, its records carrying the
// request, a successful transfer reports its size, a read delivers the file whole, and
// nothing but the listed files is left in the folder. (Block numbers rolling over are
// the real clients' 40 MB transfers.)
#include "ServerFixture.h"

#include "HandlerExceptions.h"

#include <stdexcept>
#include <sys/stat.h>

namespace {
enum Kind { Request, ToListener, ToSession, Expect, Repeat, Quiet, Settle };

struct Step {
    Step(Kind k, int op = 0, int b = 0, std::string t = "", std::string m = "octet")
        : kind(k), opcode(op), block(b), text(std::move(t)), mode(std::move(m)) {}
    Kind kind;
    int opcode;        // Request, Expect
    int block;         // Expect: block number or error code; Quiet: milliseconds
    std::string text;  // Request: name; ToListener, ToSession: the packet
    std::string mode;
    bool stranger = false;  // sent or heard by another port on 127.0.0.1
    bool listener = false;  // Expect: from the listening port
};

Step Rrq(const std::string& name, const std::string& mode = "octet") { return {Request, 1, 0, name, mode}; }
Step Wrq(const std::string& name, const std::string& mode = "octet") { return {Request, 2, 0, name, mode}; }
Step Send(const std::string& packet) { return {ToSession, 0, 0, packet}; }
Step Ack(int block) { return Send(RawTftpClient::Ack(block)); }
Step Data(int block, const std::string& payload) { return Send(RawTftpClient::Data(block, payload)); }
Step Err(int code) { return Send(std::string{0, 5, 0, static_cast<char>(code), 0}); }
Step Raw(const std::string& packet) { return {ToListener, 0, 0, packet}; }
// The next packet other than copies of the one before (retransmissions).
Step Hear(int opcode, int block) { return {Expect, opcode, block}; }
Step Refused(int code)
{
    Step step{Expect, 5, code};
    step.listener = true;
    return step;
}
Step Again() { return {Repeat}; }                               // a byte-for-byte copy of the last
Step Silence(int ms = kQuiet) { return {Quiet, 0, ms}; }        // nothing at all
Step Settled() { return {Settle}; }                             // nothing new
Step Stranger(Step step)
{
    step.stranger = true;
    return step;
}

using Files = std::vector<std::pair<std::string, std::string>>;  // a name ending in "/": a folder

struct Case {
    std::string name;
    Files before;
    std::vector<Step> steps;
    std::vector<int> codes;  // what the session reports; empty: no session
    Files after;             // every entry of the folder afterwards
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const std::string k1024 = PatternBytes(1024), k1500 = PatternBytes(1500), k700 = PatternBytes(700),
                  k900 = PatternBytes(900), k1000 = PatternBytes(1000), k800 = PatternBytes(800),
                  k600 = PatternBytes(600), k512 = PatternBytes(512);

std::vector<Case> Cases()
{
    std::vector<Case> cases{
        {"ReadOfZeroBytesIsOneEmptyBlock", {{"empty", ""}}, {Rrq("empty"), Hear(3, 1), Ack(1)}, {1, 2, 3, 0}, {{"empty", ""}}},
        {"FileOf1024BytesEndsWithAnEmptyThirdBlock", {{"k.bin", k1024}},
         {Rrq("k.bin"), Hear(3, 1), Ack(1), Hear(3, 2), Ack(2), Hear(3, 3), Ack(3)}, {1, 2, 2, 2, 3, 0}, {{"k.bin", k1024}}},
        {"WriteOf700BytesReportsItsSteps", {},
         {Wrq("w.bin"), Hear(4, 0), Data(1, k700.substr(0, 512)), Hear(4, 1), Data(2, k700.substr(512)), Hear(4, 2)},
         {1, 2, 2, 3, 0}, {{"w.bin", k700}}},
        {"SilentReaderGetsThreeCopiesThenTimesOut", {{"f.bin", k600}},
         {Rrq("f.bin"), Hear(3, 1), Again(), Again(), Silence(1000)}, {1, 2, 2, 2, -1113, 0}, {{"f.bin", k600}}},
        {"LostAckHealsAndARepeatedAckIsIgnored", {{"r.bin", k1500}},
         {Rrq("r.bin"), Hear(3, 1), Again(), Ack(1), Hear(3, 2), Ack(1), Settled(), Ack(2), Hear(3, 3), Ack(3)},
         {1, 2, 2, 2, 2, 3, 0}, {{"r.bin", k1500}}},
        // Block 3 out of order is ignored; a repeated block (also the last) is
        // acknowledged again and written once.
        {"RepeatedDataIsAcknowledgedAgainAndWrittenOnce", {},
         {Wrq("d.bin"), Hear(4, 0), Data(1, k900.substr(0, 512)), Hear(4, 1), Data(1, k900.substr(0, 512)), Hear(4, 1),
          Data(3, "out of order"), Silence(), Data(2, k900.substr(512)), Hear(4, 2), Data(2, k900.substr(512)), Hear(4, 2)},
         {1, 2, 2, 3, 0}, {{"d.bin", k900}}},
        // A writer that stalls after its first block: one time-out (500 ms) ends the
        // session, its late DATA reaches no one, and nothing of the file is left.
        {"StalledWriterEndsAfterOneTimeOut", {},
         {Wrq("late.bin"), Hear(4, 0), Data(1, k800.substr(0, 512)), Hear(4, 1), Silence(800), Data(2, k800.substr(512)),
          Settled()},
         {1, 2, 2, -1113, 0}, {}},
        {"RepeatedWriteRequestIsTheSameSession", {}, {Wrq("up.bin"), Hear(4, 0), Wrq("up.bin"), Hear(4, 0)}, {1, 2, -1113, 0}, {}},
        // The same peer port asking again, in any form, is the same transfer.
        {"RepeatedReadRequestIsTheSameSession", {{"r.bin", k512.substr(0, 100)}},
         {Rrq("r.bin"), Hear(3, 1), Rrq("r.bin", "OCTET"), Again(), Rrq("other.bin", "netascii"), Wrq("r.bin"), Settled(),
          Ack(1)},
         {1, 2, 2, 3, 0}, {{"r.bin", k512.substr(0, 100)}}},
        {"AStrangersAckIsRefused", {{"s.bin", k1000}},
         {Rrq("s.bin"), Hear(3, 1), Stranger(Ack(1)), Stranger(Hear(5, 5)), Settled(), Ack(1), Hear(3, 2), Ack(2)},
         {1, 2, 2, 3, 0}, {{"s.bin", k1000}}},
        {"AStrangersDataNeverReachesAnUpload", {{"t.bin", "earlier"}},
         {Wrq("t.bin"), Hear(4, 0), Stranger(Data(1, "hijacked")), Stranger(Hear(5, 5)), Data(1, "genuine"), Hear(4, 1)},
         {1, 2, 3, 0}, {{"t.bin", "genuine"}}},
        // Short and unknown packets get no reply and open no session; inside a
        // transfer they are ignored.
        {"ShortAndUnknownPacketsAreIgnored", {{"x.bin", k600}},
         {Raw(std::string("\0\1a", 3)), Raw(std::string("\0\3\0\1x\0", 6)), Raw(std::string("\0\4\0\1x\0", 6)),
          Raw(std::string("\0\5\0\1x\0", 6)), Raw(std::string("\0\11\0\1x\0", 6)), Raw(std::string("\0\1name-without-end", 18)),
          Silence(), Rrq("x.bin"), Hear(3, 1), Send(std::string("\0\4", 2)), Send(RawTftpClient::Data(1, "wrong kind")),
          Send(std::string("\0\10\0\1", 4)), Ack(1), Hear(3, 2), Ack(2)},
         {1, 2, 2, 3, 0}, {{"x.bin", k600}}},
        {"MissingFileGetsErrorOne", {}, {Rrq("absent.bin"), Hear(5, 1)}, {1, -1102, 0}, {}},
        {"PeerErrorEndsTheTransferAndKeepsTheEarlierFile", {{"cfg.dcf", "earlier"}},
         {Wrq("cfg.dcf"), Hear(4, 0), Data(1, k512), Hear(4, 1), Err(3)}, {1, 2, 2, -1104, 0}, {{"cfg.dcf", "earlier"}}},
        // Write transfers are not retransmitted.
        {"SilentWriterTimesOutAndKeepsTheEarlierFile", {{"cfg.dcf", "earlier"}},
         {Wrq("cfg.dcf"), Hear(4, 0), Data(1, k512), Hear(4, 1), Silence(2000)}, {1, 2, 2, -1113, 0}, {{"cfg.dcf", "earlier"}}},
        {"OversizedDataIsABadPacket", {}, {Wrq("big.bin"), Hear(4, 0), Data(1, k600), Hear(5, 4)}, {1, 2, -1112, 0}, {}},
        {"UploadOverAFolderFailsWithAnError", {{"sub/", ""}}, {Wrq("sub"), Hear(4, 0), Data(1, "short"), Hear(5, 2)},
         {1, 2, -1103, 0}, {{"sub/", ""}}},
    };
    // The modes TFTP defines, in any case, and nothing else.
    for (const char* mode : {"NetAscii", "OCTET", "mail"})
        cases.push_back({std::string("Mode_") + mode, {{"m.bin", "mode"}}, {Rrq("m.bin", mode), Hear(3, 1), Ack(1)},
                         {1, 2, 3, 0}, {{"m.bin", "mode"}}});
    int refused = 0;
    for (const char* mode : {"binary", "", "octet ", "octets"})
        cases.push_back({"RefusedMode" + std::to_string(++refused), {{"m.bin", "mode"}}, {Rrq("m.bin", mode), Refused(4)},
                         {}, {{"m.bin", "mode"}}});
    return cases;
}
}  // namespace

class Protocol : public ServerFixture {
protected:
    void Run(const Case& c)
    {
        for (const auto& [name, bytes] : c.before) {
            if (name.back() == '/')
                ASSERT_EQ(::mkdir((root / name).c_str(), 0755), 0);
            else
                WriteFileBytes(root / name, bytes);
        }
        const std::size_t first = status.Records.size();
        RawTftpClient clients[2];
        RawPacket last[2];
        std::uint16_t session = 0;
        const Step* request = nullptr;  // the client's first
        std::string received;
        int dataBlock = 0;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            SCOPED_TRACE("step " + std::to_string(i));
            RawTftpClient& client = clients[s.stranger];
            switch (s.kind) {
            case Request:
                client.SendRequest(port, s.opcode, s.text, s.mode);
                if (!request)
                    request = &s;
                break;
            case ToListener: client.Send(port, s.text); break;
            case ToSession: client.Send(session, s.text); break;
            case Expect: {
                std::optional<RawPacket> got;
                do
                    got = client.Receive(kWait);
                while (got && !(got->Opcode() == s.opcode && got->Block() == s.block) && got->Bytes == last[s.stranger].Bytes);
                ASSERT_TRUE(got);
                ASSERT_EQ(got->Opcode(), s.opcode);
                ASSERT_EQ(got->Block(), s.block);
                if (s.opcode == 5) {
                    EXPECT_EQ(got->Bytes.size(), 5u);
                }
                if (s.listener) {
                    EXPECT_EQ(got->FromPort, port);
                } else if (session == 0) {
                    EXPECT_NE(session = got->FromPort, port);
                } else {
                    EXPECT_EQ(got->FromPort, session);
                }
                if (s.opcode == 3 && s.block == dataBlock + 1) {
                    received += got->Payload();
                    ++dataBlock;
                }
                last[s.stranger] = *got;
                break;
            }
            case Repeat: {
                const auto got = client.Receive(kWait);
                ASSERT_TRUE(got);
                EXPECT_EQ(got->Bytes, last[s.stranger].Bytes);
                EXPECT_EQ(got->FromPort, session);
                break;
            }
            case Quiet: EXPECT_FALSE(client.Receive(s.block)); break;
            case Settle:
                while (const auto got = client.Receive(kQuiet))
                    ASSERT_EQ(got->Bytes, last[s.stranger].Bytes);
                break;
            }
        }
        ASSERT_TRUE(WaitForSessionsGone());
        // Each record carries the request; sessions are numbered from 0 on.
        std::vector<int> codes;
        for (std::size_t i = first; i < status.Records.size(); ++i) {
            const KwTFTPMsg& r = status.Records[i];
            codes.push_back(r.Code);
            EXPECT_EQ(r.SessionNumber, sessions);
            EXPECT_EQ(r.Opcode, request->opcode);
            EXPECT_EQ(r.FileName, AnsiString(request->text.c_str()));
            EXPECT_EQ(r.Mode, AnsiString(request->mode.c_str()));
            EXPECT_EQ(r.ClientAddress, AnsiString("127.0.0.1"));
            EXPECT_EQ(r.ClientPort, clients[0].Port());
            EXPECT_EQ(r.ServerPort, port);
            EXPECT_EQ(r.Text, TFTPStatusText(r.Code));
        }
        sessions += !codes.empty();
        EXPECT_EQ(codes, c.codes);
        if (!codes.empty() && codes.end()[-2] == TFTP_SUCCESS) {
            const KwTFTPMsg& end = status.Records.back();
            const std::string moved = request->opcode == 2 ? ReadFileBytes(root / request->text) : received;
            EXPECT_EQ(end.Bytes, static_cast<int>(moved.size()));
            EXPECT_EQ(end.LastBlockSize, static_cast<int>(moved.size() % 512));
            if (request->opcode == 1) {
                EXPECT_TRUE(received == ReadFileBytes(root / request->text)) << "the read did not deliver the file whole";
            }
        }
        std::vector<std::string> names;
        for (const auto& [name, bytes] : c.after) {
            names.push_back(name.back() == '/' ? name.substr(0, name.size() - 1) : name);
            if (name.back() != '/') {
                EXPECT_TRUE(ReadFileBytes(root / name) == bytes) << name;
            }
        }
        EXPECT_EQ(FolderNames(root), names);
    }
    int sessions = 0;  // made so far
};

class ProtocolCase : public Protocol, public ::testing::WithParamInterface<Case> {};

TEST_P(ProtocolCase, Exchange) { Run(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, ProtocolCase, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST_F(Protocol, NamesOutsideTheFolderAreRefusedAndNothingOutsideIsTouched)
{
    TempFolder outside;
    WriteFileBytes(outside / "secret", "outside");
    const std::string up = "../" + outside.Path().substr(outside.Path().rfind('/') + 1) + "/secret";
    for (const std::string& name : {up, outside / "secret", std::string(".."), std::string("a/b"), std::string("a\\b"),
                                    std::string("C:secret"), std::string("..\\secret"), std::string()})
        for (const Step& request : {Rrq(name), Wrq(name)}) {
            SCOPED_TRACE(name);
            Run({"", {}, {request, Hear(5, 2), Data(1, "evil")}, {1, -1103, 0}, {}});
        }
    EXPECT_EQ(ReadFileBytes(outside / "secret"), "outside");
    EXPECT_EQ(FolderNames(outside), std::vector<std::string>{"secret"});
}

TEST_F(Protocol, ReadErrorEndsWithAnErrorNotSuccess)
{
    server->Start("/proc/self", port);  // reading this process's memory at offset 0 fails
    Run({"", {}, {Rrq("mem"), Hear(5, 0)}, {1, -1101, 0}, {}});
}

TEST_F(Protocol, HandlerCancelStopsTheTransferWithoutAPacket)
{
    status.Also = [](KwTFTPMsg& msg, bool& cancel) { cancel = cancel || msg.Code == TFTP_TRANSFERRING; };
    Run({"", {{"c.bin", k1500}}, {Rrq("c.bin"), Hear(3, 1), Ack(1), Settled()}, {1, 2, -1114, 0}, {{"c.bin", k1500}}});
}

TEST_F(Protocol, AThrowingHandlerIsReportedAndTheTransferGoesOn)
{
    int reported = 0;
    SetHandlerExceptionSink([&](std::exception_ptr) { ++reported; });
    status.Also = [](KwTFTPMsg& msg, bool&) {
        if (msg.Code == TFTP_CONNECTED)
            throw std::runtime_error("handler failure");
    };
    Run({"", {{"t.txt", "text"}}, {Rrq("t.txt"), Hear(3, 1), Ack(1)}, {1, 2, 3, 0}, {{"t.txt", "text"}}});
    SetHandlerExceptionSink(nullptr);
    EXPECT_EQ(reported, 1);
}

// A handler may delete the server on any status: nothing is reported after, and nothing
// sent but the ERROR that ends a transfer under way.
TEST_F(Protocol, AHandlerMayDeleteTheServer)
{
    WriteFileBytes(root / "gone.bin", k600);
    for (int sendCount : {0, 2}) {  // on connecting; during the check's retransmission
        SCOPED_TRACE(sendCount);
        StartServer();
        status = StatusRecorder();
        status.Also = [this, sendCount](KwTFTPMsg& msg, bool&) {
            if (sendCount == 0 ? msg.Code == TFTP_CONNECTED : msg.Code == TFTP_TRANSFERRING && msg.SendCount == sendCount)
                server.reset();
        };
        RawTftpClient client;
        client.SendRequest(port, 1, "gone.bin");
        ASSERT_TRUE(PumpUntil([&] { return !server; }, kWait));
        const std::size_t reported = status.Codes.size();
        int packets = 0;
        while (client.Receive(kQuiet))
            ++packets;
        EXPECT_EQ(status.Codes.size(), reported);
        if (sendCount == 0) {
            EXPECT_EQ(packets, 0);
        }
        EXPECT_EQ(status.Last(), sendCount == 0 ? TFTP_CONNECTED : TFTP_TRANSFERRING);
    }
}
