#include "TempFolder.h"
#include "MaintenanceRoad.h"

#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

#include "FreePort.h"
#include "TftpPort.h"
#include "Wait.h"

namespace maintenance_test {


std::string RoadName(const ::testing::TestParamInfo<int>& info)
{
    const int version = VersionOf(info.param);
    return std::string(version == 0 ? "V1" : version == 1 ? "V2c" : "V3") + (Atftp(info.param) ? "_atftp" : "_tftpHpa");
}

::testing::internal::ValueArray<int, int, int, int> Roads() { return ::testing::Values(0, 1, 3, 11); }

WaitingDialogs::WaitingDialogs() : timer_(new QTimer)
{
    QObject::connect(timer_, &QTimer::timeout, [this] { Check(); });
    timer_->start(10);
}

WaitingDialogs::~WaitingDialogs() { delete timer_; }

void WaitingDialogs::Check()
{
    TFM_Waiting* wait = FM_Waiting;
    if (!wait || !wait->Visible())
        return;
    // A dialog seen before carries its record's number in its tag.
    if (wait->Tag() == 0) {
        ShownWait shown;
        shown.Caption = wait->Caption().ToStdString();
        shown.Label2 = wait->Label2->Caption().ToStdString();
        shown.Label3 = wait->Label3->Caption().ToStdString();
        shown.Seconds = wait->SecondsLeft;
        Shown.push_back(shown);
        wait->SetTag(static_cast<int>(Shown.size()));
    }
    ShownWait& shown = Shown[wait->Tag() - 1];
    if (shown.EndedByTest || !Ready(shown))
        return;
    shown.EndedByTest = true;
    wait->SecondsLeft = 0;
    wait->Close();
}

std::vector<std::string> BindingTexts(const vka_test::DevsimJournalEntry& entry)
{
    std::vector<std::string> texts;
    for (const auto& binding : entry.Bindings)
        texts.push_back(binding.Oid + " " + binding.Type + (binding.Value.empty() ? "" : " " + binding.Value));
    return texts;
}

void MaintenanceRoad::SetUp()
{
    folder_ = vka_test::MakeTempFolder("vka-maintenance");
    ASSERT_FALSE(folder_.empty());
    previousFolder_ = std::filesystem::current_path().string();
    std::filesystem::current_path(folder_);

    tftpPort = vka_test::FreeUdpPort();
    ASSERT_NE(tftpPort, 0);
    setenv(TftpPortVariable, std::to_string(tftpPort).c_str(), 1);
    setenv("XDG_STATE_HOME", (folder_ + "/state").c_str(), 1);

    vka_test::OpenFormSession();
    devsim.SetConfigText(std::string("user ") + vka_test::FormV3User + " authPriv SHA " + vka_test::FormV3AuthPass +
                         " DES " + vka_test::FormV3PrivPass + "\ntftp-port " + std::to_string(tftpPort) +
                         "\ntftp-client " + (Atftp(GetParam()) ? "atftp" : "tftp-hpa") + "\n" + ExtraConfig());
    devsim.SetStateText(StateText());
    std::string error;
    ASSERT_TRUE(devsim.Start(&error)) << error;
    vka_test::AimFormSession(devsim.Port(), VersionOf(GetParam()));
}

void MaintenanceRoad::TearDown()
{
    FormRoad::TearDown();
    unsetenv(TftpPortVariable);
    unsetenv("XDG_STATE_HOME");
    if (!previousFolder_.empty())
        std::filesystem::current_path(previousFolder_);
    std::error_code ignored;
    if (!folder_.empty())
        std::filesystem::remove_all(folder_, ignored);
}

std::string MaintenanceRoad::WriteFile(const std::string& name, const std::string& bytes) const
{
    const std::string path = folder_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string MaintenanceRoad::ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::string MaintenanceRoad::DeviceFile(const std::string& name) const
{
    return vka_test::DevsimFilesFolder(devsim) + "/" + name;
}

bool MaintenanceRoad::HasNote(const std::string& note) const
{
    const std::vector<std::string> notes = Notes();
    return std::find(notes.begin(), notes.end(), note) != notes.end();
}

std::vector<std::vector<std::string>> MaintenanceRoad::SetBindings() const
{
    std::vector<std::vector<std::string>> sets;
    for (const auto& entry : Sets())
        sets.push_back(BindingTexts(entry));
    return sets;
}

bool MaintenanceRoad::BoxShown(const std::string& text) const
{
    const std::vector<std::string> texts = Boxes();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool MaintenanceRoad::PumpUntilBox(const std::string& text, double seconds)
{
    return vka_test::PumpUntil([&] { return BoxShown(text); }, seconds);
}

std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

}  // namespace maintenance_test
