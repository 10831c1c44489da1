#include "DeviceBehaviours.h"

#include "DeviceTables.h"

namespace devsim {

namespace {

void installRestartSilence(HookTable& hooks, unsigned seconds)
{
    if (seconds == 0)
        return;
    const std::chrono::milliseconds span = std::chrono::seconds(seconds);
    hooks.add(deviceOid("4.2.1.0"), silenceHook(1, span));   // deviceRestart = reboot
    hooks.add(deviceOid("4.2.2.0"), silenceHook(1, span));   // deviceFactoryDefault = reset
    hooks.add(deviceOid("4.3.2.4.0"), silenceHook(4, span)); // tftpUpgradeSettingCommand = Reboot
}

} // namespace

std::vector<Oid> refreshTableEntries()
{
    std::vector<Oid> entries;
    for (const RefreshTable& table : refreshTables())
        entries.push_back(table.entry);
    return entries;
}

void installBehaviours(HookTable& hooks, DeviceServices& services)
{
    installTableBehaviours(hooks);
    installRadioBehaviour(hooks);
    installWirelessBehaviours(hooks);
    installCommandBehaviours(hooks, services);
    installClockBehaviour(hooks);
    installPolicyBehaviours(hooks);
    installDhcpBehaviours(hooks);
    installWanBehaviours(hooks, services.factoryState);
    installRestartSilence(hooks, services.config.restartSilenceSeconds);
}

} // namespace devsim
