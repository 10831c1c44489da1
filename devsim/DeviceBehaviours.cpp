#include "DeviceBehaviours.h"

#include "ServedTrees.h"

namespace devsim {

namespace {

// An OID of the device's own subtree 1.3.6.1.4.1.32473.10.37.37.
Oid deviceOid(std::initializer_list<std::uint32_t> tail)
{
    Oid oid = privateTreeOid();
    oid.push_back(37);
    oid.insert(oid.end(), tail);
    return oid;
}

void installRestartSilence(HookTable& hooks, unsigned seconds)
{
    if (seconds == 0)
        return;
    const std::chrono::milliseconds span = std::chrono::seconds(seconds);
    hooks.add(deviceOid({4, 2, 1, 0}), silenceHook(1, span));    // deviceRestart = reboot
    hooks.add(deviceOid({4, 2, 2, 0}), silenceHook(1, span));    // deviceFactoryDefault = reset
    hooks.add(deviceOid({4, 3, 2, 4, 0}), silenceHook(4, span)); // tftpUpgradeSettingCommand = Reboot
}

} // namespace

void installBehaviours(HookTable& hooks, const DeviceConfig& config)
{
    installRestartSilence(hooks, config.restartSilenceSeconds);
}

} // namespace devsim
