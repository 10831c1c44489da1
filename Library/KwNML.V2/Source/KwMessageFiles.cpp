#include "KwErrors.h"
#include "KwIni.h"

int LoadMessageFiles(const AnsiString& folder)
{
    struct File {
        const char* name;
        KwMessageTable& table;
    } files[] = {
        {"common.err", KwCommonErrorTexts},    {"snmp.err", SNMPErrorTexts},
        {"snmpv3.err", SNMPv3ErrorTexts},      {"snmpusm.err", USMErrorTexts},
        {"snmpclass.err", SNMPClassErrorTexts}, {"kwsnmp.err", KwSNMPErrorTexts},
        {"snmp.msg", StatusLineFormats},
    };
    int loaded = 0;
    for (const File& file : files)
        if (LoadTextLines(file.table, JoinPath(folder, file.name)))
            ++loaded;
    return loaded;
}
