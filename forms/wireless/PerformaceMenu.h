#pragma once
// The main window's handler of Advanced \ Performance: creates TFM_Performace with the
// application as owner into FM_Performace, shows it modally and deletes it.
void OpenPerformanceForm();
