#include "DeviceTables.h"

#include "ServedTrees.h"

namespace devsim {

Oid deviceOid(const std::string& tail)
{
    Oid oid;
    parseOid(formatOid(privateTreeOid()) + ".37." + tail, oid);
    return oid;
}

const std::vector<RefreshTable>& refreshTables()
{
    static const std::vector<RefreshTable> tables = {
        {"dot11ClientInformationRefresh", deviceOid("2.1.3.4.1.1.1.1"), deviceOid("2.1.3.4.2.1")},
        {"dot11WdsRefresh", deviceOid("2.1.3.5.1.1.1.1"), deviceOid("2.1.3.5.2.1")},
        {"dot11SiteSurveyRefresh", deviceOid("2.1.3.2.3.1.1.1.1"), deviceOid("2.1.3.2.3.2.1")},
        {"dot11WdsSiteSurveyRefresh", deviceOid("2.1.3.2.4.1.1.1.1"), deviceOid("2.1.3.2.4.2.1")},
        {"dot11MacCloneAddressRefresh", deviceOid("2.1.3.1.1.1.4.1"), deviceOid("2.1.3.1.2.1")},
        {"dot11RogueApSurveyRefresh", deviceOid("3.3.4.1.1.0"), deviceOid("3.3.4.1.8.1")},
        {"dot11PortListRefresh", deviceOid("3.3.5.3.1.0"), deviceOid("3.3.5.3.2.1")},
        {"refreshCurrentDynamicList", deviceOid("3.3.1.4.1.0"), deviceOid("3.3.1.4.2.1")},
        {"refreshCurrentStaticList", deviceOid("3.3.1.4.3.0"), deviceOid("3.3.1.4.4.1")},
    };
    return tables;
}

const std::vector<KeyedList>& keyedLists()
{
    static const std::vector<KeyedList> lists = {
        {"dot11MacAccessControlListMacAddress", deviceOid("2.1.3.3.3.2.1.2.1"), deviceOid("2.1.3.3.3.2.1.3.1"), {},
         deviceOid("2.1.3.3.3.3.1.2"), KeyKind::MacAddress},
        {"macAccessControlFilterListMacAddress", deviceOid("3.2.2.1.1.2.1"), deviceOid("3.2.2.1.1.3.1"), {},
         deviceOid("3.2.2.2.1.2"), KeyKind::MacAddress},
        {"dot11RemoteApMacAddressList", deviceOid("2.1.3.2.2.2.1.1.1"), {}, deviceOid("2.1.3.2.2.2.1.3.1"),
         deviceOid("2.1.3.2.2.1.1.2"), KeyKind::MacAddress},
        {"parantalControlListUrl", deviceOid("3.2.1.1.1.2.1"), {}, {}, deviceOid("3.2.1.2.1.2"), KeyKind::Text},
    };
    return lists;
}

const std::vector<RowDelete>& rowDeletes()
{
    static const std::vector<RowDelete> deletes = {
        // Column 2, row 1 of the schedule table is the schedule's on/off switch.
        {"schedulingDelete", deviceOid("4.11.1.0"), deviceOid("4.11.2.1"), {2}},
        {"dot11QosRulesDelete", deviceOid("3.3.6.2.4.0"), deviceOid("3.3.6.2.5.1"), {}},
        {"managerDelete", deviceOid("4.10.1.3.0"), deviceOid("4.10.1.4.1"), {}},
        {"portForwardingRuleDelete", deviceOid("3.1.1.1.0"), deviceOid("3.1.1.2.1"), {}},
        {"dhcpServerStaticDelete", deviceOid("3.3.1.3.2.0"), deviceOid("3.3.1.3.3.1"), {}},
        {"fireWallSettingRuleDelete", deviceOid("3.2.3.1.2.0"), deviceOid("3.2.3.1.3.1"), {}},
        {"parantalControlUrlDelete", deviceOid("3.2.1.1.1.3.1"), deviceOid("3.2.1.2.1"), {}},
    };
    return deletes;
}

const std::vector<RowDeleteFlag>& rowDeleteFlags()
{
    static const std::vector<RowDeleteFlag> flags = {
        {"dot11VlanListSurveydelete", deviceOid("3.3.5.1.3.1"), 22},
    };
    return flags;
}

const std::vector<CounterGroup>& counterGroups()
{
    static const std::vector<CounterGroup> groups = {
        {"dot11TrafficStatisticsClear", deviceOid("5.2.2.1.1.1.16.1"), deviceOid("5.2.2.1.1.1")},
        {"dot3Clear", deviceOid("5.2.1.1.1.1.16.1"), deviceOid("5.2.1.1.1.1")},
    };
    return groups;
}

} // namespace devsim
