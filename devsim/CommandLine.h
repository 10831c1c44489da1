#pragma once
// devsim's command line:
//
//   devsim --port N --state FILE [--config FILE] [--journal FILE]
//          [--control PATH] [--dir DIR]
//
// --port     UDP port on 127.0.0.1 (1..65535)
// --state    state file (variables and values, see StateLine.h)
// --config   access configuration (communities, USM users, see DeviceConfig.h)
// --journal  request journal, appended to (see Journal.h)
// --control  path of the control socket (Unix stream socket, see ControlCommands.h)
// --dir      folder for net-snmp's own files; a fresh temporary folder,
//            removed at exit, when not given
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
    std::string statePath;
    std::string configPath;
    std::string journalPath;
    std::string controlPath;
    std::string workDir;
};

// Throws UsageError naming the fault.
Options parseCommandLine(const std::vector<std::string>& arguments);

const char* usageText();

} // namespace devsim
