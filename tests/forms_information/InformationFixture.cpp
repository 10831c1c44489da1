#include "InformationFixture.h"

#include "ToolOutput.h"


namespace information_test {

namespace {
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
    devsim_.SetConfigText(std::string("user ") + vka_test::FormV3User + " authPriv SHA " + vka_test::FormV3AuthPass +
                          " DES " + vka_test::FormV3PrivPass + "\n");
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

void RunInForm(const std::function<void(TFM_Information& form)>& body)
{
    // Through the main menu's item, as a user opens it.
    vka_test::RunMenuForm<TFM_Information>("Information1", FM_Information, body);
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
    OpenFormSession();
    agent = std::make_unique<Agent>(GetParam().Peer);
    std::string error;
    ASSERT_TRUE(agent->Start(&error)) << error;
    AimFormSession(agent->Port(), GetParam().Version);
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
