// The radio switch and the WLAN LEDs: the main window's and the wireless
// form's dot11RadioWave are one switch; with the radio off both LED
// variables read 0 ("disable"), with it on the LED of the band in use reads
// 1 ("blinking") and the other 0.
#include "DeviceBehaviours.h"
#include "DeviceTables.h"
#include "ServedTrees.h"

namespace devsim {

namespace {

Oid mainWindowRadio()
{
    Oid oid;
    parseOid(formatOid(privateTreeOid()) + ".36.2.1.3.3.1.1.1.23.1", oid);
    return oid;
}

const Oid& wirelessRadio()
{
    static const Oid oid = deviceOid("2.1.3.2.1.1.15.1");
    return oid;
}

long integerAt(const StateStore& store, const Oid& oid, long otherwise)
{
    const StateEntry* entry = store.find(oid);
    return entry && entry->value.type == VarType::Integer ? static_cast<long>(entry->value.integer) : otherwise;
}

void showRadioOnLeds(StateStore& store)
{
    const bool on = integerAt(store, wirelessRadio(), integerAt(store, mainWindowRadio(), 1)) != 0;
    const long band = integerAt(store, deviceOid("2.1.3.2.1.1.24.1"), 0); // dot11Band: 0 2.4GHz, 1 5GHz
    store.assign(deviceOid("5.1.4.1.1.6.1"), Value::makeInteger(on && band == 0 ? 1 : 0)); // wirelessLed2dot4G
    store.assign(deviceOid("5.1.4.1.1.7.1"), Value::makeInteger(on && band == 1 ? 1 : 0)); // wirelessLed5G
}

} // namespace

void installRadioBehaviour(HookTable& hooks)
{
    const Oid radios[] = {mainWindowRadio(), wirelessRadio()};
    for (int i = 0; i < 2; ++i) {
        const Oid other = radios[1 - i];
        hooks.add(radios[i], [other](HookContext& context, const Oid&, const Value& written) {
            if (written.type != VarType::Integer)
                return;
            context.store.assign(other, written);
            showRadioOnLeds(context.store);
        });
    }
    hooks.add(deviceOid("2.1.3.2.1.1.24.1"),
              [](HookContext& context, const Oid&, const Value&) { showRadioOnLeds(context.store); });
}

} // namespace devsim
