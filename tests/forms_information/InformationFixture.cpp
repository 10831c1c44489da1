#include "TempFolder.h"
#include "InformationFixture.h"

#include "MenuForms.h"
#include "ToolOutput.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "InformationMenu.h"
#include "KwSNMPSession.h"

namespace information_test {

const char* const V3User = "shades";
const char* const V3AuthPass = "shapassword";
const char* const V3PrivPass = "despassword";

namespace {
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "forms_information_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};
::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

std::string Run(const std::string& commandLine) { return vka_test::RunTool(commandLine); }

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
}  // namespace

std::string RoadName(const ::testing::TestParamInfo<Road>& info)
{
    const std::string peer = info.param.Peer == PeerKind::Snmpd ? "Snmpd" : "Devsim";
    const std::string version = info.param.Version == 0 ? "V1" : info.param.Version == 1 ? "V2c" : "V3";
    return peer + version;
}

bool Agent::Start(std::string* error)
{
    if (kind_ == PeerKind::Snmpd)
        return snmpd_.Start(error);
    devsim_.SetConfigText(std::string("user ") + V3User + " authPriv SHA " + V3AuthPass + " DES " +
                          V3PrivPass + "\n");
    return devsim_.Start(error);
}

void Agent::Stop()
{
    if (kind_ == PeerKind::Snmpd)
        snmpd_.Stop();
    else
        devsim_.Stop();
}

unsigned short Agent::Port() const
{
    return kind_ == PeerKind::Snmpd ? snmpd_.Port() : devsim_.Port();
}

std::string Agent::PeerName() const
{
    return kind_ == PeerKind::Snmpd ? snmpd_.PeerName() : devsim_.PeerName();
}

void OpenSession()
{
    static bool open = false;
    if (open)
        return;
    const std::string folder = vka_test::MakeTempFolder("vka-information");
    ASSERT_FALSE(folder.empty());
    KwSNMPInitSession(folder.c_str());
    open = true;
}

void AimDefaults(unsigned short port, int version)
{
    KwDefaultDevice.Address = "127.0.0.1";
    KwDefaultDevice.Port = port;
    KwDefaultSecurity = KwSNMPSecurity{};
    KwDefaultSecurity.Version = static_cast<unsigned char>(version);
    KwDefaultSecurity.ReadCommunity = "orchid";
    KwDefaultSecurity.WriteCommunity = "thunder";
    KwDefaultSecurity.SecurityModel = 1;
    KwDefaultSecurity.SecurityLevel = 1;
    KwDefaultSecurity.AuthProtocol = 1;
    KwDefaultSecurity.PrivProtocol = 1;
    if (version == 3) {
        KwDefaultSecurity.SecurityModel = 3;
        KwDefaultSecurity.SecurityLevel = 3;  // authPriv
        KwDefaultSecurity.SecurityName = V3User;
        KwDefaultSecurity.AuthProtocol = 3;  // SHA
        KwDefaultSecurity.PrivProtocol = 2;  // DES
        KwDefaultSecurity.AuthPassword = V3AuthPass;
        KwDefaultSecurity.PrivPassword = V3PrivPass;
    }
}


void RunInForm(const std::function<void(TFM_Information& form)>& body)
{
    bool ran = false;
    QTimer::singleShot(0, QApplication::instance(), [&] {
        ran = true;
        if (FM_Information)
            body(*FM_Information);
        if (FM_Information)
            FM_Information->Close();
    });
    // Through the main menu's item, as a user opens it.
    EXPECT_TRUE(OpenMenuForm("Information1")) << "Home / Information has no opener";
    EXPECT_TRUE(ran) << "the form's modal loop never ran";
    EXPECT_EQ(FM_Information, nullptr) << "the global still points at the deleted form";
}

std::string ToolGet(const std::string& peer, const std::string& oid)
{
    std::string value = Run("snmpget -v2c -c orchid -Oqv -On -r 1 -t 2 " + peer + " " + oid);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

bool ToolSetString(const std::string& peer, const std::string& oid, const std::string& value)
{
    const std::string out =
        Run("snmpset -v2c -c thunder -Oqv -On -r 1 -t 2 " + peer + " " + oid + " s " + Quoted(value));
    return !out.empty() && out.find("Error") == std::string::npos &&
           out.find("Timeout") == std::string::npos;
}

void InformationRoad::SetUp()
{
    OpenSession();
    agent = std::make_unique<Agent>(GetParam().Peer);
    std::string error;
    ASSERT_TRUE(agent->Start(&error)) << error;
    AimDefaults(agent->Port(), GetParam().Version);
}

void InformationRoad::TearDown()
{
    if (agent)
        agent->Stop();
}

bool InformationRoad::WaitForRead(TFM_Information& form)
{
    const bool read = PumpUntil([&] { return form.SystemGroupRead(); });
    EXPECT_TRUE(read) << "no reply to the form's first read; status: " << Status(form);
    return read;
}

std::string InformationRoad::Status(TFM_Information& form)
{
    return form.StatusBar->SimpleText().ToStdString();
}

int InformationRoad::DevsimSetCount()
{
    vka_test::DevsimPeer* devsim = agent->Devsim();
    if (!devsim)
        return -1;
    int sets = 0;
    for (const auto& entry : devsim->Journal())
        sets += entry.Kind == "SET";
    return sets;
}

} // namespace information_test
