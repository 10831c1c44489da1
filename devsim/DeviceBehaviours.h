#pragma once
// The VKA-7410's reactions to sets, installed into the hook table at start.
// Each behaviour is a Hook (HookTable.h) on the variable that triggers it,
// some with a Guard that refuses a value first; this is the one place where
// new ones are added. Command variables read back their idle value once
// the device has taken the command (0 "nothing", tftpcommand 4 "Nothing",
// tftpUpgradeSettingCommand 6 "Nothing", a zero MAC address, an empty text);
// the journal keeps what was written.
//
// Tables (DeviceTables.h): a refresh variable set to non-zero replaces its
// table's rows by the template rows; Add/Delete/DeleteAll and the row-delete
// variables edit fixed-row tables; a statistics clear sets its counters to 0.
// Radio (RadioBehaviour.cpp): the two dot11RadioWave variables follow each
// other and the WLAN LEDs follow radio and band.
// Clock (ClockBehaviour.cpp): a manual time written becomes the device's time.
// Commands (CommandBehaviours.cpp): restart, factory reset, apply, the TFTP
// file commands and the device log, after the reply has gone out.
#include "DeviceConfig.h"
#include "DeviceJobs.h"
#include "DeviceLog.h"
#include "HookTable.h"

#include <string>
#include <vector>

namespace devsim {

// What the command behaviours work with besides the state.
struct DeviceServices {
    const DeviceConfig& config;
    DeviceJobs& jobs;
    DeviceLog& log;
    std::string folder;                      // the device's own files
    std::vector<StateEntry> factoryState;    // what a factory reset loads
};

void installBehaviours(HookTable& hooks, DeviceServices& services);

// The tables a refresh fills (their entry OIDs).
std::vector<Oid> refreshTableEntries();

void installTableBehaviours(HookTable& hooks);
void installRadioBehaviour(HookTable& hooks);
// Channel lists by country, the modes of JP/GB on 5 GHz, multi-SSID off in WDS and
// client mode (WirelessBehaviours.cpp).
void installWirelessBehaviours(HookTable& hooks);
void installCommandBehaviours(HookTable& hooks, DeviceServices& services);
void installClockBehaviour(HookTable& hooks);
// "MM/DD/YYYY hh:mm:ss" of a date that exists (ClockBehaviour.cpp).
bool isManualTimeText(const std::string& text);
// Rogue AP classification (PolicyBehaviours.cpp).
void installPolicyBehaviours(HookTable& hooks);
// The current static lease list built from the static lease table (DhcpBehaviours.cpp).
void installDhcpBehaviours(HookTable& hooks);
// The WAN address and MTU that follow the connection type (WanBehaviours.cpp).
void installWanBehaviours(HookTable& hooks, const std::vector<StateEntry>& startState);

// The device-side file names of the file commands.
inline const char* const kConfigBackupFile = "config.dcf";
inline const char* const kConfigRestoreFile = "restore.dcf";
inline const char* const kDownloadFile = "download.img";
inline const char* const kFirmwareFile = "firmware.img";
inline const char* const kCertificateFile = "certificate.pem";
inline const char* const kKeyFile = "key.pem";
inline const char* const kLogFile = "LogFile.RD";

} // namespace devsim
