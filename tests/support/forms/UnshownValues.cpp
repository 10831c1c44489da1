#include "UnshownValues.h"

#include "FormRequests.h"
#include "JournalBindings.h"
#include "KwOptionList.h"
#include "KwSNMPRequest2Edits.h"
#include "StdCtrls.h"

#include <cctype>
#include <set>

namespace vka_test {

namespace {
// Ranges wider than this are a type's own limits, not a range the form gives.
constexpr double WidestRange = 2147483646.0;

// An integer key the option list does not have.
std::string UnlistedKey(const KwOptionList& options)
{
    for (const char* candidate : {"99", "999", "-1"})
        if (options.IndexOfValue(candidate) < 0)
            return candidate;
    return "12345";
}

// The option list the variable is shown by: its binding's own, else the catalogue's.
const KwOptionList* ShownOptions(const KwSNMPRequest2Controls& request, int index)
{
    if (const auto* edits = dynamic_cast<const KwSNMPRequest2Edits*>(&request))
        for (const auto& binding : edits->Bindings)
            if (binding->VarIndex == index && binding->Options)
                return binding->Options;
    return request.Request.VarList.Item(index).Options;
}

// The range of the one edit the variable is shown in, when its constraint gives one.
const KwEditSpecifier* ShownRange(const KwSNMPRequest2Controls& request, int index)
{
    const auto* edits = dynamic_cast<const KwSNMPRequest2Edits*>(&request);
    if (!edits || !edits->Constraints)
        return nullptr;
    for (const auto& binding : edits->Bindings) {
        if (binding->VarIndex != index || binding->ControlCount() != 1)
            continue;
        auto* edit = dynamic_cast<TEdit*>(binding->Controls[0]);
        const _EditConstraint_s* record = edit ? edits->Constraints->Find(edit) : nullptr;
        if (record && (record->Format.Type == 'u' || record->Format.Type == 'i') &&
            record->Format.Maximum - record->Format.Minimum < WidestRange)
            return &record->Format;
    }
    return nullptr;
}

// Variables whose writes the device takes as commands on a table (add a row): what
// they read is no setting the device keeps, and their type is the catalogue's.
bool IsCommand(const std::string& name) { return name == "dot11RemoteApMacAddressAdd"; }

// The unshown values of one variable at `oid`, of the type the device holds it in.
std::vector<UnshownValue> ValuesFor(const KwSNMPRequest2Controls& request, int index, const std::string& oid,
                                    const std::string& held)
{
    const KwSNMPVar& var = request.Request.VarList.Item(index);
    const std::string type = held.substr(0, held.find(' '));
    const std::string name = var.Name ? var.Name : var.Oid;
    // A table cell is named with its row; a scalar by its name alone.
    const std::string row = request.Request.VarList.IsTable() ? oid.substr(std::string(var.Oid).size()) : "";
    const UnshownValue base{oid, name + row, "", "", ""};
    auto value = [&](const std::string& t, const std::string& v, const char* why) {
        UnshownValue made = base;
        made.Type = t;
        made.Value = v;
        made.Why = why;
        return made;
    };
    auto asHeld = [&](long number) {
        return type == "STRING" ? "\"" + std::to_string(number) + "\"" : std::to_string(number);
    };
    if (const KwOptionList* options = ShownOptions(request, index); options && options->Count() > 0) {
        if (options->KeyKind() != KW_OPTKEY_INT)
            return {value("STRING", "\"unlisted\"", "outside its list")};
        const std::string key = UnlistedKey(*options);
        return {type == "STRING" ? value("STRING", "\"" + key + "\"", "outside its list")
                                 : value("INTEGER", key, "outside its list")};
    }
    if (const KwEditSpecifier* range = ShownRange(request, index)) {
        const std::string t = type == "STRING" ? "STRING" : "INTEGER";
        return {value(t, asHeld(static_cast<long>(range->Minimum) - 1), "below its range"),
                value(t, asHeld(static_cast<long>(range->Maximum) + 1), "above its range")};
    }
    if (!request.Request.VarList.IsWritable(index) || IsCommand(name))
        return {};
    if (type == "INTEGER")
        return {value("STRING", "\"1\"", "of another type")};
    if (type == "STRING" || type == "HEX" || type == "IPADDRESS")
        return {value("INTEGER", "1", "of another type")};
    return {};
}
}  // namespace

std::vector<UnshownValue> UnshownValues(TComponent* form, const std::map<std::string, std::string>& state)
{
    std::vector<UnshownValue> values;
    std::set<std::string> seen;
    auto add = [&](const KwSNMPRequest2Controls& request, int index, const std::string& oid) {
        const auto held = state.find(oid);
        if (held == state.end())
            return;  // the device has no such variable
        for (UnshownValue& value : ValuesFor(request, index, oid, held->second))
            if (seen.insert(value.Oid + " " + value.Value).second && value.Type + " " + value.Value != held->second)
                values.push_back(value);
    };
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form)) {
        const KwSNMPVarList& list = request->Request.VarList;
        if (!list.IsTable()) {
            for (int i = 0; i < list.Count(); ++i)
                if (list.IsReadable(i))
                    add(*request, i, InstanceOid(request->Request, i));
            continue;
        }
        // A table whose selected row the form shows in controls: the cells of its first row.
        const auto* edits = dynamic_cast<const KwSNMPRequest2Edits*>(request);
        if (!edits)
            continue;
        for (const auto& binding : edits->Bindings) {
            const std::string column = std::string(list.Item(binding->VarIndex).Oid) + ".";
            const auto cell = state.lower_bound(column);
            if (cell != state.end() && cell->first.compare(0, column.size(), column) == 0)
                add(*request, binding->VarIndex, cell->first);
        }
    }
    return values;
}

std::map<std::string, std::string> StateValues(const DevsimPeer& device)
{
    std::map<std::string, std::string> values;
    for (const std::string& line : device.StateLines()) {
        // "[flag ...] OID TYPE VALUE": the OID is the first word that starts with a digit.
        std::size_t at = 0;
        while (at < line.size() && !std::isdigit(static_cast<unsigned char>(line[at])))
            at = line.find(' ', at) + 1;
        const std::size_t blank = line.find(' ', at);
        if (at < line.size() && blank != std::string::npos)
            values[line.substr(at, blank - at)] = line.substr(blank + 1);
    }
    return values;
}

std::map<std::string, std::string> VariableNames(TComponent* form)
{
    std::map<std::string, std::string> names;
    for (KwSNMPRequest2Controls* request : Owned<KwSNMPRequest2Controls>(form)) {
        const KwSNMPVarList& list = request->Request.VarList;
        for (int i = 0; i < list.Count(); ++i)
            if (const KwSNMPVar& var = list.Item(i); var.Name)
                names[list.IsTable() ? std::string(var.Oid) : InstanceOid(request->Request, i)] = var.Name;
    }
    return names;
}

std::string NameOf(const std::map<std::string, std::string>& names, const std::string& oid)
{
    if (auto exact = names.find(oid); exact != names.end())
        return exact->second;
    // A table cell: the column is the longest listed OID the cell lies below.
    std::string best, name = oid;
    for (const auto& [column, columnName] : names)
        if (column.size() > best.size() && oid.compare(0, column.size() + 1, column + ".") == 0) {
            best = column;
            name = columnName + oid.substr(column.size());
        }
    return name;
}

}  // namespace vka_test
