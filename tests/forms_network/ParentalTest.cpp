// Parental control against the simulated device: the URL list with a free row between
// entries, Add up to the limit, duplicates and bad addresses refused before anything
// (the status included) is written, and Delete of the chosen entry's own row.
#include "FormRequests.h"
#include "FormTexts.h"
#include "KwSNMPRequest2Edits.h"
#include "NetworkFixture.h"
#include "Parentalcontrol.h"
#include "UserActions.h"

using namespace network_test;

namespace {
const std::string Status = P + ".3.2.1.1.1.1.1";
const std::string UrlAdd = P + ".3.2.1.1.1.2.1";
const std::string UrlDelete = P + ".3.2.1.1.1.3.1";
const std::string Urls = P + ".3.2.1.2.1.2";

std::string UrlRow(int row, const std::string& url)
{
    return "ro " + Urls + "." + std::to_string(row) + " STRING \"" + url + "\"\n";
}
}  // namespace

class Parental : public vka_test::FormRoad {
protected:
    std::string StateText() const override
    {
        std::string rows = UrlRow(1, "www.example.org") + UrlRow(2, "") + UrlRow(3, "games.example.net");
        for (int row = 4; row <= 10; ++row)
            rows += UrlRow(row, "");
        return StateWithRows(Status, Status + " INTEGER 2\n", StateWithRows(Urls, rows));
    }
    void Open(const std::function<void(TFM_ParentalCtr&)>& body)
    {
        vka_test::RunMenuForm<TFM_ParentalCtr>("ParentalControl1", FM_ParentalCtr, [&](TFM_ParentalCtr& form) {
            ASSERT_TRUE(PumpUntil([&] { return form.LV_WebURLUser->Items()->Count() > 0; }));
            body(form);
        });
    }
    static Lines Shown(TFM_ParentalCtr& form) { return Rows(form.LV_WebURLUser); }
};

TEST_P(Parental, AddsAndDeletesTheChosenEntryRefusingBadAddresses)
{
    Open([&](TFM_ParentalCtr& form) {
        ASSERT_EQ(Shown(form), (std::vector<std::string>{"1|www.example.org", "3|games.example.net"}));
        ASSERT_TRUE(devsim.ClearJournal());

        for (const char* url : {"bad url", "a/b", "GAMES.example.net"}) {
            form.Edt_WebURL->SetText(url);
            ASSERT_TRUE(Press(form.Btn_Add));
        }
        EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Invalid Website URL!", "Invalid Website URL!",
                                                              "Reject: The URL has already exist "}));
        EXPECT_TRUE(Sets().empty());  // not even the status

        form.Edt_WebURL->SetText("news.example.com");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(PumpUntil([&] { return Shown(form).size() == 3u; }));
        EXPECT_EQ(Shown(form)[1], "2|news.example.com");

        form.LV_WebURLUser->Items()->Item(2)->SetSelected(true);  // games, row 3
        form.LV_WebURLUser->Click();
        EXPECT_EQ(form.Edt_WebURL->Text().ToStdString(), "games.example.net");
        ASSERT_TRUE(Press(form.Btn_Delect));
        EXPECT_EQ(dialogs.Last().Text, "Are you sure that you want to delete this Website URL?");
        ASSERT_TRUE(PumpUntil([&] { return Shown(form).size() == 2u; }));
        EXPECT_EQ(Shown(form), (std::vector<std::string>{"1|www.example.org", "2|news.example.com"}));
    });
    EXPECT_EQ(Sets().size(), 3u);
    EXPECT_EQ(SentBindings(), (Lines{Status + " INTEGER 2", UrlAdd + " STRING \"news.example.com\"",
                                     UrlDelete + " INTEGER 3"}));
}

INSTANTIATE_TEST_SUITE_P(Roads, Parental, ::testing::Values(1), vka_test::VersionName);

TEST_P(Parental, AddsUpToTenEntriesAndNoMore)
{
    for (int row = 4; row <= 10; ++row)  // nine entries: one more fits
        ASSERT_TRUE(devsim.Control("set ro " + Urls + "." + std::to_string(row) + " STRING \"site" + std::to_string(row) +
                                   ".example\"").rfind("OK", 0) == 0);
    Open([&](TFM_ParentalCtr& form) {
        ASSERT_EQ(Shown(form).size(), 9u);
        form.Edt_WebURL->SetText("tenth.example");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(PumpUntil([&] { return Shown(form).size() == 10u; }));
        const int sets = int(Sets().size());
        form.Edt_WebURL->SetText("eleventh.example");
        ASSERT_TRUE(Press(form.Btn_Add));
        EXPECT_EQ(dialogs.Last().Text, "Maximum Numbers of WebURL List is 10!");
        EXPECT_EQ(dialogs.Last().Caption, "Waring");
        EXPECT_EQ(form.Edt_WebURL->Text().ToStdString(), "");
        EXPECT_EQ(int(Sets().size()), sets);
    });
}

// A status outside its list is not written back with an added entry, and the add goes
// through without a word of a set that had nothing to send.
TEST_P(Parental, AddLeavesAStatusOutsideItsListAsTheDeviceHasIt)
{
    ASSERT_TRUE(devsim.SetValue(Status, "INTEGER", "99"));
    Open([&](TFM_ParentalCtr& form) {
        ASSERT_EQ(form.CB_ParentContrl->ItemIndex(), -1);
        ASSERT_TRUE(devsim.ClearJournal());
        form.Edt_WebURL->SetText("news.example.com");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(PumpUntil([&] { return Shown(form).size() == 3u; }));
        EXPECT_EQ(dialogs.Count(), 0) << dialogs.Last().Text;
    });
    EXPECT_EQ(SentBindings(), (Lines{UrlAdd + " STRING \"news.example.com\""}));
    EXPECT_EQ(DeviceValue(Status), "INTEGER 99");
}

// A refused status does not decide whether the address goes: both go out, and the
// verdict names the status.
TEST_P(Parental, ARefusedStatusDoesNotKeepTheAddressBack)
{
    ASSERT_EQ(devsim.Control("set ro " + Status + " INTEGER 2").rfind("OK", 0), 0u);
    Open([&](TFM_ParentalCtr& form) {
        ASSERT_TRUE(devsim.ClearJournal());
        vka_test::Pick(form.CB_ParentContrl, 1);
        form.Edt_WebURL->SetText("news.example.com");
        ASSERT_TRUE(Press(form.Btn_Add));
        ASSERT_TRUE(PumpUntil([&] { return vka_test::RequestsIdle(&form); }));
        EXPECT_EQ(StatusText(form.StatusBar1), "Set error! Not saved: Enabled Parental Control.");
        EXPECT_EQ(Shown(form).size(), 3u);
    });
    EXPECT_EQ(SentBindings(), (Lines{Status + " INTEGER 1", UrlAdd + " STRING \"news.example.com\""}));
}
