// Rogue AP classification: the four "Addto" action scalars move one survey entry
// (by its survey index) to another type and read 0 again; the two mark-all switches,
// written 1, turn every entry of type new into valid or rogue. The classification
// also goes into the survey's template, so a later survey finds the entry as
// classified: the device keeps its classification by BSSID.
#include "DeviceBehaviours.h"
#include "DeviceTables.h"

namespace devsim {

namespace {

// dot11RogueApSurveyType
enum SurveyType : std::int32_t { stNew = 1, stValid = 2, stNeighborhood = 3, stRogue = 4 };

const std::uint32_t BssidColumn = 3;
const std::uint32_t TypeColumn = 7;

Oid surveyEntry() { return deviceOid("3.3.4.1.8.1"); }

Oid cell(std::uint32_t column, std::uint32_t row)
{
    Oid oid = surveyEntry();
    oid.push_back(column);
    oid.push_back(row);
    return oid;
}

// The template row whose BSSID is `bssid` gets `type` too.
void classifyTemplate(StateStore& store, const Value& bssid, std::int32_t type)
{
    const std::vector<StateEntry> rows = store.templatesBelow(surveyEntry());
    const std::size_t column = surveyEntry().size();
    for (const StateEntry& entry : rows) {
        if (entry.oid.size() != column + 2 || entry.oid[column] != BssidColumn || !(entry.value == bssid))
            continue;
        const Oid typeOid = cell(TypeColumn, entry.oid[column + 1]);
        for (StateEntry typeEntry : rows)
            if (typeEntry.oid == typeOid) {
                typeEntry.value = Value::makeInteger(type);
                typeEntry.isTemplate = true;
                store.put(typeEntry);
            }
    }
}

void classifyRow(StateStore& store, std::uint32_t row, std::int32_t type)
{
    store.assign(cell(TypeColumn, row), Value::makeInteger(type));
    if (const StateEntry* bssid = store.find(cell(BssidColumn, row)))
        classifyTemplate(store, bssid->value, type);
}

// 0 does nothing; otherwise the survey must have the row.
SetError checkSurveyIndex(StateStore& store, const Value& written)
{
    if (written.type != VarType::Integer || written.integer < 0)
        return SetError::WrongValue;
    if (written.integer == 0)
        return SetError::None;
    return store.find(cell(TypeColumn, std::uint32_t(written.integer))) ? SetError::None
                                                                         : SetError::InconsistentValue;
}

void installClassification(HookTable& hooks, const char* tail, std::int32_t type)
{
    const Oid trigger = deviceOid(tail);
    hooks.addGuard(trigger, [](StateStore& trial, const Oid&, const Value& written) {
        return checkSurveyIndex(trial, written);
    });
    hooks.add(trigger, [type](HookContext& context, const Oid& oid, const Value& written) {
        if (written.integer > 0)
            classifyRow(context.store, std::uint32_t(written.integer), type);
        context.store.assign(oid, Value::makeInteger(0));
    });
}

void installMarkAll(HookTable& hooks, const char* tail, std::int32_t type)
{
    const Oid trigger = deviceOid(tail);
    hooks.addGuard(trigger, [](StateStore&, const Oid&, const Value& written) {
        return written.type == VarType::Integer && (written.integer == 0 || written.integer == 1)
                   ? SetError::None
                   : SetError::WrongValue;
    });
    hooks.add(trigger, [type](HookContext& context, const Oid&, const Value& written) {
        if (written.integer != 1)
            return;
        const std::size_t column = surveyEntry().size();
        for (const Oid& oid : context.store.oidsBelow(surveyEntry())) {
            const StateEntry* entry = context.store.find(oid);
            if (oid.size() == column + 2 && oid[column] == TypeColumn && entry &&
                entry->value.type == VarType::Integer && entry->value.integer == stNew)
                classifyRow(context.store, oid[column + 1], type);
        }
    });
}

} // namespace

void installPolicyBehaviours(HookTable& hooks)
{
    installClassification(hooks, "3.3.4.1.2.0", stValid);        // dot11RogueApAddtoValid
    installClassification(hooks, "3.3.4.1.3.0", stNeighborhood); // dot11RogueApAddtoNeighbor
    installClassification(hooks, "3.3.4.1.4.0", stRogue);        // dot11RogueApAddtoRouge
    installClassification(hooks, "3.3.4.1.5.0", stNew);          // dot11RogueApAddtoNew
    installMarkAll(hooks, "3.3.4.1.6.0", stValid);   // dot11RogueApAllNewNodesAsValid
    installMarkAll(hooks, "3.3.4.1.7.0", stRogue);   // dot11RogueApUnknownAccessNodesAsRogue
}

} // namespace devsim
