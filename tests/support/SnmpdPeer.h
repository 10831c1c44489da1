// A private net-snmp snmpd on 127.0.0.1:<free port> for integration tests.
// Its configuration, persistent folder and home are in a fresh temporary folder;
// it reads nothing of the machine's SNMP set-up and runs without SMUX.
//
// Access:
//   v1/v2c: read community "orchid", write community "thunder", whole tree.
//   v3 (pass phrases as named), all read-write on the whole tree:
//     "noauthuser"  noAuthNoPriv
//     "md5user"     MD5 "md5password"  (authNoPriv)
//     "shauser"     SHA "shapassword"  (authNoPriv)
//     "md5des"      MD5 "md5password", DES "despassword"
//     "shades"      SHA "shapassword", DES "despassword"
//     "shaaes"      SHA "shapassword", AES "aespassword"
// sysContact.0, sysName.0 and sysLocation.0 are writable; sysDescr.0 is not.
#pragma once
#include <string>
#include <sys/types.h>

namespace vka_test {

class SnmpdPeer {
public:
    SnmpdPeer() = default;
    ~SnmpdPeer();
    SnmpdPeer(const SnmpdPeer&) = delete;
    SnmpdPeer& operator=(const SnmpdPeer&) = delete;

    // Starts snmpd and waits (up to ~10 s) until it listens. On failure returns
    // false with the reason (and snmpd's output) in *error.
    bool Start(std::string* error = nullptr);
    void Stop();
    bool Running() const { return pid_ > 0; }

    unsigned short Port() const { return port_; }
    std::string Address() const { return "127.0.0.1"; }
    // "127.0.0.1/<port>", as UdpAddress reads and prints it.
    std::string AddressWithPort() const { return Address() + "/" + std::to_string(port_); }
    // net-snmp tools' peer form, "udp:127.0.0.1:<port>".
    std::string PeerName() const { return "udp:127.0.0.1:" + std::to_string(port_); }
    const std::string& Folder() const { return dir_; }

private:
    std::string Log() const;
    pid_t pid_ = -1;
    unsigned short port_ = 0;
    std::string dir_;
};

}
