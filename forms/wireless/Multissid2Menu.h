#pragma once
// The main window's handler of Advanced \ Multi-SSID: creates TFM_MultiSSIDNewForm with
// the application as owner into FM_MultiSSIDNewForm, shows it modally and deletes it.
void OpenMultiSsidForm();
