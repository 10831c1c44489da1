#include "KwErrors.h"

#include "SnmpStatus.h"
#include "SysUtils.h"

void TranslateSNMPStatus(int status, int& code, AnsiString& message)
{
    if (status == 0 || status == -1401 || status == 1400) {
        code = KW_SUCCESS;
        message = KwSNMPErrorTexts.Text(0);
    } else if (status >= 1401 && status <= 1414) {
        code = 1100 - status;
        message = USMErrorTexts.Text(status - 1401);
    } else if (status >= -1418 && status <= -1402) {
        code = status + 1201;
        message = SNMPv3ErrorTexts.Text(-1402 - status);
    } else if (status >= 1 && status <= 18) {
        code = -100 - status;
        message = SNMPErrorTexts.Text(status - 1);
    } else if (status >= -23 && status <= -1) {
        code = status - 400;
        message = SNMPClassErrorTexts.Text(-1 - status);
    } else {
        code = KWERR_UNKNOWN;
        message = KwSNMPErrorTexts.Text(28);
    }
}

int SNMPStatusToCode(int status)
{
    int code = 0;
    AnsiString message;
    TranslateSNMPStatus(status, code, message);
    return code;
}

bool KwIsTimeoutCode(int code) { return code == SNMPStatusToCode(SNMP_CLASS_TIMEOUT); }

AnsiString KwErrorText(int code)
{
    if (code == KW_SUCCESS)
        return KwSNMPErrorTexts.Text(0);
    if (code >= -18 && code <= -1)
        return KwCommonErrorTexts.Text(-code);
    if (code >= -118 && code <= -101)
        return SNMPErrorTexts.Text(-101 - code);
    if (code >= -217 && code <= -201)
        return SNMPv3ErrorTexts.Text(-201 - code);
    if (code >= -314 && code <= -301)
        return USMErrorTexts.Text(-301 - code);
    if (code >= -423 && code <= -401)
        return SNMPClassErrorTexts.Text(-401 - code);
    if (code >= -528 && code <= -501)
        return KwSNMPErrorTexts.Text(-500 - code);
    return KwSNMPErrorTexts.Text(28);
}

void RaiseKwError(int code)
{
    throw Exception(KwErrorText(code), code);
}

void RaiseKwError(int code, const AnsiString& message)
{
    throw Exception(message, code);
}
