#include "StatusMapping.h"

#include "NetSnmpIncludes.h"

#include "SnmpStatus.h"

namespace snmp_layer {

int statusFromNetSnmpError(int e)
{
    switch (e) {
    case SNMPERR_SUCCESS: return SNMP_CLASS_SUCCESS;
    case SNMPERR_TIMEOUT: return SNMP_CLASS_TIMEOUT;
    case SNMPERR_UNKNOWN_SEC_MODEL: return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;
    case SNMPERR_INVALID_MSG: return SNMPv3_MP_INVALID_MESSAGE;
    case SNMPERR_UNKNOWN_PDU: return SNMPv3_MP_UNKNOWN_PDU_HANDLERS;
    case SNMPERR_BAD_CONTEXT: return SNMPv3_MP_UNKNOWN_CONTEXT;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
    case SNMPERR_BAD_ENG_ID: return SNMPv3_USM_UNKNOWN_ENGINEID;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
    case SNMPERR_BAD_SEC_NAME: return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
    case SNMPERR_BAD_SEC_LEVEL: return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return SNMPv3_USM_AUTHENTICATION_FAILURE;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW: return SNMPv3_USM_NOT_IN_TIME_WINDOW;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR: return SNMPv3_USM_DECRYPTION_ERROR;
    case SNMPERR_USM_ENCRYPTIONERROR: return SNMPv3_USM_ENCRYPTION_ERROR;
    case SNMPERR_USM_PARSEERROR: return SNMPv3_USM_PARSE_ERROR;
    case SNMPERR_USM_GENERICERROR: return SNMPv3_USM_ERROR;
    case SNMPERR_BAD_ADDRESS: return SNMP_CLASS_INVALID_ADDRESS;
    case SNMPERR_BAD_LOCPORT: return SNMP_CLASS_TL_IN_USE;
    case SNMPERR_NO_SOCKET:
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM: return SNMP_CLASS_TL_FAILED;
    case SNMPERR_TOO_LONG:
    case SNMPERR_BAD_ASN1_BUILD:
    case SNMPERR_V2_IN_V1:
    case SNMPERR_VAR_TYPE:
    case SNMPERR_LONG_OID: return SNMP_CLASS_INVALID_PDU;
    case SNMPERR_MALLOC: return SNMP_CLASS_RESOURCE_UNAVAIL;
    default: return SNMP_CLASS_ERROR;
    }
}

namespace {
bool startsWith(const netsnmp_variable_list* vb, const oid* prefix, size_t len)
{
    return vb && vb->name_length >= len && snmp_oid_compare(vb->name, len, prefix, len) == 0;
}
}

int statusFromReport(snmp_pdu* report)
{
    if (!report) return SNMPv3_MP_ERROR;
    const netsnmp_variable_list* vb = report->variables;
    // snmpUnavailableContexts and snmpUnknownContexts (snmpTargetObjects 4 and 5).
    static const oid unavailableContexts[] = {1, 3, 6, 1, 6, 3, 12, 1, 4};
    static const oid unknownContexts[] = {1, 3, 6, 1, 6, 3, 12, 1, 5};
    if (startsWith(vb, unavailableContexts, 9)) return SNMPv3_MP_UNAVAILABLE_CONTEXT;
    if (startsWith(vb, unknownContexts, 9)) return SNMPv3_MP_UNKNOWN_CONTEXT;
    int type = snmpv3_get_report_type(report);
    if (type == SNMPERR_UNKNOWN_REPORT) return SNMPv3_MP_ERROR;
    return statusFromNetSnmpError(type);
}

}
