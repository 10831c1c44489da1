#include "NetSnmpLibrary.h"

#include "NetSnmpIncludes.h"

#include <cstdlib>
#include <mutex>
#include <string>

namespace snmp_layer {

void ensureNetSnmpStarted()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Every file net-snmp would read or write is switched off before it starts:
        // configuration (snmp.conf and the persistent copy), persistent state, and
        // the MIB directories (OIDs are numeric everywhere).
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_NO_TOKEN_WARNINGS, 1);
        netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIBDIRS, "");
        // Parts of net-snmp that ignore those switches (the certificate index,
        // for one, creates folders in the persistent directory) get folders that
        // can never exist: nothing below /dev/null can be created, not even by root.
        set_configuration_directory("/dev/null/vka-snmp-reads-no-configuration");
        set_persistent_directory("/dev/null/vka-snmp-keeps-no-state");
        netsnmp_set_mib_directory("");
        snmp_disable_log();
        // net-snmp reads its list of MIB modules only from the MIBS variable; an
        // empty list loads none. The caller's value is put back afterwards.
        const char* mibs = std::getenv("MIBS");
        std::string saved = mibs ? mibs : "";
        setenv("MIBS", "", 1);
        init_snmp("vka_snmp");
        if (mibs) setenv("MIBS", saved.c_str(), 1);
        else unsetenv("MIBS");
    });
}

}
