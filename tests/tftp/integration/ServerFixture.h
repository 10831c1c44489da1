#pragma once
// A started TFTP server on a free loopback port serving a temporary folder, with
// every status it reports recorded; clients get a second folder of their own.
#include "KwTFTPServer.h"
#include "RawTftpClient.h"
#include "StatusRecorder.h"
#include "TftpTestFiles.h"
#include "TftpTestLoop.h"

#include <gtest/gtest.h>
#include <memory>

constexpr int kWait = 5000;  // generous bound for a packet that must come
constexpr int kQuiet = 150;  // a packet that must not come stays away this long

inline int OpcodeOf(const std::optional<RawPacket>& p) { return p ? p->Opcode() : -1; }

class ServerFixture : public ::testing::Test {
protected:
    // Time-out in 10 ms units: short, so lost packets heal quickly.
    void StartServer(int timeout = 50, int retries = 3)
    {
        EnsureCoreApplication();
        server = std::make_unique<KwTFTPServer>(nullptr);
        server->SetListenAddress("127.0.0.1");
        server->SetTimeout(timeout, retries);
        server->SetOnStatus(status.Handler());
        port = FreeUdpPort();
        server->Start(AnsiString(root.Path()), port);
    }
    void SetUp() override { StartServer(); }
    void TearDown() override
    {
        if (server)
            server->Stop();
        server.reset();
    }

    // Waits until every session has reported its end (status 0 after the last).
    bool WaitForSessionsGone(int maxMs = 20000)
    {
        return PumpUntil([&] { return server->SessionCount() == 0; }, maxMs);
    }
    // Reads a file of one block: its bytes, or "error N" for an ERROR.
    std::string Fetch(const std::string& name)
    {
        RawTftpClient client;
        client.SendRequest(port, 1, name);
        const auto reply = client.Receive(kWait);
        if (OpcodeOf(reply) == 3)
            client.SendAck(reply->FromPort, 1);
        return OpcodeOf(reply) == 3 ? reply->Payload() : "error " + std::to_string(reply ? reply->Block() : -1);
    }
    // The codes reported by the session with the given serial.
    std::vector<int> CodesOfSession(int number) const
    {
        std::vector<int> codes;
        for (const KwTFTPMsg& record : status.Records)
            if (record.SessionNumber == number)
                codes.push_back(record.Code);
        return codes;
    }

    TempFolder root;
    TempFolder local;
    StatusRecorder status;
    std::unique_ptr<KwTFTPServer> server;
    std::uint16_t port = 0;
};
