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

#include "LoopbackAgent.h"

namespace vka_test {

class SnmpdPeer : public LoopbackAgent {
public:
    SnmpdPeer() = default;
    ~SnmpdPeer();

    // Starts snmpd and waits (up to ~10 s) until it listens. On failure returns
    // false with the reason (and snmpd's output) in *error.
    bool Start(std::string* error = nullptr);
    void Stop();

private:
    std::string Log() const;
};

}
