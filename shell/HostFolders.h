#pragma once
// The folders the host system keeps in the registry (HKEY_LOCAL_MACHINE):
// - the module folder: the value "1.3.6.1.4.1.32473.10.37.37" of
//   "\SOFTWARE\Tavrix\Modules\HelpPath" less its last 12 characters (the help file's
//   name); the key is created when missing;
// - the profile folder of the per-device ".cfg" files: "Path" of
//   "\SOFTWARE\Tavrix\NVane5.1\MibFile", else "Path" of "\SOFTWARE\Tavrix\NVane5.1\ExePath"
//   followed by "..\Conf\MBF\".
// Missing keys or values give "" and are not reported.
#include "AnsiString.h"

AnsiString ReadModuleFolder(const AnsiString& valueName);
AnsiString ReadProfileFolder();
