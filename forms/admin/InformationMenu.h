#pragma once
// The main window's handler of Home / Information: creates TFM_Information with the
// application as owner into FM_Information, shows it modally and deletes it; the
// form's destructor sets FM_Information back to null.
void OpenInformationForm();
