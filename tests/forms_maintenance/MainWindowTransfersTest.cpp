// With the main window present, the transfer forms serve the device from the local
// address on the network the main window read for it (the simulated device's own
// default state, as the demo runs it): a backup, the log view and a firmware upload
// reach the device and come back whole.
#include "Cfghis.h"
#include "DeviceTransfer.h"
#include "Firmware.h"
#include "Main.h"
#include "MaintenanceRoad.h"
#include "Systemlog.h"

using namespace maintenance_test;

namespace {
class MainWindowTransfers : public MaintenanceRoad {
protected:
    void SetUp() override
    {
        MaintenanceRoad::SetUp();
        main = new TMainForm(Application);
        MainForm = main;  // as the program's start-up makes it
        vka_test::AimFormSession(devsim.Port(), VersionOf(GetParam()));  // the window reset the defaults
        // What start-up reads into the main window's fields from the device.
        for (auto [edit, oid] : {std::pair{main->IPAddressEdit, P + ".2.2.1.1.1.1.7.1"},
                                 std::pair{main->SubMaskEdit, P + ".2.2.1.1.1.1.8.1"}}) {
            const std::string value = DeviceValue(oid);
            edit->SetText(value.substr(value.find(' ') + 1).c_str());
        }
    }
    void TearDown() override
    {
        delete main;
        MaintenanceRoad::TearDown();
    }
    TMainForm* main = nullptr;
};
}  // namespace

// Each with its own device: a backup leaves the device fetching a restore file
// that never comes, which holds its next transfer back.
TEST_P(MainWindowTransfers, BackupReachesTheDevice)
{
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) {
        dialogs.ChooseFile(Folder() + "/backup");
        form.Bt_SavBrw->Click();
        form.Bt_Upload->Click();
        EXPECT_TRUE(PumpUntilBox("The configuration file saved successfully!"));
    });
    EXPECT_EQ(ReadFileBytes(Folder() + "/backup.dcf"), DeviceFile("config.dcf"));
}

TEST_P(MainWindowTransfers, TheLogViewAndFirmwareReachTheDevice)
{
    vka_test::RunMenuForm<TLogForm>("ViewLog1", LogForm, [&](TLogForm& form) {
        EXPECT_TRUE(vka_test::PumpUntil([&] { return form.StatusBar1->Panels()->Items(0)->Text() == "Get OK."; }, 20))
            << form.StatusBar1->Panels()->Items(0)->Text().ToStdString();
        EXPECT_GT(form.ViewListView->Items()->Count(), 0);
    });
    waits.EndLoadingWhenFetched();
    const std::string image = PatternBytes(70000, 5);
    const std::string path = WriteFile("image.bin", image);
    vka_test::RunMenuForm<TFM_Firmware>("Firmware1", FM_Firmware, [&](TFM_Firmware& form) {
        form.Ed_UpgFile->SetText(path.c_str());
        form.Bt_OK->Click();
        EXPECT_TRUE(PumpUntilBox("Update firmware success!", 30));
    });
    EXPECT_EQ(vka_test::WaitForDevsimOutcome(devsim, "upgrade firmware", 10), "upgrade firmware ok");
    EXPECT_TRUE(DeviceFile("firmware.img") == image);
}

INSTANTIATE_TEST_SUITE_P(Roads, MainWindowTransfers, ::testing::Values(1), RoadName);
