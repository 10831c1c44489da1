#pragma once
// Turns the host's command line and the device's profile file into the session
// defaults every request copies. Arguments are two-character switches followed by
// their value ("/I10.0.0.1", "/Rpublic"); every argument but the address re-reads the
// profile "<profile folder><address>.cfg" before its switch is applied.
//
// Numbers that are not numbers or lie outside what the engine accepts are refused:
// the setting keeps its value and the refusal is listed, naming the switch or key.
#include "AnsiString.h"
#include "KwSNMPSession.h"

#include <vector>

class StartupSettings {
public:
    StartupSettings(KwSNMPDevice& device, KwSNMPScope& scope, KwSNMPSecurity& security,
                    const AnsiString& profileFolder);

    void ApplyArguments(const std::vector<AnsiString>& arguments);

    AnsiString DeviceAddress;
    // One line per refused value, each listed once, e.g.
    // "switch /v: 'x' is not a valid version".
    std::vector<AnsiString> Refusals;

    // The profile file an argument re-reads at this moment.
    AnsiString ProfileFileName() const;

private:
    void ApplyArgument(const AnsiString& argument);
    void ApplyProfile();
    void ApplySwitch(const AnsiString& sw, const AnsiString& value);
    bool Version3() const;
    void Refuse(const AnsiString& refusal);

    KwSNMPDevice& device_;
    KwSNMPScope& scope_;
    KwSNMPSecurity& security_;
    AnsiString profileFolder_;
    AnsiString profileVersionText_;
};
