#include "AccessSetup.h"

#include "NetSnmp.h"

#include <vector>

namespace devsim {

namespace {

void configLine(const std::string& line)
{
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    netsnmp_config(buffer.data());
}

// A word net-snmp's configuration reader gives back byte for byte: quoted, its quotes
// and backslashes escaped.
std::string quoted(const std::string& word)
{
    std::string text = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\')
            text += '\\';
        text += c;
    }
    return text + "\"";
}

const char* levelWord(SecurityLevel level)
{
    switch (level) {
    case SecurityLevel::NoAuthNoPriv: return "noauth";
    case SecurityLevel::AuthNoPriv: return "auth";
    case SecurityLevel::AuthPriv: return "priv";
    }
    return "priv";
}

} // namespace

void applyAccess(const DeviceConfig& config)
{
    for (const std::string& community : config.readCommunities)
        configLine("rocommunity " + community);
    for (const std::string& community : config.writeCommunities)
        configLine("rwcommunity " + community);
    for (const UsmUser& user : config.users) {
        std::string create = "createUser " + user.name;
        if (user.level != SecurityLevel::NoAuthNoPriv)
            create += " " + user.authProtocol + " " + quoted(user.authPass);
        if (user.level == SecurityLevel::AuthPriv)
            create += " " + user.privProtocol + " " + quoted(user.privPass);
        configLine(create);
        configLine(std::string(user.readOnly ? "rouser " : "rwuser ") + user.name + " " + levelWord(user.level));
    }
}

} // namespace devsim
