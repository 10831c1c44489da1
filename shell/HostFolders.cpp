#include "HostFolders.h"

#include "TRegistry.h"

namespace {
const char* const HelpPathKey = "\\SOFTWARE\\Tavrix\\Modules\\HelpPath";
const char* const ExePathKey = "\\SOFTWARE\\Tavrix\\NVane5.1\\ExePath";
const char* const MibFileKey = "\\SOFTWARE\\Tavrix\\NVane5.1\\MibFile";
const int HelpFileNameLength = 12;
}  // namespace

AnsiString ReadModuleFolder(const AnsiString& valueName)
{
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(HelpPathKey, true))
        return AnsiString();
    const AnsiString helpPath = registry.ReadString(valueName);
    registry.CloseKey();
    if (helpPath.Length() < HelpFileNameLength)
        return AnsiString();
    return helpPath.SubString(1, helpPath.Length() - HelpFileNameLength);
}

AnsiString ReadProfileFolder()
{
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    AnsiString folder;
    if (registry.OpenKey(ExePathKey, false)) {
        folder = registry.ReadString("Path") + "..\\Conf\\MBF\\";
        registry.CloseKey();
    }
    if (registry.OpenKey(MibFileKey, false)) {
        folder = registry.ReadString("Path");
        registry.CloseKey();
    }
    return folder;
}
