#pragma once
// Shared set-up of the Home / Information tests: one agent (snmpd or the simulated
// device) per test, the library session opened as the main window opens it, the
// session defaults aimed at the agent, and the form opened through its menu handler.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "DevsimPeer.h"
#include "FormTestRoad.h"
#include "Information.h"
#include "QtPump.h"
#include "ScriptedDialogs.h"
#include "SnmpdPeer.h"

namespace information_test {

enum class PeerKind { Snmpd, Devsim };

struct Road {
    PeerKind Peer;
    int Version;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3 (authPriv user)
};
std::string RoadName(const ::testing::TestParamInfo<Road>& info);

// One running agent of either kind.
class Agent {
public:
    explicit Agent(PeerKind kind) : kind_(kind) {}
    bool Start(std::string* error);
    void Stop();
    unsigned short Port() const;
    std::string PeerName() const;
    vka_test::DevsimPeer* Devsim() { return kind_ == PeerKind::Devsim ? &devsim_ : nullptr; }

private:
    PeerKind kind_;
    vka_test::SnmpdPeer snmpd_;
    vka_test::DevsimPeer devsim_;
};

// The session is opened and aimed as every form test does it (FormTestRoad.h); the
// SNMPv3 user there is the one both agents know.
using vka_test::AimFormSession;
using vka_test::OpenFormSession;

using vka_test::Pump;
using vka_test::PumpUntil;

// Opens Home / Information through the main menu's item and runs `body` inside the modal
// loop, then closes the form. Checks that the handler deleted the form.
void RunInForm(const std::function<void(TFM_Information& form)>& body);

// snmpget / snmpset of net-snmp over v2c with the test communities. The value is
// printed as snmpget prints it without its quotes (an empty string gives "").
std::string ToolGet(const std::string& peer, const std::string& oid);
bool ToolSetString(const std::string& peer, const std::string& oid, const std::string& value);

inline const std::string SysDescr = "1.3.6.1.2.1.1.1.0";
inline const std::string SysObjectId = "1.3.6.1.2.1.1.2.0";
inline const std::string SysContact = "1.3.6.1.2.1.1.4.0";
inline const std::string SysName = "1.3.6.1.2.1.1.5.0";
inline const std::string SysLocation = "1.3.6.1.2.1.1.6.0";

// A test with one agent of the road's kind, started before and stopped after it.
class InformationRoad : public ::testing::TestWithParam<Road> {
protected:
    void SetUp() override;
    void TearDown() override;
    // Waits for the form's first read; fails the test when it does not come.
    static bool WaitForRead(TFM_Information& form);
    static std::string Status(TFM_Information& form);
    // SET requests the simulated device has received (every request for snmpd: none
    // are journalled, so it gives -1).
    int DevsimSetCount();

    std::unique_ptr<Agent> agent;
    InstalledScriptedDialogs dialogs;
};

} // namespace information_test
