// The descriptor tables of the catalogue: their number, shape and a hand-picked
// sample of names, OIDs, syntaxes and access words.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "Catalogue.h"
#include "KwSNMPVarList.h"

namespace {

const std::string P37 = "1.3.6.1.4.1.32473.10.37.37";
const std::string P36 = "1.3.6.1.4.1.32473.10.37.36";

int CountRecords(const KwSNMPVar* table)
{
    int n = 0;
    while (table[n].Oid)
        ++n;
    return n;
}

const CatalogueTableInfo* FindTable(const char* name)
{
    for (int i = 0; i < CatalogueTableCount; ++i)
        if (std::strcmp(CatalogueTableIndex[i].Name, name) == 0)
            return &CatalogueTableIndex[i];
    return nullptr;
}

TEST(CatalogueTables, HoldsEveryGroupWithItsRecords)
{
    EXPECT_EQ(CatalogueTableCount, 147);
    int records = 0;
    std::set<std::string> names;
    for (int i = 0; i < CatalogueTableCount; ++i) {
        const CatalogueTableInfo& t = CatalogueTableIndex[i];
        SCOPED_TRACE(t.Name);
        EXPECT_TRUE(names.insert(t.Name).second) << "table listed twice";
        EXPECT_EQ(CountRecords(t.Table), t.Count);
        EXPECT_GT(t.Count, 0);
        records += t.Count;
    }
    EXPECT_EQ(records, 433);
}

TEST(CatalogueTables, RecordsFillOnlyTheFirstFiveFieldsAndEndAllZero)
{
    for (int i = 0; i < CatalogueTableCount; ++i) {
        const CatalogueTableInfo& t = CatalogueTableIndex[i];
        SCOPED_TRACE(t.Name);
        for (int r = 0; r < t.Count; ++r) {
            const KwSNMPVar& v = t.Table[r];
            ASSERT_NE(v.Oid, nullptr);
            ASSERT_NE(v.Name, nullptr);
            EXPECT_NE(v.Oid[0], '.');
            EXPECT_EQ(v.GetExpr, nullptr);
            EXPECT_EQ(v.SetExpr, nullptr);
            EXPECT_EQ(v.Reserved, nullptr);
            EXPECT_EQ(v.Value, nullptr);
            EXPECT_EQ(v.InstanceOid, nullptr);
        }
        const KwSNMPVar& end = t.Table[t.Count];
        EXPECT_EQ(end.Oid, nullptr);
        EXPECT_EQ(end.Name, nullptr);
        EXPECT_EQ(end.Syntax, 0);
        EXPECT_EQ(end.Access, 0);
        EXPECT_EQ(end.Options, nullptr);
        EXPECT_EQ(end.GetExpr, nullptr);
        EXPECT_EQ(end.Value, nullptr);
        EXPECT_EQ(end.InstanceOid, nullptr);
    }
}

TEST(CatalogueTables, OidsAreDottedDecimalUnderTheDeviceOrMib2Prefixes)
{
    for (int i = 0; i < CatalogueTableCount; ++i) {
        const CatalogueTableInfo& t = CatalogueTableIndex[i];
        for (int r = 0; r < t.Count; ++r) {
            const std::string oid = t.Table[r].Oid;
            SCOPED_TRACE(std::string(t.Name) + " " + oid);
            EXPECT_EQ(oid.find_first_not_of("0123456789."), std::string::npos);
            EXPECT_EQ(oid.find(".."), std::string::npos);
            EXPECT_NE(oid.back(), '.');
            const bool device = oid.rfind(P37 + ".", 0) == 0 || oid.rfind(P36 + ".", 0) == 0;
            const bool mib2 = oid.rfind("1.3.6.1.2.1.1.", 0) == 0;
            EXPECT_TRUE(device || mib2);
        }
    }
}

TEST(CatalogueTables, SyntaxAndAccessTalliesStayPut)
{
    std::map<int, int> syntax, access;
    for (int i = 0; i < CatalogueTableCount; ++i)
        for (int r = 0; r < CatalogueTableIndex[i].Count; ++r) {
            ++syntax[CatalogueTableIndex[i].Table[r].Syntax];
            ++access[CatalogueTableIndex[i].Table[r].Access];
        }
    EXPECT_EQ(syntax, (std::map<int, int>{{SX_INTEGER, 264}, {SX_DISPLAYSTR, 71}, {SX_IPADDRESS, 63},
                                          {SX_MACADDRESS, 30}, {SX_TIMETICKS, 4}, {SX_OBJECTID, 1}}));
    EXPECT_EQ(access, (std::map<int, int>{{AC_READWRITE, 306}, {AC_READONLY, 100}, {AC_NOTACCESS, 22},
                                          {AC_INVALID, 5}}));
}

struct Expected {
    const KwSNMPVar* table;
    int index;
    std::string name;
    std::string oid;
    int syntax;
    int access;
};

void Check(const Expected& e)
{
    SCOPED_TRACE(e.name + " #" + std::to_string(e.index));
    const KwSNMPVar& v = e.table[e.index];
    EXPECT_EQ(std::string(v.Name), e.name);
    EXPECT_EQ(std::string(v.Oid), e.oid);
    EXPECT_EQ(v.Syntax, e.syntax);
    EXPECT_EQ(v.Access, e.access);
}

TEST(CatalogueTables, SampleOfRecordsAsTheDeviceDescribesThem)
{
    const Expected sample[] = {
        {tftpUpgradeSettingCommandVars, 0, "tftpUpgradeSettingCommand", P37 + ".4.3.2.4", SX_INTEGER, AC_READWRITE},
        {dot11ApModeVars3, 0, "dot11ApMode", P37 + ".2.1.3.2.1.1.18.1", SX_INTEGER, AC_READWRITE},
        {dot11RadioWaveVars, 0, "dot11RadioWave", P36 + ".2.1.3.3.1.1.1.23.1", SX_INTEGER, AC_READWRITE},
        {dot11BeaconIntervalVars, 6, "dot11RadioWave", P37 + ".2.1.3.2.1.1.15.1", SX_INTEGER, AC_READWRITE},
        {dot11BeaconIntervalVars, 12, "dot11Band5GHzDataRateList", P37 + ".2.1.3.2.1.1.25.1", SX_DISPLAYSTR, AC_READONLY},
        {sysDescrVars, 0, "sysDescr", "1.3.6.1.2.1.1.1", SX_DISPLAYSTR, AC_READONLY},
        {systemDescrVars, 1, "systemObjectID", "1.3.6.1.2.1.1.2", SX_OBJECTID, AC_READONLY},
        {systemDescrVars, 2, "systemUpTime", "1.3.6.1.2.1.1.3", SX_TIMETICKS, AC_READONLY},
        {systemNameVars, 1, "systemLocation", "1.3.6.1.2.1.1.6", SX_DISPLAYSTR, AC_READWRITE},
        {lanIfIpAddressVars, 0, "lanIfIpAddress", P36 + ".2.1.1.1.1.2.1", SX_IPADDRESS, AC_READWRITE},
        {telnetVars, 1, "ssh", P37 + ".4.4.2.0", SX_INTEGER, AC_READWRITE},
        // Column order as the device lists it, not ascending.
        {dot11MssidIndexVars, 7, "dot11MssidKeyType", P37 + ".3.3.3.3.1.12", SX_INTEGER, AC_READWRITE},
        {dot11MssidIndexVars, 8, "dot11MssidCipherType", P37 + ".3.3.3.3.1.10", SX_INTEGER, AC_READWRITE},
        {dot11MssidIndexVars, 16, "dot11MssidPriority", P37 + ".3.3.3.3.1.29", SX_INTEGER, AC_READWRITE},
        {currentDynamicIndexVars, 4, "currentDynamicHostName", P37 + ".3.3.1.4.2.1.2", SX_DISPLAYSTR, AC_READWRITE},
        {sntpServerIpAddressVars, 5, "sntpDayLightSavingOffset", P37 + ".4.8.16", SX_INTEGER, AC_READONLY},
        {sntpServerIpAddressVars, 6, "sntpDstStartMonth", P37 + ".4.8.8", SX_INTEGER, AC_READWRITE},
        // Index columns and columns the wireless form leaves out of its sets.
        {dot11SiteSurveyIndexVars, 0, "dot11SiteSurveyIndex", P37 + ".2.1.3.2.3.2.1.1", SX_INTEGER, AC_NOTACCESS},
        {dot11SsidVars2, 0, "dot11Ssid", P37 + ".2.1.3.2.1.1.1.1", SX_DISPLAYSTR, AC_INVALID},
        {dot11SsidVars2, 3, "dot11ABandChannelList", P37 + ".2.1.3.2.1.1.4.1", SX_DISPLAYSTR, AC_READONLY},
        {dot11SsidVars2, 5, "dot11ChannelWidth", P37 + ".2.1.3.2.1.1.19.1", SX_INTEGER, AC_INVALID},
        // Captions with blanks and parentheses keep them.
        {dot11SiteSurveyIndexVars, 1, " CH", P37 + ".2.1.3.2.3.2.1.3", SX_INTEGER, AC_READONLY},
        {dot11SiteSurveyIndexVars, 3, " BSSID", P37 + ".2.1.3.2.3.2.1.5", SX_MACADDRESS, AC_READONLY},
        {dot11SiteSurveyIndexVars, 4, " Security ", P37 + ".2.1.3.2.3.2.1.6", SX_DISPLAYSTR, AC_READONLY},
        {dot11WdsSiteSurveyIndexVars, 4, "Security", P37 + ".2.1.3.2.4.2.1.5", SX_DISPLAYSTR, AC_READONLY},
        {dot11UserLimitStatusVars, 1, "UserLimit(0-64)", P37 + ".3.3.2.1.1.2.1", SX_INTEGER, AC_READWRITE},
        {currentDynamicIndexVars, 3, "Current Dynamic Lease", P37 + ".3.3.1.4.2.1.5", SX_TIMETICKS, AC_READONLY},
        {currentStaticIndexVars, 2, "Current Static Assigned IP", P37 + ".3.3.1.4.4.1.3", SX_IPADDRESS, AC_READONLY},
        {IndexVars2, 2, "End", P37 + ".4.10.1.4.1.3", SX_IPADDRESS, AC_READWRITE},
        // Repeated variables: eight WDS peers and four MTU copies on one OID each.
        {dot11RemoteApMacAddressAddVars, 7, "dot11RemoteApMacAddressAdd", P37 + ".2.1.3.2.2.2.1.1.1", SX_MACADDRESS, AC_READWRITE},
        {ipMTUVars, 3, "ipMTU", P37 + ".2.2.1.1.1.1.4.2", SX_INTEGER, AC_READWRITE},
        {schedulingNodeStatusVars, 3, "schedulingNodeStatus", P37 + ".4.11.2.1.9.4", SX_INTEGER, AC_READWRITE},
        {schedulingStatusVars, 1, "dot11ApMode", P37 + ".2.1.3.2.1.1.18.1", SX_INTEGER, AC_READONLY},
        {ifIpAddressVars2, 0, "ifIpAddress", P37 + ".5.1.4.1.1.2.1", SX_IPADDRESS, AC_READWRITE},
        {ifIpAddressVars, 0, "ifIpAddress", P37 + ".5.1.4.1.1.2.1", SX_IPADDRESS, AC_READONLY},
        {dot11GroupVlanListIndexVars, 17, "dot11VlanListSurveydelete", P37 + ".3.3.5.1.3.1.22", SX_INTEGER, AC_READWRITE},
        {firewallRulesIndexVars, 3, "firewallSouceStartIp", P37 + ".3.2.3.1.3.1.4", SX_IPADDRESS, AC_READWRITE},
        {ipPrimaryDNSVars, 17, "ipInformationPptpPassword", P37 + ".2.2.1.1.2.1.16.1", SX_DISPLAYSTR, AC_READWRITE},
        {dot11ClinetIndexVars, 8, "dot11ActiveTime", P37 + ".2.1.3.4.2.1.9", SX_TIMETICKS, AC_READONLY},
        {macAccessControlFilterListIndexVars, 1, "macAccessControlFilterListMacAddress", P37 + ".3.2.2.2.1.2", SX_MACADDRESS, AC_READONLY},
        // The LAN form's pool group names the columns without an instance; the DHCP
        // form's names instance 1.
        {dynamicIpPoolStartVars, 0, "dynamicIpPoolStart", P37 + ".3.3.1.2.2.1.2", SX_IPADDRESS, AC_READWRITE},
        {dynamicIpPoolStartVars2, 0, "dynamicIpPoolStart", P37 + ".3.3.1.2.2.1.2.1", SX_IPADDRESS, AC_READWRITE},
        {dynamicIpPoolStartVars2, 7, "dynamicLeaseTime", P37 + ".3.3.1.2.2.1.9.1", SX_INTEGER, AC_READWRITE},
    };
    for (const Expected& e : sample)
        Check(e);
}

TEST(CatalogueTables, SampleOfGroupSizes)
{
    const std::pair<const char*, int> sizes[] = {
        {"dot11MssidIndexVars", 17}, {"dot11BeaconIntervalVars", 13}, {"dot11QosRulesIndexVars", 18},
        {"dot11GroupVlanListIndexVars", 18}, {"ipPrimaryDNSVars", 18}, {"sntpServerIpAddressVars", 14},
        {"dot11TransmittedPacketCountVars", 11}, {"dot11PvidSettingMgmtVars", 10}, {"staticIndexVars", 10},
        {"dot11RemoteApMacAddressAddVars", 8}, {"systemDescrVars", 6}, {"ipMTUVars", 4},
        {"dot11RemoteApMacAddressListVars", 1}, {"sysDescrVars", 1},
    };
    for (const auto& s : sizes) {
        const CatalogueTableInfo* t = FindTable(s.first);
        ASSERT_NE(t, nullptr) << s.first;
        EXPECT_EQ(t->Count, s.second) << s.first;
    }
    // Groups that nothing reads are not carried.
    EXPECT_EQ(FindTable("dot11QosRulesStateVars"), nullptr);
    EXPECT_EQ(FindTable("ifIndexVars"), nullptr);
}

TEST(CatalogueTables, EachGroupNamesHowItsFormsReadIt)
{
    std::map<int, int> tablesByType;
    for (int i = 0; i < CatalogueTableCount; ++i) {
        const CatalogueTableInfo& t = CatalogueTableIndex[i];
        SCOPED_TRACE(t.Name);
        ASSERT_GT(t.UseCount, 0);
        for (int u = 1; u < t.UseCount; ++u)
            EXPECT_EQ(t.Uses[u].ItemType, t.Uses[0].ItemType);
        ++tablesByType[t.Uses[0].ItemType];
    }
    EXPECT_EQ(tablesByType, (std::map<int, int>{{SVT_SV, 48}, {MVT_SV, 76}, {MVT_FMV, 2}, {MVT_UMV, 21}}));

    const CatalogueTableInfo* mode = FindTable("dot11ApModeVars3");
    ASSERT_NE(mode, nullptr);
    ASSERT_EQ(mode->UseCount, 8);
    EXPECT_STREQ(mode->Uses[1].Form, "TMainForm");
    EXPECT_EQ(mode->Uses[1].ItemType, MVT_SV);
    const CatalogueTableInfo* leases = FindTable("currentDynamicIndexVars");
    ASSERT_NE(leases, nullptr);
    EXPECT_STREQ(leases->Uses[0].Form, "TFM_DHCP");
    EXPECT_EQ(leases->Uses[0].ItemType, MVT_FMV);
    EXPECT_EQ(leases->Uses[0].KeyCount, 1);
    const CatalogueTableInfo* peers = FindTable("dot11RemoteApMacAddressListVars");
    ASSERT_NE(peers, nullptr);
    EXPECT_EQ(peers->Uses[0].ItemType, MVT_UMV);
    EXPECT_EQ(peers->Uses[0].KeyCount, 0);
    const CatalogueTableInfo* apply = FindTable("deviceSettingApplyVars");
    ASSERT_NE(apply, nullptr);
    ASSERT_EQ(apply->UseCount, 4);
    EXPECT_STREQ(apply->Uses[0].Form, "TFM_Sytem");
    EXPECT_EQ(apply->Uses[3].ItemType, SVT_SV);
}

TEST(CatalogueTables, AVariableListCopiesAGroupAndSharesItsOptionLists)
{
    KwSNMPVarList list(dot11MssidIndexVars, MVT_UMV, 1);
    ASSERT_EQ(list.Count(), 17);
    EXPECT_EQ(list.KeyCount, 1);
    EXPECT_STREQ(list.Item(2).Name, "dot11MssidSsid");
    EXPECT_NE(list.Item(2).Name, dot11MssidIndexVars[2].Name);  // its own copy
    EXPECT_EQ(list.Item(4).Options, dot11MssidIndexVars[4].Options);
    EXPECT_FALSE(list.IsReadable(0));  // the index column is not requested
    EXPECT_TRUE(list.IsWritable(0));   // but takes the row a set names
    EXPECT_TRUE(list.IsReadable(1));

    KwSNMPVarList wireless(dot11SsidVars2, MVT_SV, 0);
    EXPECT_FALSE(wireless.IsReadable(0));  // invalid: left out
    EXPECT_TRUE(wireless.IsReadable(3));
}

}  // namespace
