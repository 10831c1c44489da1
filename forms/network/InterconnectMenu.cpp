#include "Interconnect.h"
#include "MenuForms.h"

// Home / Internet Connection in the main window's menu (offered in router operation).
static const bool internetConnectRegistered =
    RegisterMenuForm("InternetConnect1", [] { RunModalForm(FM_InternetConnect); });
