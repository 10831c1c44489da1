// Status numbers, syntax codes and protocol codes of the SNMP engine layer.
// The numbers are those of the SNMP++ engine the module was designed on, so the
// network management library translates them into its own error codes unchanged.
#pragma once

// ---- Class statuses (returned by Snmp operations; reasons of async callbacks) ----
#define SNMP_CLASS_SUCCESS 0
#define SNMP_CLASS_ERROR (-1)
#define SNMP_CLASS_RESOURCE_UNAVAIL (-2)
#define SNMP_CLASS_INTERNAL_ERROR (-3)
#define SNMP_CLASS_UNSUPPORTED (-4)
#define SNMP_CLASS_TIMEOUT (-5)
#define SNMP_CLASS_ASYNC_RESPONSE (-6)
#define SNMP_CLASS_NOTIFICATION (-7)
#define SNMP_CLASS_SESSION_DESTROYED (-8)
#define SNMP_CLASS_INVALID (-10)
#define SNMP_CLASS_INVALID_PDU (-11)
#define SNMP_CLASS_INVALID_TARGET (-12)
#define SNMP_CLASS_INVALID_CALLBACK (-13)
#define SNMP_CLASS_INVALID_REQID (-14)
#define SNMP_CLASS_INVALID_NOTIFYID (-15)
#define SNMP_CLASS_INVALID_OPERATION (-16)
#define SNMP_CLASS_INVALID_OID (-17)
#define SNMP_CLASS_INVALID_ADDRESS (-18)
#define SNMP_CLASS_ERR_STATUS_SET (-19)
#define SNMP_CLASS_TL_UNSUPPORTED (-20)
#define SNMP_CLASS_TL_IN_USE (-21)
#define SNMP_CLASS_TL_FAILED (-22)
#define SNMP_CLASS_SHUTDOWN (-23)

// ---- PDU error-status values (a synchronous operation returns them as its status) ----
#define SNMP_ERROR_SUCCESS 0
#define SNMP_ERROR_TOO_BIG 1
#define SNMP_ERROR_NO_SUCH_NAME 2
#define SNMP_ERROR_BAD_VALUE 3
#define SNMP_ERROR_READ_ONLY 4
#define SNMP_ERROR_GENERAL_VB_ERR 5
#define SNMP_ERROR_NO_ACCESS 6
#define SNMP_ERROR_WRONG_TYPE 7
#define SNMP_ERROR_WRONG_LENGTH 8
#define SNMP_ERROR_WRONG_ENCODING 9
#define SNMP_ERROR_WRONG_VALUE 10
#define SNMP_ERROR_NO_CREATION 11
#define SNMP_ERROR_INCONSIST_VAL 12
#define SNMP_ERROR_RESOURCE_UNAVAIL 13
#define SNMP_ERROR_COMITFAIL 14
#define SNMP_ERROR_UNDO_FAIL 15
#define SNMP_ERROR_AUTH_ERR 16
#define SNMP_ERROR_NOT_WRITEABLE 17
#define SNMP_ERROR_INCONSIS_NAME 18

// ---- SNMPv3 message processing statuses ----
#define SNMPv3_MP_ERROR (-1400)
#define SNMPv3_MP_OK (-1401)
#define SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL (-1402)
#define SNMPv3_MP_NOT_IN_TIME_WINDOW (-1403)
#define SNMPv3_MP_DOUBLED_MESSAGE (-1404)
#define SNMPv3_MP_INVALID_MESSAGE (-1405)
#define SNMPv3_MP_INVALID_ENGINEID (-1406)
#define SNMPv3_MP_NOT_INITIALIZED (-1407)
#define SNMPv3_MP_PARSE_ERROR (-1408)
#define SNMPv3_MP_UNKNOWN_MSGID (-1409)
#define SNMPv3_MP_MATCH_ERROR (-1410)
#define SNMPv3_MP_COMMUNITY_ERROR (-1411)
#define SNMPv3_MP_WRONG_USER_NAME (-1412)
#define SNMPv3_MP_BUILD_ERROR (-1413)
#define SNMPv3_MP_USM_ERROR (-1414)
#define SNMPv3_MP_UNKNOWN_PDU_HANDLERS (-1415)
#define SNMPv3_MP_UNAVAILABLE_CONTEXT (-1416)
#define SNMPv3_MP_UNKNOWN_CONTEXT (-1417)
#define SNMPv3_MP_REPORT_SENT (-1418)

// ---- User-based security model statuses ----
#define SNMPv3_USM_OK 1400
#define SNMPv3_USM_ERROR 1401
#define SNMPv3_USM_ERROR_CONFIGFILE 1402
#define SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL 1403
#define SNMPv3_USM_UNKNOWN_SECURITY_NAME 1404
#define SNMPv3_USM_ENCRYPTION_ERROR 1405
#define SNMPv3_USM_DECRYPTION_ERROR 1406
#define SNMPv3_USM_AUTHENTICATION_ERROR 1407
#define SNMPv3_USM_AUTHENTICATION_FAILURE 1408
#define SNMPv3_USM_PARSE_ERROR 1409
#define SNMPv3_USM_UNKNOWN_ENGINEID 1410
#define SNMPv3_USM_NOT_IN_TIME_WINDOW 1411
#define SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL 1412
#define SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL 1413
#define SNMPv3_USM_ADDRESS_ERROR 1414

// ---- Engine boots counter file statuses (getBootCounter / saveBootCounter) ----
#define SNMPv3_OK 0
#define SNMPv3_NO_ENTRY_ERROR (-1)       // the file has no line for the engine id
#define SNMPv3_FILEOPEN_ERROR (-2)       // the file cannot be opened (e.g. absent)
#define SNMPv3_FILECREATE_ERROR (-3)     // the temporary file cannot be written
#define SNMPv3_FILERENAME_ERROR (-4)     // the temporary file cannot replace the file
#define SNMPv3_FILECORRUPT_ERROR (-5)    // the file exists but is not a boots counter file

// ---- Value syntaxes (ASN.1 / SMI tags) ----
#define sNMP_SYNTAX_INT 0x02
#define sNMP_SYNTAX_INT32 sNMP_SYNTAX_INT
#define sNMP_SYNTAX_BITS 0x03
#define sNMP_SYNTAX_OCTETS 0x04
#define sNMP_SYNTAX_NULL 0x05
#define sNMP_SYNTAX_OID 0x06
#define sNMP_SYNTAX_IPADDR 0x40
#define sNMP_SYNTAX_CNTR32 0x41
#define sNMP_SYNTAX_GAUGE32 0x42
#define sNMP_SYNTAX_TIMETICKS 0x43
#define sNMP_SYNTAX_OPAQUE 0x44
#define sNMP_SYNTAX_CNTR64 0x46
#define sNMP_SYNTAX_UINT32 0x47
#define sNMP_SYNTAX_NOSUCHOBJECT 0x80
#define sNMP_SYNTAX_NOSUCHINSTANCE 0x81
#define sNMP_SYNTAX_ENDOFMIBVIEW 0x82

// ---- PDU types ----
#define sNMP_PDU_GET 0xA0
#define sNMP_PDU_GETNEXT 0xA1
#define sNMP_PDU_RESPONSE 0xA2
#define sNMP_PDU_SET 0xA3
#define sNMP_PDU_V1TRAP 0xA4
#define sNMP_PDU_GETBULK 0xA5
#define sNMP_PDU_INFORM 0xA6
#define sNMP_PDU_TRAP 0xA7
#define sNMP_PDU_REPORT 0xA8

// ---- SNMPv3 security (codes pass unchanged from the command line and profile file) ----
#define SNMP_SECURITY_MODEL_V1 1
#define SNMP_SECURITY_MODEL_V2 2
#define SNMP_SECURITY_MODEL_USM 3

#define SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV 1
#define SNMP_SECURITY_LEVEL_AUTH_NOPRIV 2
#define SNMP_SECURITY_LEVEL_AUTH_PRIV 3

#define SNMP_AUTHPROTOCOL_NONE 1
#define SNMP_AUTHPROTOCOL_HMACMD5 2
#define SNMP_AUTHPROTOCOL_HMACSHA 3

#define SNMP_PRIVPROTOCOL_NONE 1
#define SNMP_PRIVPROTOCOL_DES 2
#define SNMP_PRIVPROTOCOL_AES 4       // usmAesCfb128Protocol's last sub-identifier
#define SNMP_PRIVPROTOCOL_AES128 19   // the engine's own code for the same protocol

// Largest number of sub-identifiers in an object identifier.
#define MAX_OID_LEN_SNMP 128

enum snmp_version { version1 = 0, version2c = 1, version3 = 3 };
