// Home / Information against the simulated device: what the form reads and writes,
// request by request, the input it refuses without sending anything, and the road
// where it is not smooth: a Save before the group has been read, an agent that stops
// answering, and replies that come after the form closed.
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "JournalBindings.h"
#include "Information.h"
#include "KwSNMPRequest2Edits.h"

namespace {
std::string Text(TEdit* edit) { return edit->Text().ToStdString(); }
std::string Status(TFM_Information& form) { return vka_test::StatusText(form.StatusBar); }
bool WaitForRead(TFM_Information& form)
{
    const bool read = vka_test::PumpUntil([&] { return form.SystemGroupRead(); });
    EXPECT_TRUE(read) << "no reply to the form's first read; status: " << Status(form);
    return read;
}
void Open(const std::function<void(TFM_Information&)>& body)
{
    vka_test::RunMenuForm<TFM_Information>("Information1", FM_Information, body);
}
const std::string System = "1.3.6.1.2.1.1.";
const char* const GetTimedOut = "Get: (SNMPClass) SNMP request timed out!";
const char* const SetTimedOut = "Set: (SNMPClass) SNMP request timed out!";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}
}  // namespace

using vka_test::Pump;
using vka_test::PumpUntil;

class Information : public vka_test::FormRoad {};

// One get of the six scalars with their instance ".0"; the commit variable
// deviceSettingApply is never read or written; one set of the three writable variables
// the user changed, an empty one as an empty string (not NULL); a Save without changes
// sends nothing.
TEST_P(Information, ReadsTheGroupOnceAndSavesTheThreeWritableVariables)
{
    Open([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        EXPECT_EQ(Status(form), "");  // opening the form reports nothing on success
        EXPECT_FALSE(form.Ed_SD->Enabled());
        EXPECT_TRUE(form.Ed_SC->Enabled());
        form.Ed_SC->SetText("noc@example.net");
        form.Ed_SN->SetText("");
        form.Ed_SL->SetText("Mast 7, north face");
        form.Btn_Sa->Click();
        EXPECT_NE(Status(form), "Save OK!") << "success shown before the device answered";
        ASSERT_TRUE(vka_test::PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);
        // A second Save does not borrow the first one's result while it waits.
        form.Ed_SC->SetText("noc@example.org");
        form.Btn_Sa->Click();
        EXPECT_EQ(Status(form), "");
        ASSERT_TRUE(vka_test::PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);
        form.Btn_Sa->Click();
        EXPECT_EQ(Status(form), "Save OK!");
        EXPECT_EQ(dialogs.Count(), 0);
    });
    const auto journal = devsim.Journal();
    ASSERT_EQ(journal.size(), 3u);  // the read and the two saves that changed something
    EXPECT_EQ(journal[0].Kind, "GET");
    EXPECT_EQ(vka_test::JournalOids(journal[0]),
              (std::vector<std::string>{System + "1.0", System + "2.0", System + "3.0", System + "4.0",
                                        System + "5.0", System + "6.0"}));
    ASSERT_EQ(SentBindings().size(), 4u);
    EXPECT_EQ(vka_test::Bindings(Sets().at(0)),
              (std::vector<std::string>{System + "4.0 STRING \"noc@example.net\"", System + "5.0 STRING \"\"",
                                        System + "6.0 STRING \"Mast 7, north face\""}));
}

// Texts the device holds and the user did not touch - outside ASCII, longer than 32
// characters - are neither checked, nor emptied, nor written; a text the user typed is
// still refused and emptied.
TEST_P(Information, UntouchedTextsAreNeitherCheckedNorWritten)
{
    const std::string contact = "Andr\xC3\xA9 at the mast", name = "Building 7 / Rooftop mast north-east";
    ASSERT_TRUE(devsim.SetValue(System + "4.0", "STRING", "\"" + contact + "\""));
    ASSERT_TRUE(devsim.SetValue(System + "5.0", "STRING", "\"" + name + "\""));
    const std::string heldContact = DeviceValue(System + "4.0");
    Open([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        form.Ed_SL->SetText("North face");
        form.Btn_Sa->Click();
        ASSERT_TRUE(vka_test::PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);
        EXPECT_EQ(dialogs.Count(), 0);
        EXPECT_EQ(Text(form.Ed_SC), contact);

        form.Ed_SN->SetText("Z\xC3\xBCrich");
        form.Btn_Sa->Click();
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Don't support chinese character !"});
        EXPECT_EQ(Text(form.Ed_SN), "");
        EXPECT_EQ(Text(form.Ed_SC), contact);
    });
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_EQ(vka_test::Bindings(Sets()[0]), std::vector<std::string>{System + "6.0 STRING \"North face\""});
    EXPECT_EQ(DeviceValue(System + "4.0"), heldContact);
    EXPECT_EQ(DeviceValue(System + "5.0"), "STRING \"" + name + "\"");
}

// Length checks of all three come before any check of the bytes; a length counts
// characters, not bytes. A length refusal keeps the text and the focus, a byte refusal
// empties the edit and gives it the focus.
TEST_P(Information, RefusesTooLongAndNonAsciiTextsAndSendsNothing)
{
    struct Case {
        std::string contact, name, location;
        const char* text;
        std::string nameAfter;
        TEdit* TFM_Information::*focused;
    };
    const Case cases[] = {
        {"c", std::string(33, 'n'), "l", "The Max Lengh of the SystemName is 32.", std::string(33, 'n'),
         &TFM_Information::Ed_SC},
        {"caf\xE9", "plain", std::string(33, 'l'), "The Max Lengh of the SystemLocation is 32.", "plain",
         &TFM_Information::Ed_SC},
        {std::string(32, 'c'), "Z\xFCrich", "roof", "Don't support chinese character !", "",
         &TFM_Information::Ed_SN},
        // 32 characters, the last one "\xC3\xA9" of two bytes: the length is right, the character is not.
        {std::string(31, 'c') + "\xC3\xA9", "plain", "roof", "Don't support chinese character !", "plain",
         &TFM_Information::Ed_SC},
    };
    Open([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        for (const Case& c : cases) {
            dialogs.Clear();
            form.Ed_SC->SetFocus();
            form.Ed_SC->SetText(c.contact.c_str());
            form.Ed_SN->SetText(c.name.c_str());
            form.Ed_SL->SetText(c.location.c_str());
            form.Btn_Sa->Click();
            ASSERT_EQ(dialogs.Count(), 1) << c.text;
            EXPECT_EQ(dialogs.Last().Text, c.text);
            EXPECT_EQ(dialogs.Last().Caption, "Error");
            EXPECT_EQ(Text(form.Ed_SN), c.nameAfter) << c.text;
            EXPECT_TRUE((form.*c.focused)->Focused()) << c.text;
            EXPECT_EQ(Status(form), "");
        }
        // A good save afterwards: the only set the device sees.
        form.Ed_SN->SetText("plain");
        form.Btn_Sa->Click();
        ASSERT_TRUE(vka_test::PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);
    });
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_EQ(vka_test::Bindings(Sets()[0]).at(1), System + "5.0 STRING \"plain\"");
}

INSTANTIATE_TEST_SUITE_P(Roads, Information, ::testing::Values(1), vka_test::VersionName);

class InformationDevsim : public vka_test::FormRoad {};

TEST_P(InformationDevsim, AStoppedAgentGivesTheTimeOutTextNeverASuccess)
{
    Open([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        devsim.Stop();
        form.SystemRequest->Request.Timeout = 20;  // the test need not wait 2 x 30 s

        form.Ed_SC->SetText("nobody hears this");
        form.Btn_Sa->Click();
        ASSERT_TRUE(PumpUntil([&] { return StartsWith(Status(form), SetTimedOut); }))
            << Status(form);

        form.Btn_Re->Click();
        ASSERT_TRUE(PumpUntil([&] { return StartsWith(Status(form), GetTimedOut); }))
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
    Open([&](TFM_Information& form) {
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
    Open([&](TFM_Information& form) {
        ASSERT_FALSE(form.SystemGroupRead());
        form.Btn_Sa->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, InformationNotReadText);
        EXPECT_EQ(dialogs.Last().Caption, "Error");
        EXPECT_EQ(form.Ed_SC->Text().ToStdString(), "");  // as it started

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
    ASSERT_EQ(sets[0].Bindings.size(), 1u);  // the contact, read and untouched, stays out
    EXPECT_EQ(sets[0].Bindings[0].Value, "\"after the read\"");
}

// A Save waits for the reply of a Refresh, or of the Save before it, and says which.
TEST_P(InformationDevsim, SaveWaitsForAnOutstandingRefreshOrSave)
{
    Open([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        ASSERT_TRUE(devsim.DelayReplies(800));
        form.Btn_Re->Click();
        form.Ed_SN->SetText("saved name");
        form.Btn_Sa->Click();  // the older read would overwrite the saved text
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, InformationReadPendingText);
        ASSERT_TRUE(PumpUntil([&] { return Status(form) == "Get OK!"; })) << Status(form);

        form.Ed_SN->SetText("saved name");
        form.Btn_Sa->Click();
        form.Ed_SN->SetText("second name");
        form.Btn_Sa->Click();
        ASSERT_EQ(dialogs.Count(), 2);
        EXPECT_EQ(dialogs.Last().Text, InformationSavePendingText);
        ASSERT_TRUE(PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);

        ASSERT_TRUE(devsim.DelayReplies(0));
        form.Btn_Sa->Click();
        ASSERT_TRUE(PumpUntil([&] { return Requests("SET").size() == 2 && Status(form) == "Save OK!"; }))
            << Status(form);
        EXPECT_EQ(form.Ed_SN->Text().ToStdString(), "second name");
    });
    const auto sets = Requests("SET");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].Bindings.at(0).Value, "\"saved name\"");
    EXPECT_EQ(sets[1].Bindings.at(0).Value, "\"second name\"");
}

TEST_P(InformationDevsim, ASaveStillOnItsWayWhenTheFormClosesLands)
{
    Open([&](TFM_Information& form) {
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
    Open([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        EXPECT_EQ(form.Ed_SL->Text().ToStdString(), "saved while closing");
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, InformationDevsim, ::testing::Values(1), vka_test::VersionName);

// A reply later than the closing form's wait for it: the request gives up and the
// reply, when it comes, is dropped.
class InformationDevsimLate : public vka_test::FormRoad {};

TEST_P(InformationDevsimLate, AReplyLaterThanTheClosingWaitIsDropped)
{
    ASSERT_TRUE(devsim.DelayReplies(7000));
    Open([&](TFM_Information& form) { EXPECT_FALSE(form.SystemGroupRead()); });
    Pump(1.5);  // the delayed reply comes in meanwhile
    ASSERT_TRUE(devsim.DelayReplies(0));
    const auto gets = Requests("GET");
    ASSERT_EQ(gets.size(), 1u);
    EXPECT_EQ(gets[0].Status, "noError");
    Open([&](TFM_Information& form) { WaitForRead(form); });
}

INSTANTIATE_TEST_SUITE_P(Roads, InformationDevsimLate, ::testing::Values(1), vka_test::VersionName);
