#include "SnmpdPeer.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "FreePort.h"

namespace vka_test {

namespace {

const char* const kConfig =
    "# Private test agent: loopback only, no machine configuration.\n"
    "view all included .1\n"
    "rocommunity orchid 127.0.0.1 -V all\n"
    "rwcommunity thunder 127.0.0.1 -V all\n"
    "createUser noauthuser\n"
    "createUser md5user MD5 md5password\n"
    "createUser shauser SHA shapassword\n"
    "createUser md5des MD5 md5password DES despassword\n"
    "createUser shades SHA shapassword DES despassword\n"
    "createUser shaaes SHA shapassword AES aespassword\n"
    "rwuser noauthuser noauth -V all\n"
    "rwuser md5user auth -V all\n"
    "rwuser shauser auth -V all\n"
    "rwuser md5des priv -V all\n"
    "rwuser shades priv -V all\n"
    "rwuser shaaes priv -V all\n"
    "sysServices 72\n";

}

SnmpdPeer::~SnmpdPeer()
{
    Stop();
}

std::string SnmpdPeer::Log() const
{
    std::ifstream in(dir_ + "/snmpd.log");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool SnmpdPeer::Start(std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error) *error = why + (dir_.empty() ? "" : "\n" + Log());
        Stop();
        return false;
    };
    if (pid_ > 0) return true;
    if (!MakeFolder("vka-snmpd")) return fail("cannot create a temporary folder");
    std::filesystem::create_directories(dir_ + "/persist");
    std::filesystem::create_directories(dir_ + "/home");
    {
        std::ofstream conf(dir_ + "/snmpd.conf");
        conf << kConfig;
        if (!conf) return fail("cannot write snmpd.conf");
    }

    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = FreeUdpPort();
        if (port_ == 0) return fail("no free UDP port");
        std::string listen = "udp:127.0.0.1:" + std::to_string(port_);
        std::vector<std::string> args = {"/usr/sbin/snmpd", "-f", "-Lf", dir_ + "/snmpd.log", "-C", "-c",
                                         dir_ + "/snmpd.conf", "-I", "-smux", "-p", dir_ + "/snmpd.pid", listen};
        std::vector<std::string> env = {"SNMPCONFPATH=" + dir_, "SNMP_PERSISTENT_DIR=" + dir_ + "/persist",
                                        "SNMP_PERSISTENT_FILE=" + dir_ + "/persist/snmpd.conf",
                                        "HOME=" + dir_ + "/home", "MIBS=", "MIBDIRS=" + dir_,
                                        "PATH=/usr/sbin:/usr/bin:/bin"};
        if (!Spawn(args, "", env))
            return fail("cannot start /usr/sbin/snmpd");
        // Ready once snmpd holds its port and has logged its start.
        int status = 0;
        if (WaitReady([&] { return UdpPortInUse(port_) && Log().find("NET-SNMP version") != std::string::npos; }, 10,
                      &status))
            return true;
        if (pid_ > 0) return fail("snmpd did not start listening on " + listen);
        // The port was taken between choosing and binding it: try another.
    }
    return fail("snmpd exited at start");
}

void SnmpdPeer::Stop()
{
    EndAndClean(2000, true);
}

}
