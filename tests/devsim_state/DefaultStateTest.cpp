// The committed default state of the simulated device against the catalogue: it
// is what the generator writes, and every variable a group reads has a line of the
// right type.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "Catalogue.h"
#include "DefaultState.h"
#include "DefaultValues.h"
#include "KwOptionList.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::map<std::string, defaultstate::StateLine> ByOid(const std::vector<defaultstate::StateLine>& lines)
{
    std::map<std::string, defaultstate::StateLine> map;
    for (const auto& line : lines)
        map.emplace(line.Oid, line);
    return map;
}

TEST(DefaultState, CommittedFileIsWhatTheCatalogueGives)
{
    const std::string committed = ReadFile(VKA_DEFAULT_STATE_FILE);
    ASSERT_FALSE(committed.empty()) << VKA_DEFAULT_STATE_FILE << " is missing";
    EXPECT_EQ(committed, defaultstate::FormatDefaultState(defaultstate::BuildDefaultState()))
        << "regenerate it with make_default_state";
}

// Every variable a group reads has a line of its type: scalars one, walked groups one
// per row in every read column (at least two rows; the port list one a port of the ten,
// as the VLAN page shows VIDs only for ten), and no column the agent keeps to itself.
TEST(DefaultState, EveryReadVariableHasALineOfItsTypeInEveryRow)
{
    const auto lines = defaultstate::BuildDefaultState();
    const auto byOid = ByOid(lines);
    EXPECT_EQ(byOid.size(), lines.size()) << "an OID appears twice";
    for (int t = 0; t < CatalogueTableCount; ++t) {
        const CatalogueTableInfo& table = CatalogueTableIndex[t];
        const KwSNMPItemType type = table.Uses[0].ItemType;
        const bool walked = type != SVT_SV && type != MVT_SV;
        const int rows = walked ? defaultstate::RowsOfGroup(table.Name) : 1;
        EXPECT_GE(rows, walked ? 2 : 1) << table.Name;
        for (int i = 0; i < table.Count; ++i) {
            const KwSNMPVar& var = table.Table[i];
            for (int r = 1; r <= rows; ++r) {
                const std::string oid = std::string(var.Oid) + (type == SVT_SV ? ".0" : walked ? "." + std::to_string(r) : "");
                SCOPED_TRACE(std::string(table.Name) + " " + var.Name + " " + oid);
                const auto it = byOid.find(oid);
                if (var.Access == AC_NOTACCESS) {
                    EXPECT_TRUE(it == byOid.end() || !walked);
                    continue;
                }
                if (oid == "1.3.6.1.2.1.1.3.0")
                    continue;  // sysUpTime: the agent's own
                ASSERT_NE(it, byOid.end());
                EXPECT_EQ(it->second.Type, defaultstate::TypeOfSyntax(var.Syntax));
                if (var.Access != AC_READONLY) {
                    EXPECT_FALSE(it->second.ReadOnly);
                }
            }
        }
    }
    EXPECT_EQ(defaultstate::RowsOfGroup("dot11PortListIndexVars"), 10);
    const std::string portList = "1.3.6.1.4.1.32473.10.37.37.3.3.5.3.2.1.";
    for (int port = 1; port <= 10; ++port) {
        SCOPED_TRACE(port);
        ASSERT_TRUE(byOid.count(portList + "2." + std::to_string(port)) && byOid.count(portList + "3." + std::to_string(port)));
        EXPECT_EQ(byOid.at(portList + "2." + std::to_string(port)).Value, port == 2 || port == 4 ? "\"10\"" : "\"\"");
        EXPECT_EQ(byOid.at(portList + "3." + std::to_string(port)).Value, "\"1\"");
    }
}

// Every table a form adds rows to has rules in use and a free row for the form's Add,
// told by the column the form reads it by.
TEST(DefaultState, EveryTableAFormAddsToHasAFreeRow)
{
    const std::string noName = "\"\"", noAddress = "0.0.0.0", noMac = "00:00:00:00:00:00";
    const std::pair<const char*, std::string> keys[] = {
        {"dot11QosRulesName", noName}, {"schedulingName", noName}, {"parantalControlListUrl", noName},
        {"dot11GroupVlanListVid", "0"}, {"managerIpAddressPoolStart", noAddress}, {"staticIP", noAddress},
        {"portForwardingIP", noAddress}, {"firewallSouceEndIp", noAddress},
        {"macAccessControlFilterListMacAddress", noMac}, {"dot11MacAccessControlListMacAddress", noMac},
        {"dot11RemoteApMacAddressList", noMac},
    };
    const auto lines = defaultstate::BuildDefaultState();
    for (const auto& [column, freeValue] : keys) {
        int free = 0;
        int used = 0;
        for (const auto& line : lines)
            if (line.Name == column)
                ++(line.Value == freeValue ? free : used);
        EXPECT_GT(free, 0) << column;
        EXPECT_GT(used, 0) << column;
    }
}

TEST(DefaultState, EveryVariableHasAChosenValueAndOptionValuesAreKeys)
{
    std::set<std::string> withoutValue;
    // One OID may carry several option lists (dot11WifiMode reads with the 2.4 GHz
    // list in one group and the 5 GHz list in another): the value is a key of one.
    std::map<std::string, std::vector<const KwOptionList*>> listsOfOid;
    for (int t = 0; t < CatalogueTableCount; ++t) {
        const CatalogueTableInfo& table = CatalogueTableIndex[t];
        for (int i = 0; i < table.Count; ++i) {
            const KwSNMPVar& var = table.Table[i];
            if (var.Access == AC_NOTACCESS || std::string(var.Name) == "systemUpTime")
                continue;
            std::string value;
            if (!defaultstate::DefaultValueOf(var.Name, 1, value))
                withoutValue.insert(var.Name);
            if (var.Options)
                listsOfOid[var.Oid].push_back(var.Options);
        }
    }
    EXPECT_TRUE(withoutValue.empty()) << "first without a value: " << *withoutValue.begin();

    for (const auto& line : defaultstate::BuildDefaultState()) {
        // The line's column or scalar OID: without ".0" or the row.
        std::string base = line.Oid;
        if (!listsOfOid.count(base))
            base = base.substr(0, base.rfind('.'));
        const auto it = listsOfOid.find(base);
        if (it == listsOfOid.end())
            continue;
        bool found = false;
        for (const KwOptionList* list : it->second)
            found = found || list->IndexOfValue(line.Value.c_str()) >= 0;
        EXPECT_TRUE(found) << line.Group << " " << line.Name << " " << line.Oid << " = " << line.Value;
    }
}

}  // namespace
