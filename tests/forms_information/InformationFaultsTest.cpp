// Home / Information where the road is not smooth: a Save before the group has been
// read, an agent that stops answering, and replies that come after the form closed.
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "Information.h"
#include "KwSNMPRequest2Edits.h"

using vka_test::Pump;
using vka_test::PumpUntil;

namespace {
const char* const GetTimedOut = "Get: (SNMPClass) SNMP request timed out!";
const char* const SetTimedOut = "Set: (SNMPClass) SNMP request timed out!";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string Status(TFM_Information& form) { return vka_test::StatusText(form.StatusBar); }

bool WaitForRead(TFM_Information& form)
{
    const bool read = PumpUntil([&] { return form.SystemGroupRead(); });
    EXPECT_TRUE(read) << "no reply to the form's first read; status: " << Status(form);
    return read;
}

void RunInForm(const std::function<void(TFM_Information&)>& body)
{
    vka_test::RunMenuForm<TFM_Information>("Information1", FM_Information, body);
}
}  // namespace

// The simulated device, whose journal shows what was sent, and which can hold its
// replies back.
class InformationDevsim : public vka_test::FormRoad {};

TEST_P(InformationDevsim, AStoppedAgentGivesTheTimeOutTextNeverASuccess)
{
    RunInForm([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        devsim.Stop();
        form.SystemRequest->Request.Timeout = 20;  // the test need not wait 2 x 30 s

        form.Btn_Re->Click();
        ASSERT_TRUE(PumpUntil([&] { return StartsWith(Status(form), GetTimedOut); }))
            << Status(form);

        form.Ed_SC->SetText("nobody hears this");
        form.Btn_Sa->Click();
        ASSERT_TRUE(PumpUntil([&] { return StartsWith(Status(form), SetTimedOut); }))
            << Status(form);
        EXPECT_EQ(dialogs.Count(), 0);
    });
}

// A first read that cannot even be sent (here: no agent address) is reported in a
// message box; the form stays usable and refuses to save what it never read.
TEST(InformationWithoutAgent, AReadThatCannotBeSentLeavesSaveRefused)
{
    vka_test::OpenFormSession();
    vka_test::AimFormSession(161, 1);
    KwDefaultDevice.Address = "";
    InstalledScriptedDialogs dialogs;
    RunInForm([&](TFM_Information& form) {
        ASSERT_EQ(dialogs.Count(), 1);  // the library's exception, shown by the application
        EXPECT_NE(dialogs.Last().Text.find("(KwSNMP++)"), std::string::npos) << dialogs.Last().Text;
        form.Ed_SN->SetText("never sent");
        form.Btn_Sa->Click();
        ASSERT_EQ(dialogs.Count(), 2);
        EXPECT_EQ(dialogs.Last().Text, InformationNotReadText);
    });
}

TEST_P(InformationDevsim, SaveBeforeTheFirstReplyIsRefusedAndSendsNothing)
{
    ASSERT_TRUE(devsim.DelayReplies(1500));
    RunInForm([&](TFM_Information& form) {
        ASSERT_FALSE(form.SystemGroupRead());
        form.Btn_Sa->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, InformationNotReadText);
        EXPECT_EQ(dialogs.Last().Caption, "Error");
        EXPECT_EQ(form.Ed_SC->Text().ToStdString(), "Ed_SC");

        // Once the group is in, the same Save goes out.
        if (!WaitForRead(form))
            return;
        ASSERT_TRUE(devsim.DelayReplies(0));
        form.Ed_SN->SetText("after the read");
        form.Btn_Sa->Click();
        ASSERT_TRUE(PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);
        EXPECT_EQ(dialogs.Count(), 1);
    });
    const auto sets = Requests("SET");
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].Bindings.size(), 3u);
    EXPECT_EQ(sets[0].Bindings[0].Value, "\"admin@example.com\"");  // read, not "Ed_SC"
    EXPECT_EQ(sets[0].Bindings[1].Value, "\"after the read\"");
}

TEST_P(InformationDevsim, SaveWaitsForAnOutstandingRefresh)
{
    RunInForm([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        ASSERT_TRUE(devsim.DelayReplies(800));
        form.Btn_Re->Click();
        form.Ed_SN->SetText("saved name");
        form.Btn_Sa->Click();  // the older read would overwrite the saved text
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, InformationReadPendingText);
        ASSERT_TRUE(PumpUntil([&] { return Status(form) == "Get OK!"; })) << Status(form);

        ASSERT_TRUE(devsim.DelayReplies(0));
        form.Ed_SN->SetText("saved name");
        form.Btn_Sa->Click();
        ASSERT_TRUE(PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);
        EXPECT_EQ(form.Ed_SN->Text().ToStdString(), "saved name");
    });
    const auto sets = Requests("SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].Bindings[1].Value, "\"saved name\"");
}

TEST_P(InformationDevsim, AFailedReadLeavesSaveRefused)
{
    ASSERT_TRUE(devsim.DropNext(1000));
    RunInForm([&](TFM_Information& form) {
        form.SystemRequest->Request.Timeout = 20;
        form.Btn_Re->Click();
        ASSERT_TRUE(PumpUntil([&] { return StartsWith(Status(form), GetTimedOut); }))
            << Status(form);
        form.Btn_Sa->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, InformationNotReadText);
        // Closing waits for the first read, still unanswered, and drops it.
    });
    EXPECT_TRUE(Requests("SET").empty());
    EXPECT_FALSE(Requests("GET").empty());
}

TEST_P(InformationDevsim, RepliesAfterTheFormClosedNeverReachIt)
{
    ASSERT_TRUE(devsim.DelayReplies(800));
    RunInForm([&](TFM_Information& form) {
        EXPECT_FALSE(form.SystemGroupRead());  // closed with its first read outstanding
    });
    Pump(1.2);

    // A Save still on its way when the form closes.
    ASSERT_TRUE(devsim.DelayReplies(0));
    RunInForm([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        ASSERT_TRUE(devsim.DelayReplies(800));
        form.Ed_SL->SetText("saved while closing");
        form.Btn_Sa->Click();
    });
    Pump(1.2);
    ASSERT_TRUE(devsim.DelayReplies(0));
    EXPECT_EQ(DeviceValue("1.3.6.1.2.1.1.6.0"), "STRING \"saved while closing\"");

    // The process and the session are whole: the next form reads as usual.
    RunInForm([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        EXPECT_EQ(form.Ed_SL->Text().ToStdString(), "saved while closing");
    });
    for (const auto& entry : Requests("GET"))
        EXPECT_EQ(entry.Status, "noError");
}

INSTANTIATE_TEST_SUITE_P(Roads, InformationDevsim, ::testing::Values(1), vka_test::VersionName);

// A reply later than the closing form's wait for it: the request gives up and the
// reply, when it comes, is dropped.
class InformationDevsimLate : public vka_test::FormRoad {};

TEST_P(InformationDevsimLate, AReplyLaterThanTheClosingWaitIsDropped)
{
    ASSERT_TRUE(devsim.DelayReplies(7000));
    RunInForm([&](TFM_Information& form) { EXPECT_FALSE(form.SystemGroupRead()); });
    Pump(1.5);  // the delayed reply comes in meanwhile
    ASSERT_TRUE(devsim.DelayReplies(0));
    const auto gets = Requests("GET");
    ASSERT_EQ(gets.size(), 1u);
    EXPECT_EQ(gets[0].Status, "noError");
    RunInForm([&](TFM_Information& form) { WaitForRead(form); });
}

INSTANTIATE_TEST_SUITE_P(Roads, InformationDevsimLate, ::testing::Values(1), vka_test::VersionName);
