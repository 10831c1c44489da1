// Home / Information against the simulated device: what the form reads and writes,
// request by request, and the input it refuses without sending anything.
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
}  // namespace

class Information : public vka_test::FormRoad {};

// One get of the six scalars with their instance ".0"; the commit variable
// deviceSettingApply is never read or written; one set of exactly the three writable
// variables, an empty one as an empty string (not NULL).
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
        form.Btn_Sa->Click();
        EXPECT_EQ(Status(form), "");
        ASSERT_TRUE(vka_test::PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);
        EXPECT_EQ(dialogs.Count(), 0);
    });
    const auto journal = devsim.Journal();
    ASSERT_EQ(journal.size(), 3u);  // the read and the two saves
    EXPECT_EQ(journal[0].Kind, "GET");
    EXPECT_EQ(vka_test::JournalOids(journal[0]),
              (std::vector<std::string>{System + "1.0", System + "2.0", System + "3.0", System + "4.0",
                                        System + "5.0", System + "6.0"}));
    ASSERT_EQ(SentBindings().size(), 6u);
    EXPECT_EQ(vka_test::Bindings(Sets().at(0)),
              (std::vector<std::string>{System + "4.0 STRING \"noc@example.net\"", System + "5.0 STRING \"\"",
                                        System + "6.0 STRING \"Mast 7, north face\""}));
}

// Length checks of all three come before any check of the bytes; a length refusal keeps
// the text and the focus, a byte refusal empties the edit and gives it the focus.
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
