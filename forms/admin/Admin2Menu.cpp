// Tools / Administrator Settings in the main window's menu.
#include "Admin2.h"
#include "MenuForms.h"

static const bool administratorRegistered = RegisterMenuForm("tAdmin2", [] { RunModalForm(FM_Admin2); });
