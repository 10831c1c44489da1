#include "PerformaceMenu.h"

#include "MenuForms.h"
#include "Performace.h"

void OpenPerformanceForm() { RunModalForm(FM_Performace); }

// Advanced \ Performance in the main window's menu.
static const bool performanceRegistered = RegisterMenuForm("adPerformance1", OpenPerformanceForm);
