#pragma once
// The main window's handler of Home / Wireless: creates TFM_Wirless with the
// application as owner into FM_Wirless, shows it modally and deletes it; the form's
// destructor sets FM_Wirless back to null.
void OpenWirelessForm();
