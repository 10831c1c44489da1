#pragma once
// Error codes of the library, the message tables of their ranges, the translation of
// SNMP engine statuses into codes, and the library exception.
//
//   0              success                      KwSNMPErrorTexts entry 0   "kwsnmp.err"
//   -101 .. -118   PDU error-status 1 .. 18      SNMPErrorTexts             "snmp.err"
//   -201 .. -217   SNMPv3 statuses -1402..-1418  SNMPv3ErrorTexts           "snmpv3.err"
//   -301 .. -314   USM statuses 1401 .. 1414     USMErrorTexts              "snmpusm.err"
//   -401 .. -423   engine statuses -1 .. -23     SNMPClassErrorTexts        "snmpclass.err"
//   -501 .. -528   the library's own failures    KwSNMPErrorTexts           "kwsnmp.err"
//   -1 .. -18      constraints and utilities     KwCommonErrorTexts         "common.err"
//   status lines   get (0) and set (1)           StatusLineFormats          "snmp.msg"
//
// The library exception is the class library's Exception whose Message is the
// code's text and whose HelpContext is the code.
#include "AnsiString.h"
#include "KwMessageTable.h"

enum KwErrorCode {
    KW_SUCCESS = 0,

    // The library's own failures (KwSNMPErrorTexts, entry -500 - code).
    KWERR_READ_VARFILE = -501,
    KWERR_VARFILE_FORMAT = -502,
    KWERR_VARFILE_ITEMTYPE = -503,
    KWERR_VARFILE_SYNTAX = -504,
    KWERR_VARFILE_ACCESS = -505,
    KWERR_CREATE_SESSION = -506,
    KWERR_LOAD_BOOTS = -507,
    KWERR_SAVE_BOOTS = -508,
    KWERR_BAD_ADDRESS = -509,
    KWERR_GETNEXT_SINGLE = -510,
    KWERR_BAD_SYNTAX = -511,
    KWERR_EXPR_NULL = -512,
    KWERR_EXPR_SYNTAX = -513,
    KWERR_KEY_COUNT = -514,
    KWERR_ITEM_TYPE = -515,
    KWERR_ASSOC_ITEM_TYPE = -516,
    KWERR_ASSOC_SYNTAX = -517,
    KWERR_ASSOC_VALUE = -518,
    KWERR_ASSOC_INDEX = -519,
    KWERR_NO_OPTION_LIST = -520,
    KWERR_CONTROL_TYPE = -521,
    KWERR_CONTROL_COUNT = -522,
    KWERR_NO_START_TIME = -523,
    KWERR_CHART_COUNT = -524,
    KWERR_LOGDB_NOT_CONNECTED = -525,
    KWERR_LOGDB_FIELD = -526,
    KWERR_LOG_CHART_SYNTAX = -527,
    KWERR_UNKNOWN = -528,

    // Constraints and small utilities (KwCommonErrorTexts, entry -code).
    KWCERR_BAD_LOGIC_OPERAND = -1,
    KWCERR_BAD_FORMAT = -2,
    KWCERR_EMPTY = -3,
    KWCERR_MAXLEN = -4,
    KWCERR_LEN = -5,
    KWCERR_HEX_MAXLEN = -6,
    KWCERR_HEX_LEN = -7,
    KWCERR_NUMBER_RANGE = -8,
    KWCERR_LIST_MAXCOUNT = -9,
    KWCERR_LIST_COUNT = -10,
    KWCERR_LIST_RANGE = -11,
    KWCERR_INDEX = -12,
    KWCERR_BUFFER = -13,
    KWCERR_NOT_ENCRYPTED = -14,
    KWCERR_READ_FILE = -15,
    KWCERR_WRITE_FILE = -16,
    KWCERR_WRITE_INI = -17,
    KWCERR_READ_OPTIONS = -18,
};

// Entries of StatusLineFormats.
enum { KW_STATUS_GET = 0, KW_STATUS_SET = 1 };

extern KwMessageTable SNMPErrorTexts;       // 18 texts
extern KwMessageTable SNMPv3ErrorTexts;     // 17 texts
extern KwMessageTable USMErrorTexts;        // 14 texts
extern KwMessageTable SNMPClassErrorTexts;  // 23 texts
extern KwMessageTable KwSNMPErrorTexts;     // 29 texts
extern KwMessageTable KwCommonErrorTexts;   // 19 texts
extern KwMessageTable StatusLineFormats;    // 2 templates

// Loads the seven message files of a folder (written with "\" or "/", e.g.
// "...\errmsg\") into their tables: "common.err", "snmp.err", "snmpv3.err",
// "snmpusm.err", "snmpclass.err", "kwsnmp.err" and "snmp.msg". A missing or blank
// file leaves its table as it was. Returns how many tables were replaced.
int LoadMessageFiles(const AnsiString& folder);

// An SNMP engine status (SNMP_CLASS_*, PDU error-status, SNMPv3 and USM statuses)
// as a library code and the current text of its table entry. Unknown statuses give
// -528.
void TranslateSNMPStatus(int status, int& code, AnsiString& message);
int SNMPStatusToCode(int status);
// True for the code of a request whose answer never came (time-out): the device may
// have taken a set all the same.
bool KwIsTimeoutCode(int code);

// The current text of a code of the ranges above; the text of -528 for any other.
AnsiString KwErrorText(int code);

// Raise the library exception: Exception(KwErrorText(code), code), or with a message
// whose placeholders the caller has filled.
[[noreturn]] void RaiseKwError(int code);
[[noreturn]] void RaiseKwError(int code, const AnsiString& message);
