// Status / Stats / WLAN and Status / Stats / Ethernet in the main window's menu.
#include "MenuForms.h"
#include "Static.h"
#include "Statwlan.h"

static const bool wlanStatisticsRegistered = RegisterMenuForm("WLAN1", [] { RunModalForm(FM_StatWLAN); });
static const bool ethernetStatisticsRegistered = RegisterMenuForm("Ethernet1", [] { RunModalForm(FM_Static); });
