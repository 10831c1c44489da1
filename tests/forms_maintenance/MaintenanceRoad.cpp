#include "MaintenanceRoad.h"

#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "DeviceTransfer.h"
#include "Firmware.h"
#include "TempFolder.h"
#include "Wait.h"

namespace maintenance_test {

std::string RoadName(const ::testing::TestParamInfo<int>& info)
{
    const int version = VersionOf(info.param);
    return std::string(version == 0 ? "V1" : version == 1 ? "V2c" : "V3") + (Atftp(info.param) ? "_atftp" : "_tftpHpa");
}

WaitingDialogs::WaitingDialogs() : timer_(new QTimer)
{
    QObject::connect(timer_, &QTimer::timeout, [this] { Check(); });
    timer_->start(10);
}

WaitingDialogs::~WaitingDialogs() { delete timer_; }

std::vector<std::string> WaitingDialogs::Labels3() const
{
    std::vector<std::string> labels;
    for (const ShownWait& shown : Shown)
        labels.push_back(shown.Label3);
    return labels;
}

void WaitingDialogs::EndLoadingWhenFetched()
{
    Ready = [](const ShownWait& wait) {
        if (wait.Label3 != "Loading firmware file..." && wait.Label3 != "Loading pem file...")
            return true;
        return FM_Firmware && FM_Firmware->Server->State() != TTransferState::Expecting &&
               FM_Firmware->Server->State() != TTransferState::Running;
    };
}

void WaitingDialogs::Check()
{
    TFM_Waiting* wait = FM_Waiting;
    if (!wait || !wait->Visible())
        return;
    // A dialog seen before carries its record's number in its tag.
    if (wait->Tag() == 0) {
        Shown.push_back({wait->Caption().ToStdString(), wait->Label2->Caption().ToStdString(),
                         wait->Label3->Caption().ToStdString()});
        wait->SetTag(static_cast<int>(Shown.size()));
    }
    ShownWait& shown = Shown[wait->Tag() - 1];
    if (shown.EndedByTest || !Ready(shown))
        return;
    shown.EndedByTest = true;
    wait->SecondsLeft = 0;
    wait->Close();
}

void MaintenanceRoad::SetUp()
{
    folder_ = vka_test::MakeTempFolder("vka-maintenance");
    ASSERT_FALSE(folder_.empty());
    previousFolder_ = std::filesystem::current_path().string();
    std::filesystem::current_path(folder_);
    FormRoad::SetUp();
}

void MaintenanceRoad::TearDown()
{
    FormRoad::TearDown();
    if (!previousFolder_.empty())
        std::filesystem::current_path(previousFolder_);
    vka_test::RemoveFolder(folder_);
}

std::string MaintenanceRoad::ExtraConfig() const
{
    return std::string("tftp-client ") + (Atftp(GetParam()) ? "atftp" : "tftp-hpa") + "\n";
}

std::string MaintenanceRoad::WriteFile(const std::string& name, const std::string& bytes) const
{
    WriteFileBytes(folder_ + "/" + name, bytes);
    return folder_ + "/" + name;
}

std::size_t MaintenanceRoad::NoteCount(const std::string& start) const
{
    const std::vector<std::string> notes = vka_test::DevsimNotes(devsim);
    return std::count_if(notes.begin(), notes.end(), [&](const std::string& note) { return note.rfind(start, 0) == 0; });
}

std::vector<std::vector<std::string>> MaintenanceRoad::SetBindings() const
{
    std::vector<std::vector<std::string>> sets;
    for (const auto& entry : Sets()) {
        sets.emplace_back();
        for (const auto& binding : entry.Bindings)
            sets.back().push_back(binding.Oid + " " + binding.Type + (binding.Value.empty() ? "" : " " + binding.Value));
    }
    return sets;
}

bool MaintenanceRoad::BoxShown(const std::string& text) const
{
    const std::vector<std::string> texts = dialogs.Texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool MaintenanceRoad::PumpUntilBox(const std::string& text, double seconds)
{
    return vka_test::PumpUntil([&] { return BoxShown(text); }, seconds);
}

}  // namespace maintenance_test
