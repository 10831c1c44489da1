#include "Firmware.h"

#include "MenuForms.h"

// Tools / Firmware and SSL Certification Upload in the main window's menu.
static const bool firmwareRegistered = RegisterMenuForm("Firmware1", [] { RunModalForm(FM_Firmware); });
