// Tools / Configuration File against the simulated device with both TFTP clients: a
// backup arrives byte for byte and is reported only once it has; a restore changes
// the device's state and restarts it; refused input sends nothing; a device that
// does not move the file gets a failure, never a success; paths are taken as written.
#include "Cfghis.h"
#include "DeviceTransfer.h"
#include "KwSNMPRequest2Edits.h"
#include "MaintenanceRoad.h"

#include <QLineEdit>
#include <filesystem>

using namespace maintenance_test;

namespace {
class ConfigFile : public MaintenanceRoad {
protected:
    // The device took `restores` restores in all: its note of the last one is in (the
    // notes of earlier rounds stay in the journal) and the form's server saw its last
    // acknowledgement (devsim notes it once its client ends, maybe before that).
    bool RestoresTaken(std::size_t restores) const
    {
        return NoteCount("configuration restored") >= restores && FM_CfgFile &&
               FM_CfgFile->Server->State() == TTransferState::Arrived;
    }
};

const std::string TftpServer = P + ".4.3.2.1.0";
const std::string TftpName = P + ".4.3.2.2.0";
const std::string TftpCommand = P + ".4.3.2.3.0";
const std::string Upgrade = P + ".4.3.2.4.0";
const char* const SavedText = "The configuration file saved successfully!";
const char* const FailText = "Fail to save the configuration file!";
const char* const UpdatedText = "The configuration file update successfully!";

std::string ReplaceQuestion(const std::string& name) { return name + " already exists.\nDo you want to replace it?"; }
}  // namespace

TEST_P(ConfigFile, BackupArrivesAsTheDeviceSentIt)
{
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) {
        dialogs.ChooseFile(Folder() + "/backup");
        form.Bt_SavBrw->Click();
        EXPECT_EQ(form.Ed_SaveFile->Text().ToStdString(), Folder() + "/backup");
        form.Bt_Upload->Click();
        EXPECT_FALSE(form.Enabled());  // under the busy note
        if (!PumpUntilBox(SavedText))
            return;
        EXPECT_TRUE(form.Enabled());
        EXPECT_EQ(form.Ed_UpgFile->Text().ToStdString(), "");
    });
    EXPECT_EQ(dialogs.Last().Caption, "OK");
    EXPECT_EQ(ReadFileBytes(Folder() + "/backup.dcf"), DeviceFile("config.dcf"));

    const auto sets = SetBindings();
    ASSERT_GE(sets.size(), 3u);
    EXPECT_EQ(sets[0], (std::vector<std::string>{TftpServer + " IPADDRESS 127.0.0.1", TftpName + " STRING \"backup.dcf\""}));
    EXPECT_EQ(sets[1], std::vector<std::string>{TftpCommand + " INTEGER 3"});
    EXPECT_EQ(sets[2], std::vector<std::string>{Upgrade + " INTEGER 3"});
}

// The device answers the backup command but its file never comes, or fails; it
// accepts a restore but never fetches the file: a failure, never a success, nothing
// further sent (no restart), and the file already at the backup's path stays as it was.
TEST_P(ConfigFile, TransferTheDeviceDoesNotMakeIsAFailure)
{
    const std::string earlier = WriteFile("kept.DCF", "an earlier backup");
    const std::string restore = WriteFile("edited.dcf", "# VKA-7410 configuration\n");
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) {
        form.ArrivalWaitMs = 300;
        const std::pair<const char*, bool> runs[] = {
            {"transfer-fault skip", false}, {"transfer-fault fail", false}, {"transfer-fault skip", true}};
        for (const auto& [fault, isRestore] : runs) {
            dialogs.Clear();
            ASSERT_EQ(devsim.Control(fault), "OK");
            if (isRestore) {
                form.Ed_UpgFile->SetText(restore);
                form.Bt_OK->Click();
            } else {
                dialogs.ChooseFile(earlier);
                form.Bt_SavBrw->Click();
                dialogs.Answer(DialogButton::Yes);  // replace the earlier backup
                form.Bt_Upload->Click();
            }
            EXPECT_TRUE(PumpUntilBox(FailText)) << fault;
            const std::vector<std::string> replace{ReplaceQuestion("kept.DCF"), FailText};
            EXPECT_EQ(dialogs.Texts(), isRestore ? std::vector<std::string>{FailText} : replace) << fault;
            EXPECT_EQ(dialogs.Last().Caption, "ERROR");
            EXPECT_TRUE(form.Enabled());
        }
    });
    EXPECT_EQ(ReadFileBytes(earlier), "an earlier backup");
    // Two sets each (the target, the command), no more.
    const auto sets = SetBindings();
    ASSERT_EQ(sets.size(), 6u);
    EXPECT_EQ(sets[5], std::vector<std::string>{Upgrade + " INTEGER 3"});
}

// A backup onto an existing file, named with ".dcf" still to come: the user is asked
// about the final name first. "No" sends nothing and keeps the file; "Yes" replaces it.
TEST_P(ConfigFile, ABackupReplacesAFileOnlyWhenTheUserSaysSo)
{
    const std::string existing = WriteFile("site-A.dcf", "an earlier backup");
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) {
        dialogs.ChooseFile(Folder() + "/site-A");
        form.Bt_SavBrw->Click();
        dialogs.Answer(DialogButton::No);
        form.Bt_Upload->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, ReplaceQuestion("site-A.dcf"));
        EXPECT_EQ(dialogs.Last().Caption, "Confirm Save As");
        EXPECT_EQ(dialogs.Last().DefaultButton, DialogButton::No);
        EXPECT_TRUE(form.Enabled());
        EXPECT_TRUE(Sets().empty());

        dialogs.Answer(DialogButton::Yes);
        form.Bt_Upload->Click();
        EXPECT_TRUE(PumpUntilBox(SavedText));
    });
    EXPECT_EQ(ReadFileBytes(existing), DeviceFile("config.dcf"));
    ASSERT_FALSE(SetBindings().empty());
    EXPECT_EQ(SetBindings()[0][1], TftpName + " STRING \"site-A.dcf\"");
}

// A device whose backup comes one block every 2 s, longer than the form waits for a
// backup to begin: the form waits while blocks come, and the file arrives whole.
class ConfigFileSlowDevice : public ConfigFile {
protected:
    // A small configuration: three blocks, not sixty.
    std::string StateText() const override
    {
        std::string text;
        for (const char* line : {".4.3.2.1.0 IPADDRESS 0.0.0.0", ".4.3.2.2.0 STRING \"\"", ".4.3.2.3.0 INTEGER 4",
                                 ".4.3.2.4.0 INTEGER 6"})
            text += P + line + "\n";
        for (const char* oid : {"1.3.6.1.2.1.1.4.0", "1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.6.0"})
            text += std::string(oid) + " STRING \"" + std::string(250, 'x') + "\"\n";
        return text;
    }
};

TEST_P(ConfigFileSlowDevice, ABackupThatKeepsComingIsAwaited)
{
    ASSERT_EQ(devsim.Control("transfer-fault slow 2000"), "OK");
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) {
        form.ArrivalWaitMs = 2000;
        dialogs.ChooseFile(Folder() + "/slow.dcf");
        form.Bt_SavBrw->Click();
        form.Bt_Upload->Click();
        EXPECT_TRUE(vka_test::PumpUntil([&] { return dialogs.Count() > 0; }, 30));
    });
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{SavedText});
    const std::string backup = DeviceFile("config.dcf");
    EXPECT_GT(backup.size(), 1024u);
    EXPECT_EQ(ReadFileBytes(Folder() + "/slow.dcf"), backup);
    // The device's client ends once its file has (the pipe's end comes a block later).
    EXPECT_TRUE(vka_test::PumpUntil([&] { return HasNote("tftp put config.dcf ok"); }));
}

// A restore file chosen through a symbolic link: the device fetches the file it names.
TEST_P(ConfigFile, ARestoreFileChosenThroughALinkIsSent)
{
    std::filesystem::create_directory(Folder() + "/store");
    WriteFile("store/saved-2.dcf", "# VKA-7410 configuration\n1.3.6.1.2.1.1.5.0 STRING \"linked\"\n");
    std::filesystem::create_symlink("store/saved-2.dcf", Folder() + "/current.dcf");
    waits.Ready = [&](const ShownWait& wait) {
        return wait.Label3 != "Updating config file..." || HasNote("configuration restored");
    };
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) {
        form.Ed_UpgFile->SetText(Folder() + "/current.dcf");
        form.Bt_OK->Click();
        EXPECT_TRUE(PumpUntilBox(UpdatedText)) << (dialogs.Count() ? dialogs.Last().Text : "");
        EXPECT_EQ(form.Ed_UpgFile->Text().ToStdString(), Folder() + "/current.dcf");
    });
    EXPECT_EQ(DeviceValue("1.3.6.1.2.1.1.5.0"), "STRING \"linked\"");
    ASSERT_FALSE(SetBindings().empty());
    EXPECT_EQ(SetBindings()[0][1], TftpName + " STRING \"saved-2.dcf\"");
}

// Each restore changes the device and restarts it. The first file is chosen through
// the dialog; the others are paths as the user typed them: a name outside ASCII, a
// folder with "\\" in its name, dots inside a name. The device is told the bare
// name's UTF-8 bytes.
TEST_P(ConfigFile, RestoreChangesTheDeviceAndRestartsIt)
{
    std::filesystem::create_directory(Folder() + "/sub\\dir");
    const std::pair<std::string, std::string> files[] = {{"edited.dcf", "STRING \"edited.dcf\""},
                                                         {"caf\xC3\xA9.dcf", "HEX 63 61 66 C3 A9 2E 64 63 66"},
                                                         {"sub\\dir/x.dcf", "STRING \"x.dcf\""},
                                                         {"v1..2.dcf", "STRING \"v1..2.dcf\""}};
    std::size_t round = 0;
    waits.Ready = [&](const ShownWait& wait) {
        return wait.Label3 != "Updating config file..." || RestoresTaken(round + 1);
    };
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) {
        for (std::size_t i = 0; i < 4; ++i) {
            round = i;
            const std::string& name = files[i].first;
            const std::string sysName = "restored " + std::to_string(i);
            const std::string path = WriteFile(name, "# VKA-7410 configuration\n1.3.6.1.2.1.1.5.0 STRING \"" + sysName + "\"\n");
            dialogs.Clear();
            if (i == 0) {
                dialogs.ChooseFile(path);
                form.Bt_Browse->Click();
            } else {
                static_cast<QLineEdit*>(form.Ed_UpgFile->Widget())->setText(QString::fromUtf8(path.c_str()));  // typed
            }
            form.Bt_OK->Click();
            EXPECT_TRUE(PumpUntilBox(UpdatedText)) << name << ": " << (dialogs.Count() ? dialogs.Last().Text : "");
            EXPECT_EQ(dialogs.Last().Caption, "OK");
            EXPECT_EQ(DeviceValue("1.3.6.1.2.1.1.5.0"), "STRING \"" + sysName + "\"");
            EXPECT_TRUE(form.Enabled());
        }
        EXPECT_EQ(form.Ed_UpgFile->Text().ToStdString(), Folder() + "/v1..2.dcf");
    });
    EXPECT_TRUE(vka_test::PumpUntil([&] { return HasNote("restart"); }));
    std::vector<std::string> countdowns;
    for (int i = 0; i < 4; ++i)
        countdowns.insert(countdowns.end(), {"Updating config file...", "Device is restarting..."});
    EXPECT_EQ(waits.Labels3(), countdowns);
    // The target, Configsave, Reboot: no transfer command at all.
    const auto sets = SetBindings();
    ASSERT_EQ(sets.size(), 12u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(sets[3 * i], (std::vector<std::string>{TftpServer + " IPADDRESS 127.0.0.1", TftpName + " " + files[i].second}));
        EXPECT_EQ(sets[3 * i + 1], std::vector<std::string>{Upgrade + " INTEGER 3"});
        EXPECT_EQ(sets[3 * i + 2], std::vector<std::string>{Upgrade + " INTEGER 4"});
    }
}

// Also names the server would not serve as written: "\\" is part of a name, which the
// server refuses, and a name in another case than the file's is not that file.
TEST_P(ConfigFile, RefusedInputSendsNothing)
{
    const std::string text = WriteFile("x.txt", "not a configuration");
    WriteFile("r\\x.dcf", "# VKA-7410 configuration\n");
    WriteFile("lower.dcf", "# VKA-7410 configuration\n");
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) {
        form.Bt_OK->Click();
        form.Bt_Upload->Click();
        for (const std::string& restore : {text, Folder() + "/missing.dcf", Folder() + "/r\\x.dcf", Folder() + "/LOWER.DCF"}) {
            form.Ed_UpgFile->SetText(restore.c_str());
            form.Bt_OK->Click();
        }
        form.Ed_SaveFile->SetText((Folder() + "/a\\b").c_str());
        form.Bt_Upload->Click();
    });
    const std::string format = "File format error! Please try again!";
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Empty file is not accepted.", "Empty file is not accepted.",
                                                         format, format, format, format, format}));
    EXPECT_FALSE(std::filesystem::exists(Folder() + "/a"));
    for (const auto& box : dialogs.boxes)
        EXPECT_EQ(box.Caption, "Warning");
    EXPECT_TRUE(Sets().empty());
}

// Closing the form with the restart command still unanswered: nothing reaches the
// closed form (run under AddressSanitizer). One road: the request's destructor waits
// its 6 s for the reply before it cancels (and the device's slow mode needs tftp-hpa's
// client).
class ConfigFileClosing : public ConfigFile {};

TEST_P(ConfigFileClosing, WithTheRestartOutstanding)
{
    const std::string file = WriteFile("edited.dcf", "# VKA-7410 configuration\n");
    waits.Ready = [&](const ShownWait& wait) {
        if (wait.Label3 == "Updating config file...") {
            if (!RestoresTaken(1))
                return false;
            devsim.DropNext(1);  // the restart command goes unanswered
        }
        return true;
    };
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) {
        form.Ed_UpgFile->SetText(file);
        form.Bt_OK->Click();
        EXPECT_TRUE(PumpUntilBox(UpdatedText));
        EXPECT_TRUE(TSettingsForm::Outstanding(form.UpgradeRequest));
    });
    const int boxes = dialogs.Count();
    vka_test::Pump(0.3);
    EXPECT_EQ(dialogs.Count(), boxes);
    EXPECT_EQ(Sets().back().Status, "dropped");
}

// Closing the form while the device still sends its backup: the device's client hears
// of the end at once (an ERROR), not by its own time-out (25 s for tftp-hpa's, during
// which the device starts no other transfer), and no part of the file is left.
TEST_P(ConfigFileClosing, DuringABackup)
{
    ASSERT_EQ(devsim.Control("transfer-fault slow 300"), "OK");  // some sixty blocks
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) {
        dialogs.ChooseFile(Folder() + "/backup.dcf");
        form.Bt_SavBrw->Click();
        form.Bt_Upload->Click();
        EXPECT_TRUE(vka_test::PumpUntil([&] { return form.Server->State() == TTransferState::Running; }));
    });
    EXPECT_TRUE(vka_test::PumpUntil([&] { return HasNote("tftp put config.dcf failed"); }, 10));
    for (const auto& entry : std::filesystem::directory_iterator(Folder()))
        EXPECT_EQ(entry.path().filename().string().find("backup"), std::string::npos) << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Roads, ConfigFile, Roads(), RoadName);
// The device's slow mode feeds tftp-hpa's client (atftp's seeks in its file).
INSTANTIATE_TEST_SUITE_P(Roads, ConfigFileSlowDevice, ::testing::Values(1), RoadName);
INSTANTIATE_TEST_SUITE_P(Roads, ConfigFileClosing, ::testing::Values(1), RoadName);
