// Status / Log / View Log against the simulated device: the form has the device send
// "LogFile.RD" to its TFTP server and lists it; a log that does not come, or comes
// late, never lets an older one be shown; Clear empties the device's log.
#include <filesystem>

#include "DeviceTransfer.h"
#include "KwTFTPServer.h"
#include "Systemlog.h"
#include "MaintenanceRoad.h"

using namespace maintenance_test;

namespace {
class LogView : public MaintenanceRoad {
protected:
    static std::string Status(TLogForm& form)
    {
        return form.StatusBar1->Panels()->Items(0)->Text().ToStdString();
    }
    static std::vector<std::string> Rows(TLogForm& form)
    {
        std::vector<std::string> rows;
        TListItems* items = form.ViewListView->Items();
        for (int i = 0; i < items->Count(); ++i) {
            TListItem* item = items->Item(i);
            rows.push_back(item->Caption().ToStdString() + "|" + item->SubItems()->Strings(0).ToStdString() + "|" +
                           item->SubItems()->Strings(1).ToStdString());
        }
        return rows;
    }
    static bool WaitForStatus(TLogForm& form, const std::string& status, double seconds = 20)
    {
        const bool seen = vka_test::PumpUntil([&] { return Status(form) == status; }, seconds);
        EXPECT_TRUE(seen) << "status: " << Status(form);
        return seen;
    }
};

const std::string LogServer = P + ".5.4.4.0";
const std::string LogName = P + ".5.4.5.0";
const std::string LogGet = P + ".5.4.6.0";
const std::string LogClear = P + ".5.4.10.0";
const std::vector<std::string> DeviceLog = {
    "Jan  1 00:00:05|System|System started, firmware 1.2.07",
    "Jan  1 00:00:17|Wireless|Radio on, 2.4GHz channel 6",
    "Jan  1 00:00:29|Notice|Station 00:1C:C0:50:60:01 associated with VKA-7410",
    "Jan  1 00:00:41|System|Administrator login from 192.168.1.100",
};
}  // namespace

// Got again, then cleared: the device's log is empty.
TEST_P(LogView, ShowsTheDevicesLogGetsItAgainAndClearsIt)
{
    vka_test::RunMenuForm<TLogForm>("ViewLog1", LogForm, [&](TLogForm& form) {
        if (!WaitForStatus(form, "Get OK."))
            return;
        EXPECT_EQ(Rows(form), DeviceLog);
        EXPECT_TRUE(form.GetBtn->Enabled());
        // Received into the data folder it made, never into the current folder.
        EXPECT_EQ(ReadFileBytes(DataFolder() + "/LogFile.RD"), DeviceFile("LogFile.RD"));
        EXPECT_FALSE(std::filesystem::exists(Folder() + "/LogFile.RD"));

        ASSERT_EQ(devsim.Control("log Jan  1 01:00:00 | VKA-7410 [Notice]fresh entry"), "OK");
        form.GetBtn->Click();
        EXPECT_EQ(Status(form), "Refresh...!");
        if (!WaitForStatus(form, "Get OK."))
            return;
        std::vector<std::string> expected = DeviceLog;
        expected.push_back("Jan  1 01:00:00|Notice|fresh entry");
        EXPECT_EQ(Rows(form), expected);

        form.Clear_Btn->Click();
        EXPECT_TRUE(Rows(form).empty());
        EXPECT_TRUE(vka_test::PumpUntil([&] { return HasNote("log cleared"); }));
        form.GetBtn->Click();
        if (WaitForStatus(form, "Get OK.")) {
            EXPECT_TRUE(Rows(form).empty());
        }
    });
    // The address and name, then the get command alone: a set carrying the get command
    // without a value would be refused whole.
    const std::vector<std::string> target{LogServer + " IPADDRESS 127.0.0.1", LogName + " STRING \"LogFile.RD\""};
    const std::vector<std::string> get{LogGet + " INTEGER 1"};
    EXPECT_EQ(SetBindings(), (std::vector<std::vector<std::string>>{target, get, target, get,
                                                                    {LogClear + " INTEGER 1"}, target, get}));
    for (const auto& set : Sets())
        EXPECT_EQ(set.Status, "noError");
    EXPECT_EQ(dialogs.Count(), 0);
}

// The device answers the get but its file is skipped, fails or comes late: "Get
// fail." and an empty list, never the log of an earlier get or run; a late file is
// waited for.
TEST_P(LogView, ALogThatDoesNotArriveNeverShowsAnOlderOne)
{
    std::filesystem::create_directories(DataFolder());
    WriteFileBytes(DataFolder() + "/LogFile.RD", "Dec 31 23:59:59 | VKA-7410 [System]stale entry of an earlier run\r\n");
    const struct {
        const char* fault;
        int waitMs;
        const char* status;
    } gets[] = {{"transfer-fault skip", 300, "Get fail."},
                {"transfer-fault none", 20000, "Get OK."},
                {"transfer-fault fail", 300, "Get fail."},
                {"transfer-fault late 1500", 20000, "Get OK."}};
    ASSERT_EQ(devsim.Control(gets[0].fault), "OK");
    vka_test::RunMenuForm<TLogForm>("ViewLog1", LogForm, [&](TLogForm& form) {
        form.UploadWaitMs = gets[0].waitMs;
        for (std::size_t i = 0; i < std::size(gets); ++i) {
            if (i > 0) {
                ASSERT_EQ(devsim.Control(gets[i].fault), "OK");
                form.UploadWaitMs = gets[i].waitMs;
                form.GetBtn->Click();
                EXPECT_TRUE(vka_test::PumpUntil([&] { return Sets().size() == 2 * i + 2; }));
            }
            if (i == 3) {
                EXPECT_EQ(Status(form), "Refresh...!");  // the late file is still awaited
            }
            if (!WaitForStatus(form, gets[i].status))
                return;
            EXPECT_EQ(Rows(form), gets[i].waitMs > 1000 ? DeviceLog : std::vector<std::string>{}) << gets[i].fault;
            EXPECT_TRUE(form.GetBtn->Enabled());
        }
    });
    EXPECT_TRUE(HasNote("tftp put LogFile.RD skipped"));
    EXPECT_TRUE(HasNote("tftp put LogFile.RD failed: told to fail"));
}

// A refused set: its message in the panel, nothing further sent, "Get Log" stays off.
TEST_P(LogView, ARefusedTransferSetStopsTheGet)
{
    ASSERT_EQ(devsim.Control("set ro " + LogName + " STRING \"LogFile.RD\""), "OK");
    vka_test::RunMenuForm<TLogForm>("ViewLog1", LogForm, [&](TLogForm& form) {
        EXPECT_TRUE(vka_test::PumpUntil([&] { return Status(form) != "Refresh...!"; }));
        EXPECT_NE(Status(form), "Get OK.");
        EXPECT_NE(Status(form), "Get fail.");
        EXPECT_FALSE(form.GetBtn->Enabled());
    });
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_NE(Sets()[0].Status, "noError");
}

// A device whose log comes one block every 2 s, longer than the form waits for a log
// to begin: the form waits while blocks come and lists the whole log.
class LogViewSlowDevice : public LogView {};

TEST_P(LogViewSlowDevice, ALogThatKeepsComingIsAwaited)
{
    std::vector<std::string> expected = DeviceLog;
    vka_test::RunMenuForm<TLogForm>("ViewLog1", LogForm, [&](TLogForm& form) {
        if (!WaitForStatus(form, "Get OK."))
            return;
        for (int i = 0; i < 4; ++i) {
            const std::string message = "long entry " + std::to_string(i) + " " + std::string(200, 'x');
            ASSERT_EQ(devsim.Control("log Jan  1 02:00:0" + std::to_string(i) + " | VKA-7410 [Notice]" + message), "OK");
            expected.push_back("Jan  1 02:00:0" + std::to_string(i) + "|Notice|" + message);
        }
        ASSERT_EQ(devsim.Control("transfer-fault slow 2000"), "OK");
        form.UploadWaitMs = 2000;
        form.GetBtn->Click();
        EXPECT_TRUE(vka_test::PumpUntil([&] { return Status(form) != "Refresh...!"; }, 30));
        EXPECT_EQ(Status(form), "Get OK.");
        EXPECT_EQ(Rows(form), expected);
    });
    EXPECT_GT(DeviceFile("LogFile.RD").size(), 1024u);
}

// A device that sends the first block of its log and then nothing for longer than the
// form's TFTP time-out: the get ends after that one time-out (a write is never
// retransmitted, so waiting longer brings nothing) with "Get fail.", no log and no part
// of the file; Get Log works again afterwards.
TEST_P(LogViewSlowDevice, ALogThatStallsEndsAfterOneTimeOut)
{
    vka_test::RunMenuForm<TLogForm>("ViewLog1", LogForm, [&](TLogForm& form) {
        if (!WaitForStatus(form, "Get OK."))
            return;
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(devsim.Control("log Jan  1 03:00:0" + std::to_string(i) + " | VKA-7410 [Notice]" + std::string(200, 's')), "OK");
        // One second per time-out; the device's next block comes 2.5 s after its first.
        form.Server->Server()->SetTimeout(100, 3);
        ASSERT_EQ(devsim.Control("transfer-fault slow 2500"), "OK");
        form.GetBtn->Click();
        EXPECT_TRUE(vka_test::PumpUntil([&] { return Status(form) != "Refresh...!"; }, 30));
        EXPECT_EQ(Status(form), "Get fail.");
        EXPECT_TRUE(Rows(form).empty());
        for (const auto& entry : std::filesystem::directory_iterator(DataFolder()))
            EXPECT_EQ(entry.path().filename().string().find("LogFile"), std::string::npos) << entry.path();
        // Once the device's client has given up, the next get brings the whole log.
        ASSERT_TRUE(vka_test::PumpUntil([&] { return HasNote("tftp put LogFile.RD failed"); }, 60));
        form.GetBtn->Click();
        if (WaitForStatus(form, "Get OK.")) {
            EXPECT_EQ(Rows(form).size(), DeviceLog.size() + 3);
        }
    });
}

// A device that sends its log before it answers the get.
class LogViewSentFirst : public LogView {
protected:
    std::string ExtraConfig() const override { return MaintenanceRoad::ExtraConfig() + "log-upload before-reply\n"; }
};

TEST_P(LogViewSentFirst, ShowsTheLog)
{
    vka_test::RunMenuForm<TLogForm>("ViewLog1", LogForm, [&](TLogForm& form) {
        if (WaitForStatus(form, "Get OK.")) {
            EXPECT_EQ(Rows(form), DeviceLog);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, LogView, Roads(), RoadName);
INSTANTIATE_TEST_SUITE_P(Roads, LogViewSentFirst, Roads(), RoadName);
// The device's slow mode feeds tftp-hpa's client (atftp's seeks in its file).
INSTANTIATE_TEST_SUITE_P(Roads, LogViewSlowDevice, ::testing::Values(1), RoadName);
