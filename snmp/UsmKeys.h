// SNMPv3 USM keys from pass phrases (RFC 3414 password-to-key and localization).
#pragma once
#include <string>
#include "OctetStr.h"

// Ku for the authentication protocol (SNMP_AUTHPROTOCOL_HMACMD5 or _HMACSHA).
// SNMPv3_USM_OK, SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL, or SNMPv3_USM_ERROR
// (pass phrase shorter than 8 characters).
int usmPasswordToKey(long authProtocol, const OctetStr& passPhrase, OctetStr& key);
// Kul: Ku localized to an engine id.
int usmLocalizeKey(long authProtocol, const OctetStr& key, const OctetStr& engineId, OctetStr& localized);
