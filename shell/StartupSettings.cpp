#include "StartupSettings.h"

#include "KwIni.h"
#include "SysUtils.h"

#include <algorithm>
#include <functional>

namespace {

const char* const ProfileSection = "Program Information";

// Switches in the order they are looked for; the first one an argument holds wins.
const char* const Switches[] = {"/R", "/W", "/v", "/t", "/c", "/d", "/m", "/l", "/n", "/A", "/P", "/a", "/p"};
const char* const AddressSwitch = "/I";

bool ParseDecimal(const AnsiString& text, long long low, long long high, int& out)
{
    const AnsiString trimmed = text.Trim();
    if (trimmed.IsEmpty())
        return false;
    long long value = 0;
    for (int i = 1; i <= trimmed.Length(); ++i) {
        const char c = trimmed[i];
        if (c == '-' && i == 1 && trimmed.Length() > 1)
            continue;
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
        if (value > 1000000000LL)
            return false;
    }
    if (trimmed[1] == '-')
        value = -value;
    if (value < low || value > high)
        return false;
    out = static_cast<int>(value);
    return true;
}

bool IsVersion(int v) { return v == 0 || v == 1 || v == 3; }
bool IsPrivProtocolCode(int code) { return code == 1 || code == 2 || code == 4 || code == 19; }

}  // namespace

StartupSettings::StartupSettings(KwSNMPDevice& device, KwSNMPScope& scope, KwSNMPSecurity& security,
                                 const AnsiString& profileFolder)
    : device_(device), scope_(scope), security_(security), profileFolder_(profileFolder)
{
}

AnsiString StartupSettings::ProfileFileName() const { return profileFolder_ + DeviceAddress + ".cfg"; }

bool StartupSettings::Version3() const { return profileVersionText_ == "3" || security_.Version == 3; }

// Every argument re-reads the profile: a value it refuses is listed once.
void StartupSettings::Refuse(const AnsiString& refusal)
{
    if (std::find(Refusals.begin(), Refusals.end(), refusal) == Refusals.end())
        Refusals.push_back(refusal);
}

void StartupSettings::ApplyArguments(const std::vector<AnsiString>& arguments)
{
    for (const AnsiString& argument : arguments)
        ApplyArgument(argument);
}

void StartupSettings::ApplyArgument(const AnsiString& argument)
{
    // An argument that starts with a switch is that switch; only one that starts with
    // none is searched for a switch anywhere in it.
    const AnsiString head = argument.SubString(1, 2);
    const char* chosen = nullptr;
    if (head == AddressSwitch) {
        chosen = AddressSwitch;
    } else {
        for (const char* sw : Switches)
            if (head == sw)
                chosen = sw;
        if (!chosen && argument.Pos(AddressSwitch) > 0)
            chosen = AddressSwitch;
        if (!chosen)
            for (const char* sw : Switches)
                if (argument.Pos(sw) > 0) {
                    chosen = sw;
                    break;
                }
    }

    if (chosen == AddressSwitch) {
        DeviceAddress = argument.SubString(argument.Pos(AddressSwitch) + 2, argument.Length());
        device_.Address = DeviceAddress;
        return;
    }
    ApplyProfile();
    if (chosen)
        ApplySwitch(chosen, argument.SubString(argument.Pos(chosen) + 2, argument.Length()));
}

void StartupSettings::ApplySwitch(const AnsiString& sw, const AnsiString& value)
{
    auto refuse = [&](const char* what) {
        Refuse("switch " + sw + ": '" + value + "' is not a valid " + what);
    };
    int n = 0;
    if (sw == "/R") {
        security_.ReadCommunity = value;
    } else if (sw == "/W") {
        security_.WriteCommunity = value;
    } else if (sw == "/v") {
        if (ParseDecimal(value, 0, 255, n) && IsVersion(n))
            security_.Version = static_cast<unsigned char>(n);
        else
            refuse("SNMP version (0, 1 or 3)");
    } else if (!Version3()) {
        return;  // the SNMPv3 switches count only for SNMPv3
    } else if (sw == "/t") {
        if (ParseDecimal(value, 1, 65535, n))
            device_.Port = static_cast<unsigned short>(n);
        else
            refuse("port (1 to 65535)");
    } else if (sw == "/c") {
        scope_.ContextName = value;
    } else if (sw == "/d") {
        scope_.ContextEngineId = value;
    } else if (sw == "/m") {
        if (ParseDecimal(value, 1, 3, n))
            security_.SecurityModel = n;
        else
            refuse("security model (1 to 3)");
    } else if (sw == "/l") {
        if (!ParseDecimal(value, 0, 2, n))
            refuse("security level (0 to 2)");
        else if (n != 0)
            security_.SecurityLevel = n + 1;
    } else if (sw == "/n") {
        security_.SecurityName = value;
    } else if (sw == "/A") {
        security_.AuthPassword = value;
    } else if (sw == "/P") {
        security_.PrivPassword = value;
    } else if (sw == "/a") {
        if (ParseDecimal(value, 0, 2, n))
            security_.AuthProtocol = n + 1;
        else
            refuse("authentication protocol (0 to 2)");
    } else if (sw == "/p") {
        if (ParseDecimal(value, 0, 254, n) && IsPrivProtocolCode(n + 1))
            security_.PrivProtocol = n + 1;
        else
            refuse("privacy protocol (0, 1 or 3)");
    }
}

void StartupSettings::ApplyProfile()
{
    const AnsiString fileName = ProfileFileName();
    if (!FileExists(fileName))
        return;
    KwIni profile(fileName);
    auto read = [&](const char* key) { return profile.ReadString(ProfileSection, key, ""); };
    auto refuse = [&](const char* key, const AnsiString& text, const char* what) {
        Refuse("profile key " + AnsiString(key) + ": '" + text + "' is not a valid " + what);
    };
    int n = 0;

    const AnsiString port = read("AgentPort");
    if (!port.IsEmpty()) {
        if (ParseDecimal(port, 1, 65535, n))
            device_.Port = static_cast<unsigned short>(n);
        else
            refuse("AgentPort", port, "port (1 to 65535)");
    }
    const AnsiString version = read("Version");
    if (!version.IsEmpty()) {
        if (ParseDecimal(version, 0, 255, n) && IsVersion(n)) {
            security_.Version = static_cast<unsigned char>(n);
            profileVersionText_ = IntToStr(n);
        } else {
            refuse("Version", version, "SNMP version (0, 1 or 3)");
        }
    }
    const AnsiString contextName = read("ContextName");
    if (!contextName.IsEmpty())
        scope_.ContextName = contextName;
    scope_.ContextEngineId = read("ContextEngineID");
    const AnsiString model = read("SecurityModel");
    if (!model.IsEmpty()) {
        if (ParseDecimal(model, 1, 3, n))
            security_.SecurityModel = n;
        else
            refuse("SecurityModel", model, "security model (1 to 3)");
    }
    const AnsiString level = read("SecurityLevel");
    if (!level.IsEmpty() && level != "0") {
        if (ParseDecimal(level, 1, 2, n))
            security_.SecurityLevel = n + 1;
        else
            refuse("SecurityLevel", level, "security level (0 to 2)");
    }
    security_.SecurityName = read("SecurityName");
    const AnsiString auth = read("AuthProtocol");
    if (!auth.IsEmpty() && auth != "0") {
        if (ParseDecimal(auth, 1, 2, n))
            security_.AuthProtocol = n + 1;
        else
            refuse("AuthProtocol", auth, "authentication protocol (0 to 2)");
    }
    const AnsiString priv = read("PrivProtocol");
    if (!priv.IsEmpty() && priv != "0") {
        if (ParseDecimal(priv, 1, 254, n) && IsPrivProtocolCode(n + 1))
            security_.PrivProtocol = n + 1;
        else
            refuse("PrivProtocol", priv, "privacy protocol (0, 1 or 3)");
    }
    const AnsiString authPassword = read("AuthPassword");
    if (!authPassword.IsEmpty())
        security_.AuthPassword = authPassword;
    const AnsiString privPassword = read("PrivPassword");
    if (!privPassword.IsEmpty())
        security_.PrivPassword = privPassword;
}
