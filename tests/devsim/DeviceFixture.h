// A running simulated device with a small state of the VKA-7410's own kind,
// for the tests that talk to it with net-snmp's tools.
#pragma once
#include <gtest/gtest.h>

#include "DevsimPeer.h"
#include "SnmpTools.h"

namespace devsim_test {

// The device's private subtree, P37 of the catalogue.
inline const std::string kP37 = "1.3.6.1.4.1.32473.10.37.37";

inline const std::string kApMode = kP37 + ".2.1.3.2.1.1.18.1";            // INTEGER, read-write
inline const std::string kTftpServer = kP37 + ".4.3.2.1.0";               // IPADDRESS, read-write
inline const std::string kTftpFile = kP37 + ".4.3.2.2.0";                 // STRING, read-write
inline const std::string kTftpCommand = kP37 + ".4.3.2.3.0";              // INTEGER, read-write
inline const std::string kFirmware = kP37 + ".5.1.1.0";                   // STRING, read-only
inline const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
inline const std::string kSysUpTime = "1.3.6.1.2.1.1.3.0";
inline const std::string kSysContact = "1.3.6.1.2.1.1.4.0";
inline const std::string kSysName = "1.3.6.1.2.1.1.5.0";
inline const std::string kSysLocation = "1.3.6.1.2.1.1.6.0";

inline std::string SmallState()
{
    return "# a small VKA-7410\n"
           + kApMode + " INTEGER 1\n"
           + kTftpServer + " IPADDRESS 192.168.1.10\n"
           + kTftpFile + " STRING \"config.dcf\"\n"
           + kTftpCommand + " INTEGER 4\n"
           + "ro " + kFirmware + " STRING \"1.2.07\"\n"
           // managerIpAddress table: index, pool start, pool end; two rows
           + kP37 + ".4.10.1.4.1.1.1 INTEGER 1\n"
           + kP37 + ".4.10.1.4.1.1.2 INTEGER 2\n"
           + kP37 + ".4.10.1.4.1.2.1 IPADDRESS 192.168.1.100\n"
           + kP37 + ".4.10.1.4.1.2.2 IPADDRESS 192.168.2.100\n"
           + kP37 + ".4.10.1.4.1.3.1 IPADDRESS 192.168.1.199\n"
           + kP37 + ".4.10.1.4.1.3.2 IPADDRESS 192.168.2.199\n";
}

class Devsim : public ::testing::Test {
protected:
    // Starts the device with `state` and `config` (empty: defaults).
    void StartDevice(const std::string& state = SmallState(), const std::string& config = "")
    {
        device.SetStateText(state);
        device.SetConfigText(config);
        std::string error;
        ASSERT_TRUE(device.Start(&error)) << error;
    }

    ToolRun Tool(const std::string& tool, const std::vector<std::string>& options,
                 const std::vector<std::string>& rest)
    {
        std::vector<std::string> arguments = options;
        arguments.push_back(device.PeerName());
        arguments.insert(arguments.end(), rest.begin(), rest.end());
        return RunTool(tool, arguments);
    }

    // snmpget with the read community over v2c; the one variable's value line.
    ToolVar Get(const std::string& oid, const std::string& community = "orchid")
    {
        const ToolRun run = Tool("snmpget", Community("2c", community), {oid});
        const auto vars = ParseVars(run.output);
        return vars.size() == 1 ? vars[0] : ToolVar{"", "", run.output};
    }

    vka_test::DevsimPeer device;
};

} // namespace devsim_test
