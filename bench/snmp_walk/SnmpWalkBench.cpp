// Walk benchmark: the SNMP engine layer against net-snmp's snmpwalk.
//
// Starts a private snmpd on a free loopback port, walks its MIB-II subtree
// (1.3.6.1.2.1, some thousand bindings) with one get-next per binding, first
// through our layer and then with /usr/bin/snmpwalk on the same agent, for
// SNMPv2c and for SNMPv3 authPriv (SHA + AES), and prints the times and the
// ratio ours / snmpwalk measured in this one run. Nothing is asserted.
//
// Run by hand after building with VKA_BENCH=ON (the default):
//   cmake --build <build> --target bench_snmp_walk
//   <build>/bench/snmp_walk/bench_snmp_walk [subtree] [rounds]
// e.g. bench_snmp_walk 1.3.6.1.2.1 3
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "SnmpdPeer.h"
#include "snmp_pp.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One get-next per binding until the walk leaves the subtree; returns bindings.
long WalkOurs(Snmp& snmp, const SnmpTarget& target, const Oid& root, int level)
{
    long count = 0;
    Oid next = root;
    while (true) {
        Pdu pdu;
        pdu += Vb(next);
        pdu.set_security_level(level);
        if (snmp.get_next(pdu, target) != SNMP_CLASS_SUCCESS) break;
        const Vb& vb = pdu[0];
        if (vb.get_exception_status() || vb.get_oid().nCompare(root.len(), root) != 0) break;
        if (!(next < vb.get_oid())) break;
        std::string text = vb.get_printable_value();   // as the library reads every value
        (void)text;
        next = vb.get_oid();
        ++count;
    }
    return count;
}

long WalkTool(const std::string& arguments, const std::string& privateHome)
{
    std::string command = "env -i HOME=" + privateHome + " SNMPCONFPATH=" + privateHome + " MIBS= MIBDIRS=" + privateHome
        + " /usr/bin/snmpwalk -On -Oq " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    long lines = 0;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) ++lines;
    pclose(pipe);
    return lines;
}

void Compare(const char* name, Snmp& snmp, const SnmpTarget& target, int level, const std::string& toolArguments,
             const Oid& root, int rounds, const std::string& home)
{
    double ours = 0, tool = 0;
    long oursCount = 0, toolCount = 0;
    for (int i = 0; i < rounds; ++i) {
        auto start = Clock::now();
        oursCount = WalkOurs(snmp, target, root, level);
        ours += Seconds(start);
        start = Clock::now();
        toolCount = WalkTool(toolArguments + " " + root.get_printable(), home);
        tool += Seconds(start);
    }
    std::printf("%-22s ours %6ld bindings %8.3f s | snmpwalk %6ld bindings %8.3f s | ratio ours/snmpwalk %.2f\n",
                name, oursCount, ours / rounds, toolCount, tool / rounds, tool > 0 ? ours / tool : 0.0);
}

}

int main(int argc, char** argv)
{
    Oid root(argc > 1 ? argv[1] : "1.3.6.1.2.1");
    int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    if (!root.valid() || rounds < 1) {
        std::fprintf(stderr, "usage: %s [subtree] [rounds]\n", argv[0]);
        return 2;
    }
    vka_test::SnmpdPeer peer;
    std::string error;
    if (!peer.Start(&error)) {
        std::fprintf(stderr, "snmpd did not start: %s\n", error.c_str());
        return 1;
    }
    std::string home = peer.Folder() + "/home";

    int status = 0;
    Snmp snmp(status);
    if (status != SNMP_CLASS_SUCCESS || snmp.mpInit("KwSNMP_PP_Application", 1) != SNMPv3_MP_OK) {
        std::fprintf(stderr, "engine did not start\n");
        return 1;
    }

    CTarget community(UdpAddress(peer.AddressWithPort()));
    community.set_version(version2c);
    community.set_readcommunity("orchid");
    community.set_timeout(100);
    community.set_retry(1);
    Compare("v2c", snmp, community, SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV, "-v2c -c orchid " + peer.PeerName(), root,
            rounds, home);

    snmp.usmAddUserName("shaaes", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_AES128, "shapassword", "aespassword");
    UTarget user(UdpAddress(peer.AddressWithPort()));
    user.set_security_name("shaaes");
    user.set_timeout(100);
    user.set_retry(1);
    Compare("v3 authPriv SHA+AES", snmp, user, SNMP_SECURITY_LEVEL_AUTH_PRIV,
            "-v3 -l authPriv -u shaaes -a SHA -A shapassword -x AES -X aespassword " + peer.PeerName(), root, rounds,
            home);
    return 0;
}
