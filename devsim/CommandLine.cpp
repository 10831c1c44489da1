#include "CommandLine.h"

#include <arpa/inet.h>

namespace devsim {

const char* usageText()
{
    return "usage: devsim --port N --state FILE [--config FILE] [--journal FILE] [--control PATH] [--dir DIR]\n"
           "              [--address A]\n"
           "       devsim --help (the options, the configuration file's keys)";
}

const char* helpText()
{
    return R"(usage: devsim --port N --state FILE [--config FILE] [--journal FILE]
              [--control PATH] [--dir DIR] [--address A]
       devsim --help

A simulated VKA-7410 access point: it answers SNMP v1, v2c and v3 on
udp:127.0.0.1:N (or udp:A:N) until it gets SIGTERM or SIGINT, or the control
command "stop".

  --port N        the UDP port (1 to 65535)
  --state FILE    the device's variables and values, one "[flags] OID TYPE VALUE"
                  a line (devsim/state/vka7410-default.state is a whole device).
                  Read once at start; sets change the values in memory only, the
                  file is never written, and a factory reset goes back to it.
  --config FILE   communities, SNMPv3 users and behaviour (keys below);
                  without it the defaults
  --journal FILE  every request received, one line each, appended
  --control PATH  a Unix socket taking control commands, one a line
                  (ping, load FILE, set, get, dump FILE, silent, stop, ...;
                  walk-fault OID genErr|noSuchName|short|noSuchObject|
                  endOfMibView|null|type|oversized|shift|order breaks every walk answer that carries the row OID,
                  walk-fault none ends it; get-fault the same for gets)
  --dir DIR       the folder for net-snmp's files and the device's own (received
                  firmware, its configuration backup and log, tftp-client.out).
                  It must exist: devsim does not make it. A relative DIR is
                  taken from the current folder. Without --dir, a fresh
                  temporary folder, removed at exit.
  --address A     the loopback address to answer on (127.0.0.1 by default);
                  another 127.x.y.z is a device of its own on this machine

Configuration file, one setting a line ("#" starts a comment line):
  read-community NAME         (default orchid)
  write-community NAME        (default thunder)
  user NAME noAuthNoPriv [readonly]
  user NAME authNoPriv MD5|SHA AUTHPASS [readonly]
  user NAME authPriv MD5|SHA AUTHPASS DES|AES PRIVPASS [readonly]
                              Communities and user names: printable ASCII
                              characters without blanks, quotes, backslashes
                              or "#" (user names 1 to 32). Pass phrases: 8 to
                              1023 bytes without blanks; "#", quotes,
                              backslashes and letters outside ASCII are taken
                              as they are.
  restart-silence SECONDS     silent after a restart or factory reset (default 0)
  tftp-client tftp-hpa|atftp  the client the file commands run (default tftp-hpa)
  tftp-port N                 the module's TFTP server port (default 69)
  log-upload after-reply|before-reply
                              when a log request sends the log (default after-reply)

Exit status: 0 stopped, 2 bad command line, 3 bad file or folder, 4 port in use,
5 net-snmp set-up failed. devsim/README.md tells the rest.
)";
}

Options parseCommandLine(const std::vector<std::string>& arguments)
{
    Options options;
    for (const std::string& argument : arguments)
        if (argument == "--help") {
            options.help = true;
            return options;
        }
    bool havePort = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        std::string* target = nullptr;
        if (name == "--state") target = &options.statePath;
        else if (name == "--config") target = &options.configPath;
        else if (name == "--journal") target = &options.journalPath;
        else if (name == "--control") target = &options.controlPath;
        else if (name == "--dir") target = &options.workDir;
        else if (name == "--address") target = &options.address;
        else if (name != "--port") throw UsageError("unknown argument \"" + name + "\"");
        if (i + 1 >= arguments.size() || arguments[i + 1].empty())
            throw UsageError(name + " needs a value");
        const std::string& value = arguments[++i];
        if (target) {
            *target = value;
            continue;
        }
        if (value.size() > 5 || value.find_first_not_of("0123456789") != std::string::npos)
            throw UsageError("--port needs a number from 1 to 65535, not \"" + value + "\"");
        options.port = std::stoi(value);
        if (options.port < 1 || options.port > 65535)
            throw UsageError("--port needs a number from 1 to 65535, not \"" + value + "\"");
        havePort = true;
    }
    if (!havePort)
        throw UsageError("--port is required");
    if (options.statePath.empty())
        throw UsageError("--state is required");
    in_addr address{};
    if (::inet_pton(AF_INET, options.address.c_str(), &address) != 1 || (ntohl(address.s_addr) >> 24) != 127)
        throw UsageError("--address needs a loopback address 127.x.y.z, not \"" + options.address + "\"");
    return options;
}

} // namespace devsim
