#include "Firewalldmz.h"
#include "MenuForms.h"

// Advanced / Router Settings / Firewall & DMZ in the main window's menu.
static const bool firewallRegistered = RegisterMenuForm("FirewallDMZ1", [] { RunModalForm(FM_FirewallDMZ); });
