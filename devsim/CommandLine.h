#pragma once
// devsim's command line:
//
//   devsim --port N --state FILE [--config FILE] [--journal FILE]
//          [--control PATH] [--dir DIR] [--address A]
//   devsim --help
//
// --port     UDP port (1..65535)
// --address  the loopback address to answer on (127.x.y.z), 127.0.0.1 by default
// --state    state file (variables and values, see StateLine.h)
// --config   access configuration (communities, USM users, see DeviceConfig.h)
// --journal  request journal, appended to (see Journal.h)
// --control  path of the control socket (Unix stream socket, see ControlCommands.h)
// --dir      folder for net-snmp's own files and the device's; it must exist
//            (a relative one is taken from the current folder); a fresh
//            temporary folder, removed at exit, when not given
// --help     the full usage (helpText) on stdout
#include <stdexcept>
#include <string>
#include <vector>

namespace devsim {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Options {
    int port = 0;
    std::string address = "127.0.0.1";
    std::string statePath;
    std::string configPath;
    std::string journalPath;
    std::string controlPath;
    std::string workDir;
    bool help = false;  // --help anywhere: nothing else counts
};

// Throws UsageError naming the fault.
Options parseCommandLine(const std::vector<std::string>& arguments);

// One line, shown with a fault on the command line.
const char* usageText();
// Options, configuration file keys and where the device's state comes from.
const char* helpText();

} // namespace devsim
