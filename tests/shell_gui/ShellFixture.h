#pragma once
// Shared set-up of the shell's GUI tests: a fresh working folder (the boots counter
// file lands there) and registry file per test, scripted dialogs, the simulated device
// on a free loopback port, and main windows started with a command line as the host
// system starts the module.
#include "DevsimPeer.h"
#include "Main.h"
#include "QtPump.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace shell_test {

using vka_test::Pump;
using vka_test::PumpUntil;

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
// A registry file string: in quotes, '\\' and '"' escaped.
std::string RegistryString(const std::string& value);

// Journal requests of a kind whose first binding is `oid`.
std::vector<vka_test::DevsimJournalEntry> RequestsFor(const vka_test::DevsimPeer& device,
                                                      const std::string& kind, const std::string& oid);

inline const std::string SysDescr0 = "1.3.6.1.2.1.1.1.0";
inline const std::string RebootCommand0 = "1.3.6.1.4.1.32473.10.37.37.4.3.2.4.0";
inline const std::string ApMode = "1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.18.1";

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the device with the default state, these communities and further
    // configuration lines (SNMPv3 users).
    void StartDevice(const std::string& readCommunity = "orchid",
                     const std::string& writeCommunity = "thunder", const std::string& moreConfig = "");

    // The registry file with the module's help path and the profile folder.
    void WriteRegistry(const std::string& helpPath, const std::string& profileFolder);
    // "<profile folder><address>.cfg", section "Program Information".
    void WriteProfile(const std::string& address, const std::string& keys);
    // A profile that aims the device's address at the running device.
    void WriteDeviceProfile(const std::string& address, const std::string& extraKeys = "");

    // Creates a main window with this command line and runs its start-up.
    // `prepare` runs between the constructor and the start-up.
    TMainForm* Open(const std::vector<std::string>& arguments,
                    const std::function<void(TMainForm*)>& prepare = nullptr);
    // The device's address as the module gets it: "127.0.0.1/<port>". The port makes
    // the window caption, and so the single-instance name, unique to this test, so
    // that test programs running side by side do not refuse each other.
    std::string Address() const { return "127.0.0.1/" + std::to_string(device.Port()); }
    // The usual start: the device's address and communities.
    TMainForm* OpenOnDevice(const std::function<void(TMainForm*)>& prepare = nullptr);

    std::string folder;       // the working folder, with a trailing '/'
    std::string profiles;     // the profile folder, with a trailing '/'
    vka_test::DevsimPeer device;
    InstalledScriptedDialogs dialogs;
    std::vector<TMainForm*> forms;

private:
    std::string previousFolder_;
};

}  // namespace shell_test
