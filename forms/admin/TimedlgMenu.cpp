// Tools / Time and Date in the main window's menu.
#include "MenuForms.h"
#include "Timedlg.h"

static const bool timeRegistered = RegisterMenuForm("Time", [] { RunModalForm(FM_Time); });
