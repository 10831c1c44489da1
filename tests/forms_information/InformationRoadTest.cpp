// Home / Information end to end over SNMPv1, v2c and v3, against net-snmp's snmpd and
// the simulated device: the form shows the agent's system group, writes contact, name
// and location back, and refuses input the device cannot take without sending it.
#include <regex>

#include "InformationFixture.h"
#include "KwSNMPRequest2Edits.h"

using namespace information_test;

namespace {
std::string Text(TEdit* edit)
{
    return edit->Text().ToStdString();
}

// The road's own texts, so that runs over several versions never see each other's.
std::string Tagged(const std::string& text, const Road& road)
{
    return text + " v" + std::to_string(road.Version);
}
}  // namespace

TEST_P(InformationRoad, ShowsTheAgentsSystemGroup)
{
    const std::string peer = agent->PeerName();
    RunInForm([&](TFM_Information& form) {
        EXPECT_EQ(form.Caption().ToStdString(), "Home \\ Information");
        EXPECT_EQ(Text(form.Ed_SC), "Ed_SC");  // its own name until the reply
        EXPECT_EQ(form.SystemRequest->Request.Timeout, 3000);
        EXPECT_EQ(form.ApplyRequest->Request.Timeout, 1000);
        if (!WaitForRead(form))
            return;
        EXPECT_EQ(Text(form.Ed_SD), ToolGet(peer, SysDescr));
        std::string objectId = ToolGet(peer, SysObjectId);  // ".1.3.6..." from the tool
        ASSERT_FALSE(objectId.empty());
        EXPECT_EQ(Text(form.Ed_SO), objectId.substr(objectId[0] == '.' ? 1 : 0));
        EXPECT_TRUE(std::regex_match(Text(form.Ed_SU),
                                     std::regex(R"(((1 day )|(\d+ days, ))?\d+:\d\d:\d\d\.\d\d)")))
            << Text(form.Ed_SU);
        EXPECT_EQ(Text(form.Ed_SC), ToolGet(peer, SysContact));
        EXPECT_EQ(Text(form.Ed_SN), ToolGet(peer, SysName));
        EXPECT_EQ(Text(form.Ed_SL), ToolGet(peer, SysLocation));
        EXPECT_FALSE(form.Ed_SD->Enabled());
        EXPECT_TRUE(form.Ed_SC->Enabled());
        EXPECT_EQ(form.Ed_SN->MaxLength(), 32);
        EXPECT_EQ(Status(form), "");  // opening the form reports nothing on success
        EXPECT_EQ(dialogs.Count(), 0);
    });

    if (vka_test::DevsimPeer* devsim = agent->Devsim()) {
        // One get of the six scalars with their instance ".0"; the commit variable
        // deviceSettingApply is never read or written.
        // (The test's own snmpget calls ask for one variable each.)
        std::vector<vka_test::DevsimJournalEntry> formRequests;
        for (const auto& entry : devsim->Journal()) {
            for (const auto& binding : entry.Bindings)
                EXPECT_NE(binding.Oid.rfind("1.3.6.1.4.1.32473.10.37.37.4.2.3", 0), 0u);
            if (entry.Bindings.size() > 1)
                formRequests.push_back(entry);
        }
        ASSERT_EQ(formRequests.size(), 1u);
        EXPECT_EQ(formRequests[0].Kind, "GET");
        EXPECT_EQ(formRequests[0].Version, GetParam().Version == 0 ? "1"
                                           : GetParam().Version == 1 ? "2c" : "3");
        ASSERT_EQ(formRequests[0].Bindings.size(), 6u);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(formRequests[0].Bindings[i].Oid,
                      "1.3.6.1.2.1.1." + std::to_string(i + 1) + ".0");
    }
}

TEST_P(InformationRoad, SaveWritesContactNameAndLocationAnEmptyOneAsEmptyText)
{
    const std::string peer = agent->PeerName();
    const std::string contact = Tagged("noc@example.net", GetParam());
    const std::string location = Tagged("Mast 7, north face", GetParam());
    RunInForm([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        if (agent->Devsim())
            agent->Devsim()->ClearJournal();
        form.Ed_SC->SetText(contact.c_str());
        form.Ed_SN->SetText("");
        form.Ed_SL->SetText(location.c_str());
        form.Btn_Sa->Click();
        EXPECT_NE(Status(form), "Save OK!") << "success shown before the device answered";
        ASSERT_TRUE(PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);
        // A second Save does not borrow the first one's result while it waits.
        form.Btn_Sa->Click();
        EXPECT_EQ(Status(form), "");
        ASSERT_TRUE(PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);
        EXPECT_EQ(dialogs.Count(), 0);
    });
    EXPECT_EQ(ToolGet(peer, SysContact), contact);
    EXPECT_EQ(ToolGet(peer, SysName), "");
    EXPECT_EQ(ToolGet(peer, SysLocation), location);

    if (vka_test::DevsimPeer* devsim = agent->Devsim()) {
        // One set of exactly the three writable variables, in the group's order.
        std::vector<vka_test::DevsimJournalEntry> sets;
        for (const auto& entry : devsim->Journal())
            if (entry.Kind == "SET")
                sets.push_back(entry);
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(sets[0].Status, "noError");
        ASSERT_EQ(sets[0].Bindings.size(), 3u);
        EXPECT_EQ(sets[0].Bindings[0].Oid, SysContact);
        EXPECT_EQ(sets[0].Bindings[1].Oid, SysName);
        EXPECT_EQ(sets[0].Bindings[1].Type, "STRING");  // not NULL
        EXPECT_EQ(sets[0].Bindings[1].Value, "\"\"");
        EXPECT_EQ(sets[0].Bindings[2].Oid, SysLocation);
    }
}

TEST_P(InformationRoad, RefreshReadsAgainAndSaysGetOkOnceTheReplyIsIn)
{
    const std::string peer = agent->PeerName();
    const std::string changed = Tagged("changed behind the form", GetParam());
    RunInForm([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        ASSERT_TRUE(ToolSetString(peer, SysLocation, changed));
        form.Btn_Re->Click();
        EXPECT_EQ(Status(form), "");
        ASSERT_TRUE(PumpUntil([&] { return Status(form) == "Get OK!"; })) << Status(form);
        EXPECT_EQ(Text(form.Ed_SL), changed);
    });
}

TEST_P(InformationRoad, TooLongAndNonAsciiTextsAreRefusedAndNothingIsSent)
{
    const std::string peer = agent->PeerName();
    const std::string nameBefore = ToolGet(peer, SysName);
    const int setsBefore = DevsimSetCount();
    RunInForm([&](TFM_Information& form) {
        if (!WaitForRead(form))
            return;
        const std::string name33(33, 'n');
        form.Ed_SN->SetText(name33.c_str());
        form.Ed_SC->SetFocus();
        form.Btn_Sa->Click();
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, "The Max Lengh of the SystemName is 32.");
        EXPECT_EQ(dialogs.Last().Caption, "Error");
        EXPECT_EQ(Text(form.Ed_SN), name33);  // a length refusal keeps the text and the focus
        EXPECT_TRUE(form.Ed_SC->Focused());

        // Length checks of all three come before any check of the bytes.
        form.Ed_SN->SetText("plain");
        form.Ed_SC->SetText("caf\xE9");
        form.Ed_SL->SetText(std::string(33, 'l').c_str());
        form.Btn_Sa->Click();
        ASSERT_EQ(dialogs.Count(), 2);
        EXPECT_EQ(dialogs.Last().Text, "The Max Lengh of the SystemLocation is 32.");

        form.Ed_SC->SetText(std::string(32, 'c').c_str());  // 32 is still allowed
        form.Ed_SL->SetText("roof");
        form.Ed_SN->SetText("Z\xFCrich");
        form.Btn_Sa->Click();
        ASSERT_EQ(dialogs.Count(), 3);
        EXPECT_EQ(dialogs.Last().Text, "Don't support chinese character !");
        EXPECT_EQ(dialogs.Last().Caption, "Error");
        EXPECT_EQ(Text(form.Ed_SN), "");  // emptied and given the focus
        EXPECT_TRUE(form.Ed_SN->Focused());
        Pump(0.3);  // a set, had one gone out, would be answered by now
        EXPECT_EQ(Status(form), "");
    });
    EXPECT_EQ(ToolGet(peer, SysName), nameBefore);
    EXPECT_EQ(DevsimSetCount(), setsBefore);
}

INSTANTIATE_TEST_SUITE_P(Roads, InformationRoad,
                         ::testing::Values(Road{PeerKind::Snmpd, 0}, Road{PeerKind::Snmpd, 1},
                                           Road{PeerKind::Snmpd, 3}, Road{PeerKind::Devsim, 0},
                                           Road{PeerKind::Devsim, 1}, Road{PeerKind::Devsim, 3}),
                         RoadName);
