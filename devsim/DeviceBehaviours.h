#pragma once
// The VKA-7410's reactions to sets, installed into the hook table at start.
// Each behaviour is a Hook (HookTable.h) on the variable that triggers it;
// this is the one place where new ones are added.
//
// Now: a restart (deviceRestart = 1), a factory reset (deviceFactoryDefault
// = 1) and tftpUpgradeSettingCommand = Reboot (4) make the device silent
// for the configured restart silence, once the set's reply has gone out.
#include "DeviceConfig.h"
#include "HookTable.h"

namespace devsim {

void installBehaviours(HookTable& hooks, const DeviceConfig& config);

} // namespace devsim
