#include "InformationMenu.h"

#include "Information.h"
#include "MenuForms.h"

void OpenInformationForm() { RunModalForm(FM_Information); }

// Home / Information in the main window's menu.
static const bool informationRegistered = RegisterMenuForm("Information1", OpenInformationForm);
