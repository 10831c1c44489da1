// Home / Information against net-snmp's snmpd, a real agent: the form shows its system
// group as net-snmp's own tools read it, and what it saves and reads again is what the
// agent holds.
#include <regex>

#include "FormTestRoad.h"
#include "FormTexts.h"
#include "Information.h"
#include "SnmpdPeer.h"
#include "ToolOutput.h"

namespace {
const std::string System = "1.3.6.1.2.1.1.";

std::string Text(TEdit* edit) { return edit->Text().ToStdString(); }
std::string Status(TFM_Information& form) { return vka_test::StatusText(form.StatusBar); }

class InformationSnmpd : public ::testing::Test {
protected:
    void SetUp() override
    {
        vka_test::OpenFormSession();
        std::string error;
        ASSERT_TRUE(snmpd.Start(&error)) << error;
        vka_test::AimFormSession(snmpd.Port(), 1);
    }
    void TearDown() override { snmpd.Stop(); }

    // The value as snmpget prints it, without its quotes.
    std::string Get(const std::string& oid) const
    {
        std::string value = vka_test::RunTool("snmpget -v2c -c orchid -Oqv -On -r 1 -t 2 " + snmpd.PeerName() + " " + oid);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return value;
    }
    bool Set(const std::string& oid, const std::string& plainValue) const
    {
        const std::string out = vka_test::RunTool("snmpset -v2c -c thunder -Oqv -On -r 1 -t 2 " + snmpd.PeerName() +
                                                  " " + oid + " s '" + plainValue + "'");
        return !out.empty() && out.find("Error") == std::string::npos && out.find("Timeout") == std::string::npos;
    }

    vka_test::SnmpdPeer snmpd;
    InstalledScriptedDialogs dialogs;
};
}  // namespace

TEST_F(InformationSnmpd, ShowsSavesAndRereadsTheAgentsSystemGroup)
{
    vka_test::RunMenuForm<TFM_Information>("Information1", FM_Information, [&](TFM_Information& form) {
        ASSERT_TRUE(vka_test::PumpUntil([&] { return form.SystemGroupRead(); })) << Status(form);
        EXPECT_EQ(Text(form.Ed_SD), Get(System + "1.0"));
        const std::string objectId = Get(System + "2.0");  // ".1.3.6..." from the tool
        ASSERT_FALSE(objectId.empty());
        EXPECT_EQ(Text(form.Ed_SO), objectId.substr(objectId[0] == '.' ? 1 : 0));
        EXPECT_TRUE(std::regex_match(Text(form.Ed_SU), std::regex(R"(((1 day )|(\d+ days, ))?\d+:\d\d:\d\d\.\d\d)")))
            << Text(form.Ed_SU);
        EXPECT_EQ(Text(form.Ed_SC), Get(System + "4.0"));
        EXPECT_EQ(Text(form.Ed_SN), Get(System + "5.0"));
        EXPECT_EQ(Text(form.Ed_SL), Get(System + "6.0"));

        form.Ed_SC->SetText("noc@example.net");
        form.Ed_SN->SetText("");
        form.Ed_SL->SetText("Mast 7, north face");
        form.Btn_Sa->Click();
        ASSERT_TRUE(vka_test::PumpUntil([&] { return Status(form) == "Save OK!"; })) << Status(form);
        EXPECT_EQ(Get(System + "4.0"), "noc@example.net");
        EXPECT_EQ(Get(System + "5.0"), "");
        EXPECT_EQ(Get(System + "6.0"), "Mast 7, north face");

        ASSERT_TRUE(Set(System + "6.0", "changed behind the form"));
        form.Btn_Re->Click();
        EXPECT_EQ(Status(form), "");
        ASSERT_TRUE(vka_test::PumpUntil([&] { return Status(form) == "Get OK!"; })) << Status(form);
        EXPECT_EQ(Text(form.Ed_SL), "changed behind the form");
        EXPECT_EQ(dialogs.Count(), 0);
    });
}
