#pragma once
// The device's access configuration file, one setting a line ('#' starts a
// comment line):
//
//   read-community NAME          (default "orchid" when none is given)
//   write-community NAME         (default "thunder" when none is given)
//   user NAME noAuthNoPriv [readonly]
//   user NAME authNoPriv MD5|SHA AUTHPASS [readonly]
//   user NAME authPriv MD5|SHA AUTHPASS DES|AES PRIVPASS [readonly]
//   restart-silence SECONDS      (silence after a restart or factory reset
//                                 command; default 0: none)
//   tftp-client tftp-hpa|atftp   (the TFTP client program the file commands
//                                 run; default tftp-hpa)
//   tftp-port N                  (the port of the module's TFTP server the
//                                 file commands use; default 69)
//   log-upload after-reply|before-reply
//                                (when systemLogGetLog = 1 sends the log:
//                                 once the reply has gone out (default), or
//                                 before the device answers the set)
//
// A user's level is the least it must use; users may read and write unless
// marked readonly. Pass phrases hold 8 to 1023 bytes, anything but blanks.
#include <stdexcept>
#include <string>
#include <vector>

namespace devsim {

class ConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class SecurityLevel { NoAuthNoPriv, AuthNoPriv, AuthPriv };

struct UsmUser {
    std::string name;
    SecurityLevel level = SecurityLevel::NoAuthNoPriv;
    std::string authProtocol;   // "MD5" or "SHA"
    std::string authPass;
    std::string privProtocol;   // "DES" or "AES"
    std::string privPass;
    bool readOnly = false;
};

struct DeviceConfig {
    std::vector<std::string> readCommunities;
    std::vector<std::string> writeCommunities;
    std::vector<UsmUser> users;
    unsigned restartSilenceSeconds = 0;
    std::string tftpClient = "tftp-hpa";   // or "atftp"
    int tftpPort = 69;
    bool logBeforeReply = false;
};

// Defaults only (no file).
DeviceConfig defaultDeviceConfig();

// Throws ConfigError "<name>: line N: <reason>".
DeviceConfig parseDeviceConfig(const std::string& text, const std::string& name);
DeviceConfig loadDeviceConfig(const std::string& path);

} // namespace devsim
