// Written and kept by hand: keep every entry in the layout below.
// The main window's own group, read by its two-second status poll.

#include "VarTables.h"
#include "CatalogueOptionSlots.h"

// MIB-II sysDescr, read by the main window's two-second status poll
// Users: TMainForm as SVT_SV.
KwSNMPVarTable sysDescrVars = {
    {"1.3.6.1.2.1.1.1", "sysDescr", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

