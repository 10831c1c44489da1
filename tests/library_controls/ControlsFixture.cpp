#include "TempFolder.h"
#include "ControlsFixture.h"

#include <QApplication>
#include <cstdlib>

#include "KwSNMPSession.h"
#include "QtTestEnvironment.h"
#include "KwSNMPVarList.h"

namespace library_controls {

const char* const LabScalar = "1.3.6.1.4.1.32473.10.37.90.1";
const char* const LabColumn = "1.3.6.1.4.1.32473.10.37.90.2.1";

std::string ScalarOid(int n) { return std::string(LabScalar) + "." + std::to_string(n) + ".0"; }
std::string CellOid(int column, int row)
{
    return std::string(LabColumn) + "." + std::to_string(column) + "." + std::to_string(row);
}

namespace {
const KwIntOption modeTable[] = {{1, "Access Point"}, {2, "WDS with AP"}, {3, "WDS"},
                                 {4, "Wireless Client"}, {0, nullptr}};
const KwIntOption switchTable[] = {{0, "Disable"}, {1, "Enable"}, {0, nullptr}};
const KwIntOption bandTable[] = {{0, "2.4GHz"}, {1, "5GHz"}, {0, nullptr}};

const char* const StateText =
    "1.3.6.1.4.1.32473.10.37.90.1.1.0 STRING \"VKA-Lab\"\n"
    "1.3.6.1.4.1.32473.10.37.90.1.2.0 INTEGER 2\n"
    "1.3.6.1.4.1.32473.10.37.90.1.3.0 INTEGER 1\n"
    "1.3.6.1.4.1.32473.10.37.90.1.4.0 IPADDRESS 192.168.0.50\n"
    "1.3.6.1.4.1.32473.10.37.90.1.5.0 HEX 00 11 22 AA BB CC\n"
    "1.3.6.1.4.1.32473.10.37.90.1.6.0 INTEGER 1\n"
    "1.3.6.1.4.1.32473.10.37.90.1.7.0 INTEGER 100\n"
    "ro 1.3.6.1.4.1.32473.10.37.90.1.8.0 TIMETICKS 8640001\n"
    "1.3.6.1.4.1.32473.10.37.90.1.9.0 HEX 80 40\n"
    "ro 1.3.6.1.4.1.32473.10.37.90.1.10.0 STRING \"1.2.07\"\n"
    "ro 1.3.6.1.4.1.32473.10.37.90.2.1.1.1 INTEGER 1\n"
    "ro 1.3.6.1.4.1.32473.10.37.90.2.1.1.2 INTEGER 2\n"
    "ro 1.3.6.1.4.1.32473.10.37.90.2.1.1.3 INTEGER 3\n"
    "1.3.6.1.4.1.32473.10.37.90.2.1.2.1 STRING \"alpha\"\n"
    "1.3.6.1.4.1.32473.10.37.90.2.1.2.2 STRING \"beta\"\n"
    "1.3.6.1.4.1.32473.10.37.90.2.1.2.3 STRING \"gamma\"\n"
    "1.3.6.1.4.1.32473.10.37.90.2.1.3.1 HEX 00 00 00 00 00 01\n"
    "1.3.6.1.4.1.32473.10.37.90.2.1.3.2 HEX 00 00 00 00 00 02\n"
    "1.3.6.1.4.1.32473.10.37.90.2.1.3.3 HEX 00 00 00 00 00 03\n"
    "1.3.6.1.4.1.32473.10.37.90.2.1.4.1 INTEGER 5\n"
    "1.3.6.1.4.1.32473.10.37.90.2.1.4.2 INTEGER 0\n"
    "1.3.6.1.4.1.32473.10.37.90.2.1.4.3 INTEGER 7\n";

// A descriptor of the lab tree: no expressions, no value yet.
constexpr KwSNMPVar LabVar(const char* oid, const char* name, int syntax, int access, KwOptionList* options = nullptr)
{
    return {oid, name, syntax, access, options, nullptr, nullptr, nullptr, nullptr, nullptr};
}

// Scalars: name, mode, radio switch, address, MAC, band, VLAN, up time, flags, firmware.
const KwSNMPVar scalarTable[] = {
    LabVar("1.3.6.1.4.1.32473.10.37.90.1.1", "labName", SX_DISPLAYSTR, AC_READWRITE),
    LabVar("1.3.6.1.4.1.32473.10.37.90.1.2", "labMode", SX_INTEGER, AC_READWRITE, &ModeOptions),
    LabVar("1.3.6.1.4.1.32473.10.37.90.1.3", "labRadio", SX_INTEGER, AC_READWRITE, &SwitchOptions),
    LabVar("1.3.6.1.4.1.32473.10.37.90.1.4", "labAddress", SX_IPADDRESS, AC_READWRITE),
    LabVar("1.3.6.1.4.1.32473.10.37.90.1.5", "labMac", SX_MACADDRESS, AC_READWRITE),
    LabVar("1.3.6.1.4.1.32473.10.37.90.1.6", "labBand", SX_INTEGER, AC_READWRITE, &BandOptions),
    LabVar("1.3.6.1.4.1.32473.10.37.90.1.7", "labVlan", SX_INTEGER, AC_READWRITE),
    LabVar("1.3.6.1.4.1.32473.10.37.90.1.8", "labUpTime", SX_TIMETICKS, AC_READONLY),
    LabVar("1.3.6.1.4.1.32473.10.37.90.1.9", "labFlags", SX_BITSTR, AC_READWRITE),
    LabVar("1.3.6.1.4.1.32473.10.37.90.1.10", "labFirmware", SX_DISPLAYSTR, AC_READONLY),
    {}};

const KwSNMPVar columnTable[] = {
    LabVar("1.3.6.1.4.1.32473.10.37.90.2.1.1", "labIndex", SX_INTEGER, AC_READONLY),
    LabVar("1.3.6.1.4.1.32473.10.37.90.2.1.2", "labPeerName", SX_DISPLAYSTR, AC_READWRITE),
    LabVar("1.3.6.1.4.1.32473.10.37.90.2.1.3", "labPeerMac", SX_MACADDRESS, AC_READWRITE),
    LabVar("1.3.6.1.4.1.32473.10.37.90.2.1.4", "labPeerState", SX_INTEGER, AC_READWRITE),
    {}};

// The library session, opened once (its event timer needs the QApplication).
class SessionEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        vka_test::EnsureQApplication();
        const std::string folder = vka_test::MakeTempFolder("kwctl");
        if (!folder.empty())
            KwSNMPInitSession(folder.c_str());
    }
};
::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new SessionEnvironment);
} // namespace

KwOptionList ModeOptions(modeTable);
KwOptionList SwitchOptions(switchTable);
KwOptionList BandOptions(bandTable);

vka_test::DevsimPeer* DeviceTest::device = nullptr;

void DeviceTest::SetUpTestSuite()
{
    device = new vka_test::DevsimPeer;
    device->SetStateText(StateText);
    std::string error;
    if (!device->Start(&error))
        ADD_FAILURE() << "devsim did not start: " << error;
}

void DeviceTest::TearDownTestSuite()
{
    delete device;
    device = nullptr;
}

void DeviceTest::SetUp()
{
    ASSERT_TRUE(device && device->Running());
    // Every test starts from the same device state.
    ASSERT_TRUE(device->LoadState(device->StatePath()));
    device->DelayReplies(0);
    device->ClearJournal();
    dialogs = std::make_unique<InstalledScriptedDialogs>();
    form = new TForm(nullptr);
    form->SetName("LabForm");
    form->SetBounds(10, 10, 600, 400);
    form->Show();
    QApplication::processEvents();
}

void DeviceTest::TearDown()
{
    delete form;
    form = nullptr;
    dialogs.reset();
}

void DeviceTest::Load(KwSNMPRequest2Controls& request, bool table)
{
    request.Request.VarList = table ? KwSNMPVarList(columnTable, MVT_FMV, 1)
                                    : KwSNMPVarList(scalarTable, SVT_SV, 0);
    request.Request.Device.Address = "127.0.0.1";
    request.Request.Device.Port = device->Port();
    request.Request.Security.Version = 1;
    request.Request.Security.ReadCommunity = "orchid";
    request.Request.Security.WriteCommunity = "thunder";
    request.Request.Timeout = 200;
    request.Request.Retries = 0;
}

std::vector<TEdit*> DeviceTest::Edits(const char* prefix, int count)
{
    std::vector<TEdit*> edits;
    for (int k = 0; k < count; ++k) {
        const std::string name = std::string(prefix) + std::to_string(k);
        TEdit* edit = Add<TEdit>(name.c_str());
        edit->SetBounds(10 + 50 * k, 10, 45, 21);
        edits.push_back(edit);
    }
    return edits;
}

vka_test::DevsimJournalEntry DeviceTest::LastSet() const
{
    vka_test::DevsimJournalEntry last;
    for (const auto& entry : device->Journal())
        if (entry.Kind == "SET")
            last = entry;
    return last;
}

int DeviceTest::CountKind(const std::string& kind) const
{
    int count = 0;
    for (const auto& entry : device->Journal())
        count += entry.Kind == kind;
    return count;
}

} // namespace library_controls
