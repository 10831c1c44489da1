#include "Systemlog.h"

#include "MenuForms.h"

// Status / Log / View Log in the main window's menu.
static const bool logViewRegistered = RegisterMenuForm("ViewLog1", [] { RunModalForm(LogForm); });
