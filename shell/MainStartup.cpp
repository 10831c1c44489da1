// Start-up of the main window: session, host folders, command line and profile, single
// instance, and the first device reads.
#include "Main.h"

#include "HostFolders.h"
#include "KwErrors.h"
#include "KwSNMPRequest.h"
#include "KwSNMPSession.h"
#include "SingleInstance.h"
#include "StartupSettings.h"
#include "VarTables.h"

#include <vector>

namespace {

// One box naming every refused switch and profile value; start-up goes on without them.
void ReportRefusals(const std::vector<AnsiString>& refusals)
{
    if (refusals.empty())
        return;
    AnsiString text = "These start-up values were refused and left unchanged:";
    for (const AnsiString& refusal : refusals)
        text += "\n" + refusal;
    Application->MessageBox(text.c_str(), "Warning", MB_OK);
}

std::vector<AnsiString> ProgramArguments()
{
    std::vector<AnsiString> arguments;
    for (int i = 1; i <= ParamCount(); ++i)
        arguments.push_back(ParamStr(i));
    return arguments;
}

}  // namespace

void TMainForm::FormCreate(TObject* Sender)
{
    // A start-up that fails half-way leaves no timer running on requests that were
    // never made: the timers stop before the failure is shown, then the module ends.
    try {
        StartUp();
    } catch (...) {
        StopTimers();
        Application->HandleException(this);
        Application->Terminate();
    }
}

void TMainForm::StartUp()
{
    SetClientWidth(Image1->Width());
    SetClientHeight(MainStatusBar->Height() + 148);
    SetBorderStyle(bsSingle);
    SetBorderIcons(BorderIcons() & ~biMaximize);

    KwSNMPInitSession("");
    KwDefaultSecurity.Version = 0;

    const AnsiString moduleFolder = ReadModuleFolder(EnterpriseOid);
    LoadMessageFiles(moduleFolder + "errmsg\\");
    const AnsiString profileFolder = ReadProfileFolder();

    const std::vector<AnsiString> arguments = ProgramArguments();
    if (arguments.empty()) {
        StopTimers();
        ShowMessage(NoHostText);
        Application->Terminate();
        return;
    }
    StartupSettings settings(KwDefaultDevice, KwDefaultScope, KwDefaultSecurity, profileFolder);
    settings.ApplyArguments(arguments);
    DeviceAddress = settings.DeviceAddress;

    SetCaption(Caption() + " : " + DeviceAddress);
    instanceMutex_ = CreateMutexA(nullptr, 1, Caption().c_str());
    if (!instanceMutex_ || GetLastError() == ERROR_ALREADY_EXISTS) {
        if (instanceMutex_)
            CloseHandle(instanceMutex_);
        instanceMutex_ = nullptr;
        StopTimers();
        Application->MessageBox(AnotherModuleText, "Warning", 0);
        Application->Terminate();
        Close();
        return;
    }
    ReportRefusals(settings.Refusals);

    StatusRequest = std::make_unique<KwSNMPRequest>();
    StatusRequest->VarList = KwSNMPVarList(sysDescrVars, SVT_SV, 0);
    LedStatusTimer(this);

    CreateDeviceRequests();
}
