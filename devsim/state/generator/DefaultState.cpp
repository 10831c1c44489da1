#include "DefaultState.h"

#include "Catalogue.h"
#include "DefaultValues.h"
#include "KwOptionList.h"

#include <map>
#include <sstream>

namespace defaultstate {

namespace {

const char* const SysUpTime = "1.3.6.1.2.1.1.3.0";

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string FallbackValue(const KwSNMPVar& var)
{
    switch (var.Syntax) {
    case SX_INTEGER:
        if (var.Options && var.Options->Count() > 0)
            return std::to_string(var.Options->Item(0)->Key);
        return "0";
    case SX_IPADDRESS:
        return "0.0.0.0";
    case SX_MACADDRESS:
        return "00:00:00:00:00:00";
    case SX_TIMETICKS:
        return "0";
    case SX_OBJECTID:
        return "0.0";
    default:
        return "";
    }
}

std::string ValueText(const KwSNMPVar& var, const std::string& oid, int row, const std::string& group)
{
    const FixedTable* table = FixedTableOf(group);
    const bool freeRow = table && row > table->Used;
    std::string value;
    if (freeRow || (!DefaultValueOfOid(oid, value) && !DefaultValueOf(var.Name, row, value)))
        value = FallbackValue(var);
    return var.Syntax == SX_DISPLAYSTR ? Quoted(value) : value;
}

// The instance OIDs a request of this item type reads, with their row numbers.
std::vector<std::pair<std::string, int>> Instances(const KwSNMPVar& var, KwSNMPItemType itemType,
                                                   const std::string& group)
{
    const std::string oid = var.Oid;
    switch (itemType) {
    case SVT_SV:
        return {{oid + ".0", 1}};
    case MVT_SV:
        return {{oid, 1}};
    default: {
        std::vector<std::pair<std::string, int>> rows;
        for (int r = 1; r <= RowsOfGroup(group); ++r)
            rows.emplace_back(oid + "." + std::to_string(r), r);
        return rows;
    }
    }
}

}  // namespace

int RowsOfGroup(const std::string& group)
{
    static const std::map<std::string, int> rows = {
        {"dot11MssidIndexVars", 4},         {"dot11MssidIndexVars2", 4},
        {"dot11SiteSurveyIndexVars", 3},    {"dot11RogueApSurveyIndexVars", 3},
        {"dot11PortListIndexVars", 10},     {"currentDynamicIndexVars", 3},
    };
    if (const FixedTable* table = FixedTableOf(group))
        return table->Rows;
    const auto it = rows.find(group);
    return it == rows.end() ? 2 : it->second;
}

std::string TypeOfSyntax(int syntax)
{
    switch (syntax) {
    case SX_INTEGER:
        return "INTEGER";
    case SX_DISPLAYSTR:
        return "STRING";
    case SX_IPADDRESS:
        return "IPADDRESS";
    case SX_MACADDRESS:
    case SX_OCTETSTR:
    case SX_BITSTR:
        return "HEX";
    case SX_TIMETICKS:
        return "TIMETICKS";
    case SX_OBJECTID:
        return "OID";
    default:
        return "";
    }
}

std::vector<StateLine> BuildDefaultState()
{
    std::vector<StateLine> lines;
    std::map<std::string, std::size_t> byOid;
    for (int t = 0; t < CatalogueTableCount; ++t) {
        const CatalogueTableInfo& table = CatalogueTableIndex[t];
        const KwSNMPItemType itemType = table.Uses[0].ItemType;
        for (int i = 0; i < table.Count; ++i) {
            const KwSNMPVar& var = table.Table[i];
            if (var.Access == AC_NOTACCESS)
                continue;
            const bool readOnly = var.Access == AC_READONLY;
            for (const auto& [oid, row] : Instances(var, itemType, table.Name)) {
                if (oid == SysUpTime)
                    continue;
                const auto seen = byOid.find(oid);
                if (seen != byOid.end()) {
                    // Another name on the same OID: writable when any group writes it.
                    lines[seen->second].ReadOnly = lines[seen->second].ReadOnly && readOnly;
                    continue;
                }
                byOid[oid] = lines.size();
                lines.push_back({oid, TypeOfSyntax(var.Syntax), ValueText(var, oid, row, table.Name), readOnly,
                                 AdvanceOf(var.Name), var.Name, table.Name});
            }
        }
    }
    return lines;
}

std::string FormatDefaultState(const std::vector<StateLine>& lines)
{
    std::ostringstream out;
    out << "# Default state of the simulated VKA-7410: Access Point mode, radio on, 2.4 GHz,\n"
           "# LAN 127.0.0.1/8, the loopback network it answers on (so transfers reach the module).\n"
           "# Written by make_default_state from the variable catalogue;\n"
           "# regenerate it rather than editing it by hand.\n"
           "#\n"
           "# Scalars of SVT_SV groups carry \".0\", MVT_SV OIDs stand as the groups hold them,\n"
           "# walked groups have a few rows. sysUpTime is the agent's own.\n"
           "# The fixed-row tables that forms add to (MAC lists, WDS peers, parental URLs,\n"
           "# VLAN groups, QoS and schedule rules, manager ranges, static leases, port\n"
           "# forwarding and firewall rules) have all their rows: the rules in use, then\n"
           "# free rows (no name, address 0.0.0.0, zero MAC address, VID 0). The traffic\n"
           "# counters advance. A refresh finds the rows given here again.\n";
    std::string group;
    for (const StateLine& line : lines) {
        if (line.Group != group) {
            group = line.Group;
            out << "\n# " << group << "\n";
        }
        if (line.ReadOnly)
            out << "ro ";
        if (line.Advance)
            out << "advance=" << line.Advance << ' ';
        out << line.Oid << ' ' << line.Type;
        if (!line.Value.empty())
            out << ' ' << line.Value;
        out << '\n';
    }
    return out.str();
}

}  // namespace defaultstate
