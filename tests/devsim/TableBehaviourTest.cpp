// The device's lists: refresh variables fill tables from their templates,
// Add/Delete/DeleteAll and row deletes edit fixed-row tables (refusing a
// full table, a listed or unknown key), statistics clears, radio and LEDs.
#include "TempFolder.h"
#include "DeviceFixture.h"

#include <algorithm>
#include <chrono>
#include <thread>

using namespace devsim_test;

namespace {

// Client table (dot11ClientInformationRefresh fills it): MAC and RSSI columns.
const std::string kClientRefresh = kP37 + ".2.1.3.4.1.1.1.1";
const std::string kClientEntry = kP37 + ".2.1.3.4.2.1";
// Wireless MAC ACL: Add, Delete and the list's MAC column.
const std::string kAclAdd = kP37 + ".2.1.3.3.3.2.1.2.1";
const std::string kAclDelete = kP37 + ".2.1.3.3.3.2.1.3.1";
const std::string kAclList = kP37 + ".2.1.3.3.3.3.1.2";
// WDS peers: Add, DeleteAll and the list.
const std::string kPeerAdd = kP37 + ".2.1.3.2.2.2.1.1.1";
const std::string kPeerDeleteAll = kP37 + ".2.1.3.2.2.2.1.3.1";
const std::string kPeerList = kP37 + ".2.1.3.2.2.1.1.2";
// Port forwarding rules and their row delete.
const std::string kForwardDelete = kP37 + ".3.1.1.1.0";
const std::string kForwardEntry = kP37 + ".3.1.1.2.1";
// Statistics.
const std::string kWlanSent = kP37 + ".5.2.2.1.1.1.3.1";
const std::string kWlanClear = kP37 + ".5.2.2.1.1.1.16.1";
// Radio, band and LEDs.
const std::string kRadioMain = "1.3.6.1.4.1.32473.10.37.36.2.1.3.3.1.1.1.23.1";
const std::string kRadio = kP37 + ".2.1.3.2.1.1.15.1";
const std::string kBand = kP37 + ".2.1.3.2.1.1.24.1";
const std::string kLed24 = kP37 + ".5.1.4.1.1.6.1";
const std::string kLed5 = kP37 + ".5.1.4.1.1.7.1";

std::string Rows(const std::string& column, const std::vector<std::string>& hex)
{
    std::string text;
    for (std::size_t i = 0; i < hex.size(); ++i)
        text += column + "." + std::to_string(i + 1) + " HEX " + hex[i] + "\n";
    return text;
}

const std::string kZero = "000000000000";

class DevsimTables : public Devsim {
protected:
    ToolRun Set(const std::vector<std::string>& bindings, const std::string& version = "2c")
    {
        return Tool("snmpset", Community(version, "thunder"), bindings);
    }
    // "TYPE value" of each row of a column, rows 1..n; hex bytes without blanks.
    std::vector<std::string> Column(const std::string& column, int rows)
    {
        std::vector<std::string> values;
        for (int r = 1; r <= rows; ++r) {
            std::string value = device.GetValue(column + "." + std::to_string(r));
            if (value.rfind("HEX ", 0) == 0)
                value = "HEX " + Packed(value.substr(4));
            values.push_back(value);
        }
        return values;
    }
    static std::string Packed(std::string hex)
    {
        hex.erase(std::remove(hex.begin(), hex.end(), ' '), hex.end());
        return hex;
    }
    std::vector<std::string> Walk(const std::string& prefix)
    {
        std::vector<std::string> oids;
        for (const ToolVar& var : ParseVars(Tool("snmpwalk", Community("2c", "orchid"), {prefix}).output))
            oids.push_back(var.Oid + "=" + var.Value);
        return oids;
    }
};

} // namespace

TEST_F(DevsimTables, ARefreshFillsTheTableFromItsTemplate)
{
    StartDevice(kClientRefresh + " INTEGER 0\n" + Rows(kClientEntry + ".2", {"001CC0506001", "001CC0506002"})
                + "ro " + kClientEntry + ".5.1 INTEGER 42\nro " + kClientEntry + ".5.2 INTEGER 27\n"
                + "template ro " + kClientEntry + ".2.1 HEX 001CC0AA0001\n"
                + "template ro " + kClientEntry + ".5.1 INTEGER 50\n"
                + "template ro " + kClientEntry + ".2.7 HEX 001CC0AA0007\n"
                + "template ro " + kClientEntry + ".5.7 INTEGER 11\n");
    // Templates are not served before a refresh.
    EXPECT_EQ(Walk(kClientEntry).size(), 4u);

    ToolRun nothing = Set({kClientRefresh, "i", "0"});
    ASSERT_EQ(nothing.exitCode, 0) << nothing.output;
    EXPECT_EQ(Walk(kClientEntry).size(), 4u);

    ToolRun refresh = Set({kClientRefresh, "i", "1"});
    ASSERT_EQ(refresh.exitCode, 0) << refresh.output;
    EXPECT_EQ(Walk(kClientEntry), (std::vector<std::string>{kClientEntry + ".2.1=00 1C C0 AA 00 01",
                                                            kClientEntry + ".2.7=00 1C C0 AA 00 07",
                                                            kClientEntry + ".5.1=50", kClientEntry + ".5.7=11"}));
    EXPECT_EQ(device.GetValue(kClientRefresh), "INTEGER 0"); // the command was taken
    ToolRun readOnly = Set({kClientEntry + ".5.1", "i", "3"});
    EXPECT_NE(readOnly.output.find("notWritable"), std::string::npos) << "template marks come along";

    // Without template rows the refresh finds nobody.
    EXPECT_EQ(device.Control("clear-template " + kClientEntry), "OK 4");
    ASSERT_EQ(Set({kClientRefresh, "i", "1"}).exitCode, 0);
    EXPECT_TRUE(Walk(kClientEntry).empty());
    // A template row given on the control channel.
    EXPECT_EQ(device.Control("template " + kClientEntry + ".2.3 HEX 001CC0BB0003"), "OK");
    ASSERT_EQ(Set({kClientRefresh, "i", "1"}).exitCode, 0);
    EXPECT_EQ(Walk(kClientEntry), (std::vector<std::string>{kClientEntry + ".2.3=00 1C C0 BB 00 03"}));
}

TEST_F(DevsimTables, WithoutTemplateRowsARefreshFindsTheRowsTheStateGave)
{
    StartDevice(kClientRefresh + " INTEGER 0\n" + Rows(kClientEntry + ".2", {"001CC0506001", "001CC0506002"}));
    ASSERT_TRUE(device.SetValue(kClientEntry + ".2.2", "HEX", "001CC0FFFFFF"));
    ASSERT_TRUE(device.SetValue(kClientEntry + ".2.3", "HEX", "001CC0EEEEEE"));
    ASSERT_EQ(Set({kClientRefresh, "i", "1"}).exitCode, 0);
    EXPECT_EQ(Walk(kClientEntry), (std::vector<std::string>{kClientEntry + ".2.1=00 1C C0 50 60 01",
                                                            kClientEntry + ".2.2=00 1C C0 50 60 02"}));
}

TEST_F(DevsimTables, AddWritesTheFirstFreeRowAndDeleteFreesIt)
{
    StartDevice(kAclAdd + " HEX " + kZero + "\n" + kAclDelete + " HEX " + kZero + "\n"
                + Rows(kAclList, {"001CC0304001", kZero, "001CC0304003", kZero}));
    ToolRun add = Set({kAclAdd, "x", "001CC0304099"});
    ASSERT_EQ(add.exitCode, 0) << add.output;
    EXPECT_EQ(Column(kAclList, 4), (std::vector<std::string>{"HEX 001CC0304001", "HEX 001CC0304099",
                                                             "HEX 001CC0304003", "HEX " + kZero}));
    EXPECT_EQ(Packed(device.GetValue(kAclAdd)), "HEX" + kZero);

    ToolRun remove = Set({kAclDelete, "x", "001CC0304001"});
    ASSERT_EQ(remove.exitCode, 0) << remove.output;
    EXPECT_EQ(Column(kAclList, 4), (std::vector<std::string>{"HEX " + kZero, "HEX 001CC0304099",
                                                             "HEX 001CC0304003", "HEX " + kZero}));
    // A zero address is no address: nothing happens, nothing is refused.
    EXPECT_EQ(Set({kAclAdd, "x", kZero}).exitCode, 0);
    EXPECT_EQ(Set({kAclDelete, "x", kZero}).exitCode, 0);
    EXPECT_EQ(Column(kAclList, 4)[0], "HEX " + kZero);
}

TEST_F(DevsimTables, RefusedListEditsChangeNothing)
{
    StartDevice(kAclAdd + " HEX " + kZero + "\n" + kAclDelete + " HEX " + kZero + "\n" + kApMode + " INTEGER 1\n"
                + Rows(kAclList, {"001CC0304001", kZero}));
    struct Case {
        std::vector<std::string> bindings;
        std::string status;
        long index;
    };
    const std::vector<Case> cases = {
        {{kAclAdd, "x", "001CC0304001"}, "inconsistentValue", 1},              // listed already
        {{kAclDelete, "x", "001CC0304077"}, "inconsistentValue", 1},           // not listed
        {{kAclAdd, "x", "001CC03040"}, "wrongLength", 1},                      // not six bytes
        {{kApMode, "i", "3", kAclAdd, "x", "001CC0304002", kAclAdd, "x", "001CC0304003"},
         "resourceUnavailable", 3},                                           // the second add finds no free row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        ASSERT_TRUE(device.ClearJournal());
        ToolRun set = Set(c.bindings);
        EXPECT_NE(set.exitCode, 0);
        EXPECT_NE(set.output.find(c.status), std::string::npos) << set.output;
        const auto journal = device.Journal();
        ASSERT_EQ(journal.size(), 1u);
        EXPECT_EQ(journal[0].Status, c.status);
        EXPECT_EQ(journal[0].ErrorIndex, c.index);
        EXPECT_EQ(Column(kAclList, 2), (std::vector<std::string>{"HEX 001CC0304001", "HEX " + kZero}));
        EXPECT_EQ(device.GetValue(kApMode), "INTEGER 1");
    }
    // SNMPv1 has no such codes: net-snmp's agent maps them to v1 ones.
    ToolRun v1 = Set({kAclAdd, "x", "001CC0304001"}, "1");
    EXPECT_NE(v1.exitCode, 0);
    EXPECT_NE(v1.output.find("badValue"), std::string::npos) << v1.output;
    ToolRun full = Set({kAclAdd, "x", "001CC0304002", kAclAdd, "x", "001CC0304003"}, "1");
    EXPECT_NE(full.output.find("genErr"), std::string::npos) << full.output;
    EXPECT_EQ(Column(kAclList, 2), (std::vector<std::string>{"HEX 001CC0304001", "HEX " + kZero}));
}

TEST_F(DevsimTables, PeersAreReplacedByDeleteAllThenAddsInOnePdu)
{
    StartDevice(kPeerAdd + " HEX " + kZero + "\n" + kPeerDeleteAll + " INTEGER 0\n"
                + Rows(kPeerList, {"001A2B742001", "001A2B742002", kZero, kZero}));
    ASSERT_EQ(Set({kPeerDeleteAll, "i", "1"}).exitCode, 0);
    EXPECT_EQ(Column(kPeerList, 4), std::vector<std::string>(4, "HEX " + kZero));
    EXPECT_EQ(device.GetValue(kPeerDeleteAll), "INTEGER 0");

    ToolRun adds = Set({kPeerAdd, "x", "001A2B743003", kPeerAdd, "x", kZero, kPeerAdd, "x", "001A2B743001",
                        kPeerAdd, "x", kZero});
    ASSERT_EQ(adds.exitCode, 0) << adds.output;
    EXPECT_EQ(Column(kPeerList, 4), (std::vector<std::string>{"HEX 001A2B743003", "HEX 001A2B743001",
                                                              "HEX " + kZero, "HEX " + kZero}));
    EXPECT_NE(Set({kPeerDeleteAll, "i", "2"}).output.find("wrongValue"), std::string::npos);
}

TEST_F(DevsimTables, ARowDeleteFreesEveryColumnOfThatRow)
{
    StartDevice(kForwardDelete + " INTEGER 0\n" + kForwardEntry + ".2.1 STRING \"Web\"\n" + kForwardEntry
                + ".2.2 STRING \"Camera\"\n" + kForwardEntry + ".3.1 IPADDRESS 192.168.1.60\n" + kForwardEntry
                + ".3.2 IPADDRESS 192.168.1.61\n" + kForwardEntry + ".4.2 INTEGER 554\n");
    ToolRun remove = Set({kForwardDelete, "i", "2"});
    ASSERT_EQ(remove.exitCode, 0) << remove.output;
    EXPECT_EQ(device.GetValue(kForwardEntry + ".2.2"), "STRING \"\"");
    EXPECT_EQ(device.GetValue(kForwardEntry + ".3.2"), "IPADDRESS 0.0.0.0");
    EXPECT_EQ(device.GetValue(kForwardEntry + ".4.2"), "INTEGER 0");
    EXPECT_EQ(device.GetValue(kForwardEntry + ".2.1"), "STRING \"Web\"");
    EXPECT_EQ(device.GetValue(kForwardDelete), "INTEGER 0");
    EXPECT_NE(Set({kForwardDelete, "i", "9"}).output.find("inconsistentValue"), std::string::npos);
    EXPECT_NE(Set({kForwardDelete, "i", "-1"}).output.find("wrongValue"), std::string::npos);
    EXPECT_EQ(device.GetValue(kForwardEntry + ".2.1"), "STRING \"Web\"");
}

TEST_F(DevsimTables, AVlanRowGoesWithItsOwnDeleteFlag)
{
    const std::string vlan = kP37 + ".3.3.5.1.3.1";
    StartDevice(vlan + ".2.1 INTEGER 1\n" + vlan + ".2.2 INTEGER 10\n" + vlan + ".3.1 STRING \"default\"\n" + vlan
                + ".3.2 STRING \"office\"\n" + vlan + ".4.2 INTEGER 2\n" + vlan + ".22.1 INTEGER 0\n" + vlan
                + ".22.2 INTEGER 0\n");
    ASSERT_EQ(Set({vlan + ".22.2", "i", "1"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(vlan + ".2.2"), "INTEGER 0");
    EXPECT_EQ(device.GetValue(vlan + ".3.2"), "STRING \"\"");
    EXPECT_EQ(device.GetValue(vlan + ".4.2"), "INTEGER 0");
    EXPECT_EQ(device.GetValue(vlan + ".22.2"), "INTEGER 0");
    EXPECT_EQ(device.GetValue(vlan + ".3.1"), "STRING \"default\"");
    EXPECT_NE(Set({vlan + ".22.1", "i", "5"}).output.find("wrongValue"), std::string::npos);
    EXPECT_EQ(device.GetValue(vlan + ".2.1"), "INTEGER 1");
}

TEST_F(DevsimTables, IntegerCountersAdvanceAndAClearStartsThemAgain)
{
    StartDevice("ro advance=100000 " + kWlanSent + " INTEGER 2147400000\n" + kWlanClear + " INTEGER 0\n");
    const long first = std::stol(Get(kWlanSent).Value);
    long later = first;
    EXPECT_TRUE(vka_test::WaitFor([&] { return (later = std::stol(Get(kWlanSent).Value)) != first; }));
    EXPECT_GE(later, 0) << "an INTEGER counter wraps to 0, never to a negative value";
    EXPECT_LT(later, 2147400000L + 100000L * 3);
    ASSERT_EQ(Set({kWlanClear, "i", "1"}).exitCode, 0);
    EXPECT_LT(std::stol(Get(kWlanSent).Value), 100000L * 3);
    EXPECT_EQ(device.GetValue(kWlanClear), "INTEGER 0");
}

TEST_F(DevsimTables, LedsFollowRadioAndBand)
{
    StartDevice(kRadioMain + " INTEGER 1\n" + kRadio + " INTEGER 1\n" + kBand + " INTEGER 0\nro " + kLed24
                + " INTEGER 1\nro " + kLed5 + " INTEGER 0\n");
    ASSERT_EQ(Set({kRadio, "i", "0"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(kRadioMain), "INTEGER 0");
    EXPECT_EQ(device.GetValue(kLed24), "INTEGER 0");
    EXPECT_EQ(device.GetValue(kLed5), "INTEGER 0");
    ASSERT_EQ(Set({kBand, "i", "1"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(kLed5), "INTEGER 0") << "the radio is still off";
    ASSERT_EQ(Set({kRadioMain, "i", "1"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(kRadio), "INTEGER 1");
    EXPECT_EQ(device.GetValue(kLed24), "INTEGER 0");
    EXPECT_EQ(device.GetValue(kLed5), "INTEGER 1");
    ASSERT_EQ(Set({kBand, "i", "0"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(kLed24), "INTEGER 1");
    EXPECT_EQ(device.GetValue(kLed5), "INTEGER 0");
}

TEST_F(DevsimTables, TemplateAndLogCommandsRefuseWhatTheyCannotUse)
{
    StartDevice(kClientRefresh + " INTEGER 0\n");
    EXPECT_EQ(device.Control("clear-template some.table").rfind("ERR ", 0), 0u);
    EXPECT_EQ(device.Control("template " + kClientEntry + ".2.1 HEX 0").rfind("ERR ", 0), 0u);
    EXPECT_EQ(device.Control("template 1.3.6.1.2.1.1.5.0 STRING \"x\"").rfind("ERR ", 0), 0u);
    EXPECT_EQ(device.Control("log").rfind("ERR ", 0), 0u);
    EXPECT_EQ(device.Control("clear-log"), "OK");
    EXPECT_EQ(device.Control("clear-template " + kClientEntry), "OK 0");
}
