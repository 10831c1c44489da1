#include "Dhcp.h"
#include "MenuForms.h"

// Advanced / DHCP Server in the main window's menu.
static const bool dhcpRegistered = RegisterMenuForm("DHCPServer1", [] { RunModalForm(FM_DHCP); });
