// SNMPv3 engine discovery happens once per target session, not per request:
// a counting relay between the engine and snmpd sees one datagram per request
// once the session is open.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "SnmpTestSession.h"

using namespace snmp_test;

namespace {

class CountingRelay {
public:
    explicit CountingRelay(unsigned short agentPort)
    {
        front_ = Bind();
        back_ = Bind();
        agent_.sin_family = AF_INET;
        agent_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        agent_.sin_port = htons(agentPort);
        sockaddr_in self{};
        socklen_t len = sizeof self;
        getsockname(front_, reinterpret_cast<sockaddr*>(&self), &len);
        port_ = ntohs(self.sin_port);
        thread_ = std::thread([this] { Run(); });
    }
    ~CountingRelay()
    {
        stop_ = true;
        thread_.join();
        close(front_);
        close(back_);
    }
    std::string AddressWithPort() const { return "127.0.0.1/" + std::to_string(port_); }
    int Requests() const { return requests_; }

private:
    static int Bind()
    {
        int fd = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        return fd;
    }
    void Run()
    {
        std::string buffer(65536, '\0');
        sockaddr_in client{};
        while (!stop_) {
            pollfd fds[2] = {{front_, POLLIN, 0}, {back_, POLLIN, 0}};
            if (poll(fds, 2, 20) <= 0) continue;
            if (fds[0].revents & POLLIN) {
                socklen_t len = sizeof client;
                ssize_t n = recvfrom(front_, &buffer[0], buffer.size(), 0, reinterpret_cast<sockaddr*>(&client), &len);
                if (n > 0) {
                    ++requests_;
                    sendto(back_, buffer.data(), n, 0, reinterpret_cast<sockaddr*>(&agent_), sizeof agent_);
                }
            }
            if (fds[1].revents & POLLIN) {
                ssize_t n = recv(back_, &buffer[0], buffer.size(), 0);
                if (n > 0) sendto(front_, buffer.data(), n, 0, reinterpret_cast<sockaddr*>(&client), sizeof client);
            }
        }
    }
    int front_ = -1, back_ = -1;
    unsigned short port_ = 0;
    sockaddr_in agent_{};
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

using Discovery = SnmpdTest;

TEST_F(Discovery, HappensOnceForManyRequests)
{
    CountingRelay relay(peer.Port());
    ASSERT_EQ(snmp->usmAddUserName("shaaes", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_AES128, "shapassword",
                                   "aespassword"), SNMPv3_USM_OK);
    UTarget target = UserTarget(relay.AddressWithPort(), "shaaes");
    Pdu first = OnePdu(kSysDescr, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    ASSERT_EQ(snmp->get(first, target), SNMP_CLASS_SUCCESS);
    int afterFirst = relay.Requests();
    EXPECT_GE(afterFirst, 2) << "discovery, then the request";

    for (int i = 0; i < 4; ++i) {
        Pdu pdu = OnePdu(kSysName, SNMP_SECURITY_LEVEL_AUTH_PRIV);
        ASSERT_EQ(snmp->get(pdu, target), SNMP_CLASS_SUCCESS);
    }
    AsyncResult result;
    Pdu async = OnePdu(kSysName, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    ASSERT_EQ(snmp->get(async, target, RecordCallback, &result), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(PumpUntil(*snmp, [&] { return result.calls > 0; }));
    EXPECT_EQ(result.reason, SNMP_CLASS_ASYNC_RESPONSE);
    EXPECT_EQ(relay.Requests(), afterFirst + 5);
    EXPECT_EQ(snmp->sessions_opened(), 1u);
}

}

// One user name on two agents: each agent keeps its own session, so going back
// and forth neither repeats discovery nor ends the other agent's requests.
TEST_F(Discovery, SameUserOnTwoAgentsKeepsBothSessions)
{
    vka_test::SnmpdPeer second;
    std::string error;
    ASSERT_TRUE(second.Start(&error)) << error;
    ASSERT_EQ(snmp->usmAddUserName("shaaes", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_AES128, "shapassword",
                                   "aespassword"), SNMPv3_USM_OK);
    UTarget first = UserTarget(peer.AddressWithPort(), "shaaes");
    UTarget other = UserTarget(second.AddressWithPort(), "shaaes");
    for (int round = 0; round < 2; ++round) {
        Pdu a = OnePdu(kSysName, SNMP_SECURITY_LEVEL_AUTH_PRIV);
        ASSERT_EQ(snmp->get(a, first), SNMP_CLASS_SUCCESS);
        Pdu b = OnePdu(kSysName, SNMP_SECURITY_LEVEL_AUTH_PRIV);
        ASSERT_EQ(snmp->get(b, other), SNMP_CLASS_SUCCESS);
    }
    EXPECT_EQ(snmp->sessions_opened(), 2u);

    // A request still outstanding at the first agent survives one made at the second.
    AsyncResult result;
    Pdu async = OnePdu(kSysDescr, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    ASSERT_EQ(snmp->get(async, first, RecordCallback, &result), SNMP_CLASS_SUCCESS);
    Pdu sync = OnePdu(kSysName, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    ASSERT_EQ(snmp->get(sync, other), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(PumpUntil(*snmp, [&] { return result.calls > 0; }));
    EXPECT_EQ(result.reason, SNMP_CLASS_ASYNC_RESPONSE);
}
