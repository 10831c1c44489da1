#pragma once
// What every settings-form test needs: a QApplication, the library session opened once
// per process, the session aimed at a simulated device over the road's SNMP version,
// the form opened through the main menu's item and closed again, and the device's
// journal read request by request.
//
//   class WidgetTest : public vka_test::FormRoad {};
//   TEST_P(WidgetTest, SavesTheName) {
//       RunMenuForm<TFM_Widget>("Widget1", FM_Widget, [&](TFM_Widget& form) { ... });
//       EXPECT_EQ(Sets().size(), 1u);
//   }
//   INSTANTIATE_TEST_SUITE_P(Roads, WidgetTest, vka_test::AllVersions(), vka_test::VersionName);
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DevsimPeer.h"
#include "EnvironmentOverride.h"
#include "FreePort.h"
#include "MenuForms.h"
#include "QtPump.h"
#include "QtTestEnvironment.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

namespace vka_test {

// The SNMPv3 user the simulated device knows in these tests: SHA and DES, authPriv.
extern const char* const FormV3User;
extern const char* const FormV3AuthPass;
extern const char* const FormV3PrivPass;

// 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3.
::testing::internal::ValueArray<int, int, int> AllVersions();
std::string VersionName(const ::testing::TestParamInfo<int>& info);

// The simulated device's default state file (devsim/state/vka7410-default.state).
std::string DefaultStateText();

// Opens the library session once per process (boots counter in a temporary folder).
void OpenFormSession();
// Aims the session defaults at 127.0.0.1:port with the version's security, as the main
// window's start-up does from its command line ("orchid"/"thunder" communities).
void AimFormSession(unsigned short port, int version);

// Opens the form through the main menu's item and runs `body` inside its modal loop,
// then closes it. Checks that the menu had an opener, that the loop ran and that the
// global pointer is null afterwards.
void RunMenuItem(const char* itemName, const std::function<void()>& body, const std::function<bool()>& globalIsNull);

template <class T>
void RunMenuForm(const char* itemName, T*& global, const std::function<void(T& form)>& body)
{
    RunMenuItem(
        itemName, [&] { if (global) body(*global); }, [&] { return global == nullptr; });
}

// A test with one simulated device (started with the test's state text, if any), the
// session aimed at it over the parameter's version, and scripted dialogs. Each test has
// a port of its own for the forms' TFTP server (VKA7410_TFTP_PORT, reserved; the device
// is told it) and per-user folders of its own (HOME, XDG_STATE_HOME): no form it opens
// binds a fixed port or writes under the real home folder.
class FormRoad : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override;
    void TearDown() override;
    // The state devsim starts with: the device's default state (every catalogue
    // variable); a test overrides it to add or change lines.
    virtual std::string StateText() const { return DefaultStateText(); }
    // The SNMP version of the road (0, 1, 3): the parameter, unless it carries more.
    virtual int Version() const { return GetParam(); }
    // Lines added to the device's configuration.
    virtual std::string ExtraConfig() const { return ""; }
    // The test's XDG_STATE_HOME (the module's data folder is "vka7410" in it).
    std::string StateHome() const { return home_ / ".local/state"; }

    // The device's requests of one kind (GET, GETNEXT, GETBULK, SET), in order.
    std::vector<DevsimJournalEntry> Requests(const std::string& kind) const;
    std::vector<DevsimJournalEntry> Sets() const { return Requests("SET"); }
    // "OID TYPE VALUE" of every binding the device was sent in a set, in order.
    std::vector<std::string> SentBindings() const;
    // The same from binding `from` on (a count taken earlier from SentBindings()).
    std::vector<std::string> SetsSince(std::size_t from) const;
    // The value devsim holds now ("TYPE value"), as DevsimPeer::GetValue.
    std::string DeviceValue(const std::string& oid) const { return devsim.GetValue(oid); }

    DevsimPeer devsim;
    InstalledScriptedDialogs dialogs;
    unsigned short tftpPort = 0;

private:
    ReservedUdpPort tftpReservation_;
    TempFolder home_{"vka-form-home"};
    EnvironmentOverride environment_;
};

}  // namespace vka_test
