// Advanced / Performance against the simulated device: what each Save sends (binding by
// binding, per AP mode), the range checks at both edges, the mode and data-rate lists,
// and results that never claim a success they lack.
#include "FormTestRoad.h"
#include "JournalBindings.h"
#include "KwSNMPRequest2Edits.h"
#include "KwSNMPSession.h"
#include "Performace.h"
#include "StateTables.h"
#include "UserActions.h"

using vka_test::JournalOids;
using vka_test::PumpUntil;

namespace {
const std::string Beacon = vka_test::DeviceOid("2.1.3.2.1.1.10.1");
const std::string Dtim = vka_test::DeviceOid("2.1.3.2.1.1.11.1");
const std::string Power = vka_test::DeviceOid("2.1.3.2.1.1.14.1");
const std::string Wmm = vka_test::DeviceOid("2.1.3.2.1.1.17.1");
const std::string ShortGI = vka_test::DeviceOid("2.1.3.2.1.1.22.1");
const std::string Igmp = vka_test::DeviceOid("2.1.3.2.1.1.23.1");
const std::string Radio = vka_test::DeviceOid("2.1.3.2.1.1.15.1");
const std::string DataRate = vka_test::DeviceOid("2.1.3.2.1.1.8.1");
const std::string LoadBalance = vka_test::DeviceOid("3.3.2.1.1.1.1");
const std::string UserLimit = vka_test::DeviceOid("3.3.2.1.1.2.1");
const std::string Ack = vka_test::DeviceOid("2.1.3.2.1.1.21.1");
const std::string WifiMode = vka_test::DeviceOid("2.1.3.2.1.1.9.1");
const std::string ApMode = vka_test::DeviceOid("2.1.3.2.1.1.18.1");
const std::string Band = vka_test::DeviceOid("2.1.3.2.1.1.24.1");

std::string Status(TFM_Performace& form) { return form.StatusBar->SimpleText().ToStdString(); }

std::string ValueOf(const vka_test::DevsimJournalEntry& entry, const std::string& oid)
{
    const vka_test::DevsimJournalBinding* binding = vka_test::JournalBinding(entry, oid);
    return binding ? binding->Value : "";
}
}  // namespace

class PerformanceTest : public vka_test::FormRoad {
protected:
    void Run(const std::function<void(TFM_Performace&)>& body)
    {
        vka_test::RunMenuForm<TFM_Performace>("adPerformance1", FM_Performace, body);
    }
    // Save, then the sets it sent.
    std::vector<vka_test::DevsimJournalEntry> Save(TFM_Performace& form)
    {
        devsim.ClearJournal();
        form.Bt_Apply_a->Click();
        return Sets();
    }
    // Values in range for the beacon, DTIM and ACK time-out, other than those shown: only
    // edited ones are sent.
    static void TypeNumbers(TFM_Performace& form)
    {
        const auto type = [](TEdit* edit, const char* one, const char* other) {
            edit->SetText(edit->Text() == one ? other : one);
        };
        type(form.Ed_BeInta, "150", "160");
        type(form.Ed_DTIMa, "3", "4");
        type(form.Ed_AckTimeOut, "100", "110");
    }
};

TEST_P(PerformanceTest, RadioOffSendsTheSwitchAloneAndRadioOnEverythingAgain)
{
    Run([&](TFM_Performace& form) {
        EXPECT_EQ(Status(form), "Get OK!");
        EXPECT_EQ(form.Ed_BeInta->Text().ToStdString(), "100");
        EXPECT_FALSE(form.Ed_ULimit->Enabled());  // connection limit off

        form.CB_Radio->SetItemIndex(0);
        form.Ed_BeInta->SetText("7");  // neither checked nor sent with the radio off
        const auto sets = Save(form);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(JournalOids(sets[0]), std::vector<std::string>{Radio});
        EXPECT_EQ(sets[0].Bindings[0].Value, "0");
        EXPECT_EQ(Status(form), "Save OK!");
        EXPECT_EQ(dialogs.Count(), 0);
        EXPECT_EQ(form.Ed_BeInta->Text().ToStdString(), "100");  // read again

        // Back on: every variable is marked for sending again (the numbers the user
        // edits among them).
        form.CB_Radio->SetItemIndex(1);
        TypeNumbers(form);
        const auto again = Save(form);
        ASSERT_EQ(again.size(), 2u);
        EXPECT_EQ(again[0].Bindings.size(), 10u);
        EXPECT_EQ(JournalOids(again[1]), std::vector<std::string>{WifiMode});
    });
}

TEST_P(PerformanceTest, EachApModeSendsItsOwnVariables)
{
    struct Case {
        int apMode;
        int loadBalance;
        std::vector<std::string> radio;
        bool modeSet;
    };
    const std::vector<Case> cases = {
        {1, 0, {Beacon, Dtim, Power, Wmm, ShortGI, Igmp, Radio, DataRate, LoadBalance, Ack}, true},
        {1, 1, {Beacon, Dtim, Power, Wmm, ShortGI, Igmp, Radio, DataRate, LoadBalance, UserLimit, Ack}, true},
        {2, 1, {Beacon, Dtim, Power, Wmm, ShortGI, Igmp, Radio, DataRate, Ack}, true},
        {3, 0, {Beacon, Dtim, Power, Wmm, ShortGI, Igmp, Radio, DataRate, Ack}, true},
        {4, 1, {Power, Wmm, Radio, DataRate, Ack}, false},
    };
    Run([&](TFM_Performace& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE("AP mode " + std::to_string(c.apMode) + ", load balance " + std::to_string(c.loadBalance));
            ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", std::to_string(c.apMode)));
            ASSERT_TRUE(devsim.SetValue(LoadBalance, "INTEGER", std::to_string(c.loadBalance)));
            form.Bt_Refresh_a->Click();
            EXPECT_EQ(form.Ed_BeInta->Enabled(), c.apMode != 4);
            EXPECT_EQ(form.CB_Grouping->Enabled(), c.apMode == 1);
            EXPECT_EQ(form.CB_IGMPSnooping->Enabled(), c.apMode <= 2);
            TypeNumbers(form);  // a client leaves its beacon and DTIM out even then
            const auto sets = Save(form);
            ASSERT_EQ(sets.size(), c.modeSet ? 2u : 1u);
            EXPECT_EQ(JournalOids(sets[0]), c.radio);
            EXPECT_EQ(ValueOf(sets[0], DataRate), "\"0\"");  // an 802.11n mode: no fixed rate
            if (c.modeSet) {
                EXPECT_EQ(JournalOids(sets[1]), std::vector<std::string>{WifiMode});
            }
            EXPECT_EQ(Status(form), "Save OK!");
            EXPECT_EQ(dialogs.Count(), 0);
        }
    });
}

TEST_P(PerformanceTest, RangesAreCheckedAtBothEdgesAndARefusalSendsNothing)
{
    ASSERT_TRUE(devsim.SetValue(LoadBalance, "INTEGER", "1"));  // the user limit is sent
    struct Case {
        TEdit* TFM_Performace::*edit;
        const char* text;
        const char* refusal;  // nullptr: accepted
    };
    const char* const beacon = "Please input a number between 25 and 500.";
    const char* const dtim = "Please input a number between 1 and 15.";
    const char* const limit = "The range of 'User Limit' is from 0 to 64";
    const char* const ack24 = "The Ack TimeOut value range is 64~200.";
    const std::vector<Case> cases = {
        {&TFM_Performace::Ed_BeInta, "24", beacon},   {&TFM_Performace::Ed_BeInta, "25", nullptr},
        {&TFM_Performace::Ed_BeInta, "500", nullptr}, {&TFM_Performace::Ed_BeInta, "501", beacon},
        {&TFM_Performace::Ed_BeInta, "", beacon},     {&TFM_Performace::Ed_DTIMa, "0", dtim},
        {&TFM_Performace::Ed_DTIMa, "1", nullptr},    {&TFM_Performace::Ed_DTIMa, "15", nullptr},
        {&TFM_Performace::Ed_DTIMa, "16", dtim},      {&TFM_Performace::Ed_ULimit, "0", nullptr},
        {&TFM_Performace::Ed_ULimit, "00", limit},    {&TFM_Performace::Ed_ULimit, "64", nullptr},
        {&TFM_Performace::Ed_ULimit, "65", limit},    {&TFM_Performace::Ed_AckTimeOut, "63", ack24},
        {&TFM_Performace::Ed_AckTimeOut, "64", nullptr}, {&TFM_Performace::Ed_AckTimeOut, "200", nullptr},
        {&TFM_Performace::Ed_AckTimeOut, "201", ack24}, {&TFM_Performace::Ed_AckTimeOut, "50", ack24},
    };
    Run([&](TFM_Performace& form) {
        // The form active, so a refusal's focus lands at once.
        form.SetActiveControl(form.Bt_Apply_a);
        ASSERT_TRUE(vka_test::PumpUntil([&] { return form.Bt_Apply_a->Focused(); }));
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string((form.*c.edit)->Name().c_str()) + " = \"" + c.text + "\"");
            dialogs.Clear();
            (form.*c.edit)->SetText(c.text);
            TWinControl* const before = form.ActiveControl();
            const auto sets = Save(form);
            if (!c.refusal) {
                EXPECT_EQ(dialogs.Count(), 0);
                ASSERT_EQ(sets.size(), 2u);
                if (c.edit == &TFM_Performace::Ed_ULimit) {
                    EXPECT_EQ(ValueOf(sets[0], UserLimit), c.text);
                }
                continue;
            }
            EXPECT_TRUE(sets.empty());
            ASSERT_EQ(dialogs.Count(), 1);
            EXPECT_EQ(dialogs.Last().Text, c.refusal);
            EXPECT_EQ(dialogs.Last().Caption, "Error");
            EXPECT_EQ((form.*c.edit)->Text().ToStdString(), "");
            // Only the user limit takes the focus.
            EXPECT_EQ(form.ActiveControl(), c.edit == &TFM_Performace::Ed_ULimit ? form.Ed_ULimit : before);
            form.Bt_Refresh_a->Click();  // the device's values back in place
        }

        // At 5 GHz the ACK time-out may go down to 50.
        ASSERT_TRUE(devsim.SetValue(Band, "INTEGER", "1"));
        ASSERT_TRUE(devsim.SetValue(WifiMode, "INTEGER", "9"));
        form.Bt_Refresh_a->Click();
        EXPECT_EQ(form.Label_Ack->Caption().ToStdString(), "Ack Time Out (5GHz, 50~200)");
        dialogs.Clear();
        form.Ed_AckTimeOut->SetText("50");
        EXPECT_EQ(Save(form).size(), 2u);
        form.Ed_AckTimeOut->SetText("201");
        EXPECT_TRUE(Save(form).empty());
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"The Ack TimeOut value range is 50~200."});
    });
}

TEST_P(PerformanceTest, AUserLimitThatIsNotSentNeverBlocksSave)
{
    Run([&](TFM_Performace& form) {
        // Connection limit off: the limit stays on the device whatever the edit holds.
        form.Ed_ULimit->SetText("999");
        auto sets = Save(form);
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(ValueOf(sets[0], UserLimit), "");
        // A client checks neither beacon nor DTIM, but still its ACK time-out.
        ASSERT_TRUE(devsim.SetValue(ApMode, "INTEGER", "4"));
        form.Bt_Refresh_a->Click();
        form.Ed_BeInta->SetText("1");
        form.Ed_DTIMa->SetText("99");
        EXPECT_EQ(Save(form).size(), 1u);
        form.Ed_AckTimeOut->SetText("10");
        EXPECT_TRUE(Save(form).empty());
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"The Ack TimeOut value range is 64~200."});
    });
}

TEST_P(PerformanceTest, NOnlyModeIsOfferedOnlyWhereTheSecurityAllowsIt)
{
    struct Case {
        int auth, encryption, cipher;
        bool offered;
    };
    // open system / WEP, WPA2-PSK with TKIP, then with AES
    const std::vector<Case> cases = {{1, 0, 1, true}, {1, 1, 1, false}, {5, 0, 3, false}, {5, 0, 2, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE("authentication " + std::to_string(c.auth) + ", encryption " + std::to_string(c.encryption) +
                     ", cipher " + std::to_string(c.cipher));
        ASSERT_TRUE(devsim.SetValue(vka_test::DeviceOid("2.1.3.3.1.1.1.1"), "INTEGER", std::to_string(c.auth)));
        ASSERT_TRUE(devsim.SetValue(vka_test::DeviceOid("2.1.3.3.1.1.2.1"), "INTEGER", std::to_string(c.encryption)));
        ASSERT_TRUE(devsim.SetValue(vka_test::DeviceOid("2.1.3.3.1.1.5.1"), "INTEGER", std::to_string(c.cipher)));
        ASSERT_TRUE(devsim.SetValue(WifiMode, "INTEGER", "2"));  // 802.11n Only
        Run([&](TFM_Performace& form) {
            for (TComboBox* list : {form.CB_WMode1, form.CB_WMode2})
                EXPECT_EQ(list->Items()->IndexOf("802.11n Only") >= 0, c.offered) << list->Name().c_str();
            EXPECT_EQ(form.CB_WMode1->Text().ToStdString(),
                      c.offered ? "802.11n Only" : "Mixed 802.11n,802.11g and 802.11b");
        });
    }
}

TEST_P(PerformanceTest, DataRateListsFollowBandAndModeAndAutoSelectsTheBest)
{
    ASSERT_TRUE(devsim.SetValue(DataRate, "STRING", "5.50"));
    Run([&](TFM_Performace& form) {
        // An 802.11n mode: no rate to choose.
        EXPECT_EQ(form.CB_DRate->Items()->Count(), 13);
        EXPECT_EQ(form.CB_DRate->Text().ToStdString(), "Best(up to 300)");
        EXPECT_FALSE(form.CB_DRate->Enabled());

        vka_test::Choose(form.CB_WMode1, 1);  // Mixed 802.11g and 802.11b: a rate of the list
        EXPECT_TRUE(form.CB_DRate->Enabled());
        EXPECT_EQ(form.CB_DRate->Items()->Count(), 13);
        EXPECT_EQ(form.CB_DRate->Items()->Strings(0).ToStdString(), "Best(up to 54)");

        ASSERT_TRUE(devsim.SetValue(WifiMode, "INTEGER", "3"));
        form.Bt_Refresh_a->Click();
        EXPECT_EQ(form.CB_DRate->Text().ToStdString(), "5.5");  // the stored "5.50"
        vka_test::Choose(form.CB_DRate, form.CB_DRate->Items()->IndexOf("11"));
        auto sets = Save(form);
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(ValueOf(sets[0], DataRate), "\"11\"");
        EXPECT_EQ(ValueOf(sets[1], WifiMode), "3");

        ASSERT_TRUE(devsim.SetValue(DataRate, "STRING", "Auto"));
        form.Bt_Refresh_a->Click();
        EXPECT_EQ(form.CB_DRate->ItemIndex(), 0);

        // 5 GHz, 802.11a only: the eight OFDM rates.
        ASSERT_TRUE(devsim.SetValue(Band, "INTEGER", "1"));
        ASSERT_TRUE(devsim.SetValue(WifiMode, "INTEGER", "7"));
        form.Bt_Refresh_a->Click();
        EXPECT_TRUE(form.CB_WMode2->Visible());
        EXPECT_EQ(form.CB_WMode2->Text().ToStdString(), "802.11a Only");
        EXPECT_EQ(form.CB_DRate->Items()->Count(), 9);
        EXPECT_EQ(form.CB_DRate->Items()->IndexOf("11"), -1);
        EXPECT_EQ(form.CB_DRate->ItemIndex(), 0);
    });
}

TEST_P(PerformanceTest, AFailedSetIsNeverShownAsSuccess)
{
    Run([&](TFM_Performace& form) {
        // The device refuses the wireless mode: the radio set alone does not make a success.
        ASSERT_EQ(devsim.Control("set ro " + WifiMode + " INTEGER 6").rfind("OK", 0), 0u);
        auto sets = Save(form);
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(sets[0].Status, "noError");
        EXPECT_NE(sets[1].Status, "noError");
        EXPECT_EQ(Status(form), "Set Error!");

        // A silent device: the save fails and its re-read costs one time-out only.
        for (KwSNMPRequest2Edits* request :
             {form.CountryRequest, form.SecurityRequest, form.CipherRequest, form.ModeRequest, form.RadioRequest,
              form.BandRequest, form.Mode24Request, form.Mode5Request})
            request->Request.Timeout = 20;
        ASSERT_TRUE(devsim.SilentFor(30));
        form.Bt_Apply_a->Click();
        EXPECT_EQ(Status(form), "Set Error!");
        ASSERT_GT(dialogs.Count(), 0);  // the library's report of the failed set
        EXPECT_EQ(dialogs.Last().Text, "(SNMPClass) SNMP request timed out!");
        ASSERT_TRUE(devsim.SilentFor(0));
        form.Bt_Refresh_a->Click();
        EXPECT_EQ(Status(form), "Get OK!");
    });
}

INSTANTIATE_TEST_SUITE_P(Roads, PerformanceTest, ::testing::Values(1), vka_test::VersionName);

// A device the library cannot even address: the creation's failure stays in the status
// bar, and neither Save nor Refresh touches the requests that were never built.
TEST(PerformanceWithoutDevice, ACreationFailureIsShownAndNothingIsSentAfterIt)
{
    vka_test::OpenFormSession();
    vka_test::AimFormSession(161, 1);
    KwDefaultDevice.Address = "";
    InstalledScriptedDialogs dialogs;
    vka_test::RunMenuForm<TFM_Performace>("adPerformance1", FM_Performace, [&](TFM_Performace& form) {
        const std::string failure = Status(form);
        EXPECT_NE(failure.find("(KwSNMP++)"), std::string::npos) << failure;
        form.Bt_Apply_a->Click();
        form.Bt_Refresh_a->Click();
        EXPECT_EQ(Status(form), failure);
        EXPECT_EQ(dialogs.Count(), 0);
    });
}

// Beacon, DTIM and ACK time-out as the device holds them, out of range or of another
// type: an unchanged Save keeps them and sends the rest; a value the user types is
// checked against its range as ever.
class PerformanceDeviceNumbers : public PerformanceTest {};

TEST_P(PerformanceDeviceNumbers, AreKeptUnlessTheUserEditsThem)
{
    ASSERT_TRUE(devsim.SetValue(Beacon, "INTEGER", "1000"));
    ASSERT_TRUE(devsim.SetValue(Dtim, "STRING", "1"));
    ASSERT_TRUE(devsim.SetValue(Ack, "INTEGER", "7"));
    Run([&](TFM_Performace& form) {
        auto sets = Save(form);
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(JournalOids(sets[0]),
                  (std::vector<std::string>{Power, Wmm, ShortGI, Igmp, Radio, DataRate, LoadBalance}));
        EXPECT_EQ(dialogs.Count(), 0) << (dialogs.Count() ? dialogs.Last().Text : "");
        EXPECT_EQ(Status(form), "Save OK!");

        form.Ed_AckTimeOut->SetText("10");
        EXPECT_TRUE(Save(form).empty());
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"The Ack TimeOut value range is 64~200."});
        form.Ed_AckTimeOut->SetText("100");
        sets = Save(form);
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(ValueOf(sets[0], Ack), "100");
        EXPECT_EQ(ValueOf(sets[0], Beacon), "");
    });
    EXPECT_EQ(DeviceValue(Beacon), "INTEGER 1000");
    EXPECT_EQ(DeviceValue(Dtim), "STRING \"1\"");
    EXPECT_EQ(DeviceValue(Ack), "INTEGER 100");
}

INSTANTIATE_TEST_SUITE_P(Roads, PerformanceDeviceNumbers, vka_test::AllVersions(), vka_test::VersionName);
