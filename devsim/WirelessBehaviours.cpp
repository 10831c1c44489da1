// The radio settings that follow each other on the VKA-7410:
// - the channel lists follow the country code: when the band or the application is
//   written, the 2.4 GHz list and the three 5 GHz lists (indoor, indoor WDS, outdoor)
//   are those of the country (a country the device does not know keeps its lists);
// - JP and GB on 5 GHz run only as Access Point or Wireless Client: another mode is
//   refused (wrongValue);
// - WDS and Wireless Client have no multi-SSID: writing either mode switches it off.
#include "DeviceBehaviours.h"
#include "DeviceTables.h"

#include <map>
#include <string>

namespace devsim {

namespace {

const Oid& band() { static const Oid o = deviceOid("2.1.3.2.1.1.24.1"); return o; }
const Oid& application() { static const Oid o = deviceOid("2.1.3.2.1.1.40.1"); return o; }
const Oid& country() { static const Oid o = deviceOid("2.1.3.2.1.1.27.1"); return o; }
const Oid& apMode() { static const Oid o = deviceOid("2.1.3.2.1.1.18.1"); return o; }
const Oid& multiSsidState() { static const Oid o = deviceOid("3.3.3.1.1.1.1"); return o; }

struct CountryChannels {
    const char* band24;
    const char* indoor;
    const char* indoorWds;
    const char* outdoor;
};

const std::map<std::string, CountryChannels>& channelsByCountry()
{
    static const char* const w52to56 = "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140";
    static const char* const w56 = "100 104 108 112 116 120 124 128 132 136 140";
    static const std::map<std::string, CountryChannels> table = {
        {"US", {"1 2 3 4 5 6 7 8 9 10 11",
                "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140 149 153 157 161 165",
                "36 40 44 48", w56}},
        {"DE", {"1 2 3 4 5 6 7 8 9 10 11 12 13", w52to56, "36 40 44 48", w56}},
        {"GB", {"1 2 3 4 5 6 7 8 9 10 11 12 13", w52to56, "36 40 44 48", w56}},
        {"JP", {"1 2 3 4 5 6 7 8 9 10 11 12 13 14", w52to56, "36 40 44 48", w56}},
        {"KR", {"1 2 3 4 5 6 7 8 9 10 11 12 13", "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 149 153 157 161",
                "36 40 44 48", "100 104 108 112 116 120 124"}},
    };
    return table;
}

std::string textAt(const StateStore& store, const Oid& oid)
{
    const StateEntry* entry = store.find(oid);
    return entry ? entry->value.bytes : std::string();
}

long integerAt(const StateStore& store, const Oid& oid, long otherwise)
{
    const StateEntry* entry = store.find(oid);
    return entry && entry->value.type == VarType::Integer ? static_cast<long>(entry->value.integer) : otherwise;
}

void showCountryChannels(StateStore& store)
{
    auto found = channelsByCountry().find(textAt(store, country()));
    if (found == channelsByCountry().end())
        return;
    const CountryChannels& lists = found->second;
    store.assign(deviceOid("2.1.3.2.1.1.4.1"), Value::makeString(lists.band24));
    store.assign(deviceOid("2.1.3.2.1.1.5.1"), Value::makeString(lists.indoor));
    store.assign(deviceOid("2.1.3.2.1.1.6.1"), Value::makeString(lists.indoorWds));
    store.assign(deviceOid("2.1.3.2.1.1.41.1"), Value::makeString(lists.outdoor));
}

} // namespace

void installWirelessBehaviours(HookTable& hooks)
{
    for (const Oid& trigger : {band(), application()})
        hooks.add(trigger, [](HookContext& context, const Oid&, const Value&) { showCountryChannels(context.store); });

    // The trial state holds the PDU's earlier bindings: a band written before the mode
    // in the same PDU counts.
    hooks.addGuard(apMode(), [](StateStore& trial, const Oid&, const Value& written) {
        const std::string code = textAt(trial, country());
        const bool restricted = (code == "JP" || code == "GB") && integerAt(trial, band(), 0) == 1;
        if (written.type == VarType::Integer && restricted && written.integer != 1 && written.integer != 4)
            return SetError::WrongValue;
        return SetError::None;
    });
    hooks.add(apMode(), [](HookContext& context, const Oid&, const Value& written) {
        if (written.type == VarType::Integer && (written.integer == 3 || written.integer == 4))
            context.store.assign(multiSsidState(), Value::makeInteger(0));
    });
}

} // namespace devsim
