#include "UsmKeys.h"

#include "NetSnmpIncludes.h"

#include "NetSnmpLibrary.h"
#include "SnmpStatus.h"

namespace {
bool hashOid(long authProtocol, const oid*& proto, u_int& len)
{
    if (authProtocol == SNMP_AUTHPROTOCOL_HMACMD5) {
        proto = usmHMACMD5AuthProtocol;
        len = USM_AUTH_PROTO_MD5_LEN;
        return true;
    }
    if (authProtocol == SNMP_AUTHPROTOCOL_HMACSHA) {
        proto = usmHMACSHA1AuthProtocol;
        len = USM_AUTH_PROTO_SHA_LEN;
        return true;
    }
    return false;
}
}

int usmPasswordToKey(long authProtocol, const OctetStr& passPhrase, OctetStr& key)
{
    snmp_layer::ensureNetSnmpStarted();
    const oid* proto = nullptr;
    u_int protoLen = 0;
    if (!hashOid(authProtocol, proto, protoLen)) return SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL;
    if (passPhrase.len() < USM_LENGTH_P_MIN) return SNMPv3_USM_ERROR;
    u_char ku[USM_AUTH_KU_LEN];
    size_t kuLen = sizeof ku;
    if (generate_Ku(proto, protoLen, passPhrase.data(), passPhrase.len(), ku, &kuLen) != SNMPERR_SUCCESS)
        return SNMPv3_USM_ERROR;
    key = OctetStr(ku, kuLen);
    return SNMPv3_USM_OK;
}

int usmLocalizeKey(long authProtocol, const OctetStr& key, const OctetStr& engineId, OctetStr& localized)
{
    snmp_layer::ensureNetSnmpStarted();
    const oid* proto = nullptr;
    u_int protoLen = 0;
    if (!hashOid(authProtocol, proto, protoLen)) return SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL;
    if (key.len() == 0 || engineId.len() == 0) return SNMPv3_USM_ERROR;
    u_char kul[USM_AUTH_KU_LEN];
    size_t kulLen = sizeof kul;
    if (generate_kul(proto, protoLen, engineId.data(), engineId.len(), key.data(), key.len(), kul, &kulLen)
        != SNMPERR_SUCCESS)
        return SNMPv3_USM_ERROR;
    localized = OctetStr(kul, kulLen);
    return SNMPv3_USM_OK;
}
