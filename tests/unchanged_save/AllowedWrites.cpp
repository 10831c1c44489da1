#include "AllowedWrites.h"

#include "StateTables.h"

#include <functional>

namespace vka_test {

std::string SweepCase::Held(const std::string& tail) const
{
    const auto found = Before->find(DeviceOid(tail));
    return found == Before->end() ? std::string() : found->second;
}

namespace {
// One write a form is meant to make: the form, the variable (a table column's cells
// too) and when.
struct NamedWrite {
    const char* Item;
    const char* Variable;
    std::function<bool(const SweepCase&)> When;
};

// A command the form gives while it opens (a refresh, a fetch of the device log): the
// device carries it out and the variable reads "nothing to do" again.
bool AtOpening(const SweepCase& write) { return write.Opening; }

// Performance's wireless mode lists, 2.4 GHz then 5 GHz: items 0 and 2 of either
// ("Mixed 802.11n,802.11g and 802.11b", "802.11n Only"; "Mixed 802.11n and 802.11a",
// "802.11n Only"), or a mode outside both, shown as item 0.
bool PerformanceModeAtItem0Or2(const SweepCase& write)
{
    const std::string mode = write.Held("2.1.3.2.1.1.9.1");
    return mode != "INTEGER 3" && mode != "INTEGER 7";
}

bool InMode(const SweepCase& write, int mode)
{
    return write.Held("2.1.3.2.1.1.18.1") == "INTEGER " + std::to_string(mode);
}
bool InJapan(const SweepCase& write) { return write.Held("2.1.3.2.1.1.27.1") == "STRING \"JP\""; }
bool WepInUse(const SweepCase& write)
{
    const std::string authentication = write.Held("2.1.3.3.1.1.1.1");
    return write.Held("2.1.3.3.1.1.2.1") == "INTEGER 1" &&
           (authentication == "INTEGER 1" || authentication == "INTEGER 2");
}

const NamedWrite Writes[] = {
    // Home / Wireless: a client's channel width is "Auto 20/40 MHz"; with WEP in use the
    // width is held at "20MHz".
    {"hWirelessBand1", "dot11ChannelWidth",
     [](const SweepCase& w) {
         return (InMode(w, 4) && w.Value == "INTEGER 2") || (WepInUse(w) && w.Value == "INTEGER 1");
     }},
    // Japan and Great Britain on 5 GHz (outdoor) offer Access Point and Wireless Client
    // only: a WDS mode is shown, and saved, as Access Point.
    {"hWirelessBand1", "dot11ApMode",
     [](const SweepCase& w) {
         const std::string country = w.Held("2.1.3.2.1.1.27.1");
         const bool restricted = country == "STRING \"JP\"" || country == "STRING \"GB\"";
         return restricted && w.Held("2.1.3.2.1.1.24.1") == "INTEGER 1" && (InMode(w, 2) || InMode(w, 3)) &&
                w.Value == "INTEGER 1";
     }},
    // A clone source outside its list shows as "Auto" while cloning is on, and is saved so.
    {"hWirelessBand1", "dot11MacCloneSource",
     [](const SweepCase& w) {
         return w.Gives("dot11MacCloneSource") && w.Held("2.1.3.1.1.1.1.1") == "INTEGER 1" && w.Value == "INTEGER 1";
     }},
    // In Japan the application is written from the band's list, whose entry stands for
    // "indoor" at 2.4 GHz and "outdoor" at 5 GHz; the device then derives its channel lists.
    {"hWirelessBand1", "dot11Application",
     [](const SweepCase& w) {
         const std::string band = w.Held("2.1.3.2.1.1.24.1");
         return InJapan(w) && ((band == "INTEGER 0" && w.Value == "INTEGER 1") ||
                               (band == "INTEGER 1" && w.Value == "INTEGER 2"));
     }},
    {"hWirelessBand1", "dot11ABandChannelList", InJapan},
    {"hWirelessBand1", "dot11GBandChannelList", InJapan},
    // The WDS peers are saved as "delete all, then add each" (the device then reads
    // "nothing to do" again).
    {"hWirelessBand1", "dot11RemoteApMacAddressDeleteAll", [](const SweepCase& w) { return w.Value == "INTEGER 0"; }},
    // Log Settings' Save always switches remote logging on.
    {"LogSettings1", "systemLogRemoteLogState", [](const SweepCase& w) { return w.Value == "INTEGER 1"; }},
    // Performance shows a wireless mode outside its list as the list's item 0 and saves it.
    {"adPerformance1", "dot11WifiMode",
     [](const SweepCase& w) { return w.Gives("dot11WifiMode") && (w.Value == "INTEGER 6" || w.Value == "INTEGER 9"); }},
    // Performance sends the data rate "0" (automatic) while the mode shown is item 0 or 2.
    {"adPerformance1", "dot11DataRate",
     [](const SweepCase& w) { return w.Value == "STRING \"0\"" && PerformanceModeAtItem0Or2(w); }},
    // The device's 2.4 GHz LED follows the radio settings Performance sends again; with
    // a band outside its list the device turns it off.
    {"adPerformance1", "1.3.6.1.4.1.32473.10.37.37.5.1.4.1.1.6.1",
     [](const SweepCase& w) { return w.Gives("dot11Band"); }},
    // DHCP's static switch is written as the server switch stands.
    {"DHCPServer1", "dhcpServerStaticControl",
     [](const SweepCase& w) { return w.Value == w.Held("3.3.1.1.0"); }},
    // Grouping's Apply is the device's apply command (the device then reads "nothing to do").
    {"UserLimit", "deviceSettingApply", [](const SweepCase& w) { return w.Value == "INTEGER 0"; }},
    // Time and Date sends the PC's clock while NTP is off; the device's time of day follows.
    {"Time", "setTimeManually", [](const SweepCase& w) { return w.Held("4.8.5.0") == "INTEGER 0"; }},
    {"Time", "sntpTimeofDay", [](const SweepCase& w) { return w.Held("4.8.5.0") == "INTEGER 0"; }},
    // Refreshes and the log fetch the forms ask for while opening.
    {"hWirelessBand1", "dot11MacCloneAddressRefresh", AtOpening},
    {"Mac1", "dot11ClientInformationRefresh", AtOpening},
    {"VlanSetting1", "dot11PortListRefresh", AtOpening},
    {"ViewLog1", "systemLogTFTPServerIPAddress", AtOpening},
    {"ViewLog1", "systemLogFileName", AtOpening},
    {"ViewLog1", "systemLogGetLog", AtOpening},
};

bool SameVariable(const std::string& written, const char* name)
{
    const std::string column = name;
    return written == column || written.compare(0, column.size() + 1, column + ".") == 0;
}
}  // namespace

bool AllowedWrite(const SweepCase& write)
{
    for (const NamedWrite& named : Writes)
        if (write.Item == named.Item && SameVariable(write.Variable, named.Variable) && named.When(write))
            return true;
    return false;
}

namespace {
// The forms whose whole Save belongs to one switch (the settings shown are those of the
// chosen address mode, connection type or server state; the access mode is all the Save
// writes): a switch they cannot show holds the Save, and the form says why (DHCP Server
// names the switch of the page whose Save it holds).
struct SwitchSave {
    const char* Item;
    const char* Switch;
    const char* Caption;
};
const SwitchSave SwitchSaves[] = {
    {"hLan1", "ipType", "Get IP From"},
    {"InternetConnect1", "ipType", "Internet Connection Type"},
    {"DHCPServer1", "dhcpServerControl", "Function Enable/Disable (Dynamic Pool Settings)"},
    {"DHCPServer1", "dhcpServerControl", "Function Enable/Disable (Static Pool Settings)"},
    {"MACFilter1", "macAccessControlFilterControlStatus", "Access Control List"},
    {"ParentalControl1", "parantalControlStatus", "Enabled Parental Control"},
    {"Mac1", "dot11MacAccessControl", "Access Control"},
};
}  // namespace

bool AllowedRefusal(const SweepCase& save, const std::string& box)
{
    // Home / Wireless saves nothing while it shows no operating mode, and says so.
    if (save.Item == "hWirelessBand1" && save.Gives("dot11ApMode"))
        return box == "The device's operating mode is not in the list. Choose a mode, then Save again.";
    // Log Settings' Save turns remote logging on, which puts the server's address into
    // effect: one the form cannot show refuses the Save.
    if (save.Item == "LogSettings1" && save.Gives("systemLogServerIPAddress"))
        return box == "The device's Log Server / IP Address cannot be shown, and Save puts it into effect: choose "
                      "one, then Save.";
    for (const SwitchSave& form : SwitchSaves)
        if (save.Item == form.Item && save.Gives(form.Switch) && save.Given->Why == "outside its list" &&
            box == std::string("The device's ") + form.Caption +
                       " cannot be shown, and Save depends on it: choose one, then Save.")
            return true;
    return false;
}

}  // namespace vka_test
