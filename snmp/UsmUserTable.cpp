#include "UsmUserTable.h"

#include "NetSnmpIncludes.h"

#include <cstring>

#include "NetSnmpLibrary.h"
#include "SnmpStatus.h"
#include "UsmKeys.h"

namespace snmp_layer {

UsmUserTable& UsmUserTable::instance()
{
    static UsmUserTable table;
    return table;
}

namespace {
bool knownPriv(long p)
{
    return p == SNMP_PRIVPROTOCOL_NONE || p == SNMP_PRIVPROTOCOL_DES || p == SNMP_PRIVPROTOCOL_AES
        || p == SNMP_PRIVPROTOCOL_AES128;
}
}

int UsmUserTable::add(const std::string& name, long authProtocol, long privProtocol,
                      const std::string& authPassword, const std::string& privPassword)
{
    auto existing = users_.find(name);
    if (existing != users_.end()) {
        const UsmUser& u = existing->second;
        if (u.authProtocol == authProtocol && u.privProtocol == privProtocol && u.authPassword == authPassword
            && u.privPassword == privPassword)
            return SNMPv3_USM_OK;   // unchanged: keep keys and sessions
    }
    users_.erase(name);

    if (name.empty()) return SNMPv3_USM_ERROR;
    if (authProtocol != SNMP_AUTHPROTOCOL_NONE && authProtocol != SNMP_AUTHPROTOCOL_HMACMD5
        && authProtocol != SNMP_AUTHPROTOCOL_HMACSHA)
        return SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL;
    if (!knownPriv(privProtocol)) return SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL;

    UsmUser user;
    user.name = name;
    user.authProtocol = authProtocol;
    user.privProtocol = privProtocol;
    user.authPassword = authPassword;
    user.privPassword = privPassword;
    if (authProtocol != SNMP_AUTHPROTOCOL_NONE) {
        int status = usmPasswordToKey(authProtocol, OctetStr(authPassword), user.authKey);
        if (status != SNMPv3_USM_OK) return status;
        if (privProtocol != SNMP_PRIVPROTOCOL_NONE) {
            status = usmPasswordToKey(authProtocol, OctetStr(privPassword), user.privKey);
            if (status != SNMPv3_USM_OK) return status;
        }
    } else if (privProtocol != SNMP_PRIVPROTOCOL_NONE) {
        return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;   // privacy needs authentication
    }
    user.generation = nextGeneration_++;
    users_[name] = user;
    return SNMPv3_USM_OK;
}

int UsmUserTable::remove(const std::string& name)
{
    return users_.erase(name) ? SNMPv3_USM_OK : SNMPv3_USM_UNKNOWN_SECURITY_NAME;
}

const UsmUser* UsmUserTable::find(const std::string& name) const
{
    auto it = users_.find(name);
    return it == users_.end() ? nullptr : &it->second;
}

void UsmUserTable::prepareNetSnmpUser(const std::string& name, unsigned long generation)
{
    auto it = installed_.find(name);
    if (it != installed_.end() && it->second == generation) return;
    installed_[name] = generation;
    ensureNetSnmpStarted();
    struct usmUser* user = usm_get_userList();
    while (user) {
        struct usmUser* next = user->next;
        if (user->name && std::strcmp(user->name, name.c_str()) == 0) {
            usm_remove_user(user);
            usm_free_user(user);
        }
        user = next;
    }
}

}
