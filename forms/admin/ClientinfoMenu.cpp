// Status / Client Information in the main window's menu.
#include "Clientinfo.h"
#include "MenuForms.h"

static const bool clientInformationRegistered =
    RegisterMenuForm("Client1", [] { RunModalForm(ClientInformation); });
