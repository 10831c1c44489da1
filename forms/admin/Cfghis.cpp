#include "Cfghis.h"

#include "DeviceTransfer.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"
#include "MessageBox.h"
#include "VarTables.h"
#include "Wait.h"

TFM_CfgFile* FM_CfgFile = nullptr;

namespace {
const char* const DcfFilter = ".dcf document|*.dcf|All Files|*.*";
const char* const FailText = "Fail to save the configuration file!";
const char* const FormatErrorText = "File format error! Please try again!";
const int PutIndex = 1;         // tftpcommand "Put"
const int ConfigsaveIndex = 1;  // tftpUpgradeSettingCommand "Configsave"
const int RebootIndex = 2;      // tftpUpgradeSettingCommand "Reboot"

void Tell(const char* text, const char* caption) { MessageBoxA(nullptr, text, caption, MB_OK); }
}  // namespace

TFM_CfgFile::TFM_CfgFile(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_CfgFile", "Tools \\ Configuration File", FM_CfgFile))
{
    SetClientWidth(460);
    SetClientHeight(200);

    TFormBuilder build(this);
    GB_UpdateFile = build.Group("GB_UpdateFile", "Update Configuration File ", 8, 8, 444, 80);
    TFormBuilder update = build.In(GB_UpdateFile);
    update.Label("La_UpdateFile", "Update File", 12, 24);
    Ed_UpgFile = update.Edit("Ed_UpgFile", 90, 20, 260);
    Bt_Browse = update.Button("Bt_Browse", "Browse", 360, 18, [this](TObject* S) { Bt_BrowseClick(S); });
    Bt_OK = update.Button("Bt_OK", "OK", 360, 48, [this](TObject* S) { Bt_OKClick(S); });
    GB_SaveFile = build.Group("GB_SaveFile", "Load Settings to Local Hard Drive", 8, 96, 444, 80);
    TFormBuilder save = build.In(GB_SaveFile);
    save.Label("La_SaveFile", "Save File", 12, 24);
    Ed_SaveFile = save.Edit("Ed_SaveFile", 90, 20, 260);
    Bt_SavBrw = save.Button("Bt_SavBrw", "Browse", 360, 18, [this](TObject* S) { Bt_SavBrwClick(S); });
    Bt_Upload = save.Button("Bt_Upload", "OK", 360, 48, [this](TObject* S) { Bt_UploadClick(S); });
    Ed_TfpSrv = build.HiddenEdit("Ed_TfpSrv");
    Ed_UpgFile->SetText("");
    Ed_SaveFile->SetText("");
    Ed_TfpSrv->SetText("");
    CB_UpgCom = build.HiddenCombo("CB_UpgCom");
    CB_TfpCom = build.HiddenCombo("CB_TfpCom");
    La_TftpSrv = build.Label("La_TftpSrv", "Tftp Server:", 8, 180);
    La_UpgrdComm = build.Label("La_UpgrdComm", "UpgrdComm:", 8, 180);
    La_UpComm = build.Label("La_UpComm", "TftpComm:", 8, 180);
    for (TLabel* label : {La_TftpSrv, La_UpgrdComm, La_UpComm})
        label->SetVisible(false);
    La_TftpSrv->SetEnabled(false);
    StatusBar = build.StatusBar("StatusBar", {50});
    SetStatusBar(StatusBar);
    OD_File = new TOpenDialog(this);
    OD_File->SetName("OD_File");
    OD_File->SetFilter(DcfFilter);
    OD_SaveFile = new TSaveDialog(this);
    OD_SaveFile->SetName("OD_SaveFile");
    OD_SaveFile->SetFilter(DcfFilter);

    OnCreate = [this](TObject* S) { FormCreate(S); };
}

TFM_CfgFile::~TFM_CfgFile()
{
    delete busyNote_;
}

void TFM_CfgFile::FormCreate(TObject* Sender)
{
    try {
        TargetRequest = BoundGroup(tftpServerIPAddressVars2, SVT_SV, {Ed_TfpSrv, Ed_UpgFile}, 10000, 0);
        UpgradeRequest = BoundGroup(tftpUpgradeSettingCommandVars, SVT_SV, {CB_UpgCom}, 30000);
        UpgradeRequest->OnSetDone = [this](KwSNMPRequest2Controls*, KwSNMPError& E) { UpgradeResult(E); };
        TransferRequest = BoundGroup(tftpcommandVars, SVT_SV, {CB_TfpCom}, 10000);
        TransferRequest->AttachStatusBar(StatusBar);
        TransferRequest->OnSetDone = [this](KwSNMPRequest2Controls*, KwSNMPError& E) { TransferResult(E); };
    } catch (const Exception& e) {
        ShowStatus(e.Message);
    }
    Ed_SaveFile->SetColor(clBtnFace);
    Ed_SaveFile->SetReadOnly(true);

    Server = new TTransferServer(this, 300);
    ArrivalWait = new TArrivalWait(Server);
    ArrivalWait->OnDone = [this](bool completed) { FinishBackup(completed); };
    Server->Open("");  // on failure the form closes as soon as it is shown
}

void TFM_CfgFile::Bt_BrowseClick(TObject* Sender)
{
    if (!OD_File->Execute())
        return;
    Ed_SaveFile->SetText("");
    Ed_UpgFile->SetText(OD_File->FileName());
}

void TFM_CfgFile::Bt_SavBrwClick(TObject* Sender)
{
    if (!OD_SaveFile->Execute())
        return;
    Ed_SaveFile->SetText("");
    Ed_SaveFile->SetText(OD_SaveFile->FileName());
}

void TFM_CfgFile::ShowBusyNote()
{
    if (!busyNote_) {
        busyNote_ = NewForm<TFM_Waiting>(Application);
        busyNote_->SendReboot = false;
        busyNote_->Timer1->SetEnabled(false);
        for (TLabel* label : {busyNote_->Label1, busyNote_->La_Time, busyNote_->seconds})
            label->SetVisible(false);
        busyNote_->Label2->SetCaption("Please wait...");
        busyNote_->Label3->SetCaption("The settings are saving and taking effect.");
    }
    SetEnabled(false);
    busyNote_->Show();
    busyNote_->Update();
}

void TFM_CfgFile::HideBusyNote()
{
    SetEnabled(true);
    if (!busyNote_)
        return;
    TFM_Waiting* note = busyNote_;
    busyNote_ = nullptr;
    note->Hide();
    delete note;
}

// The device is told where the file lies. A refused target would leave the device
// with an earlier server and name, so nothing follows it.
bool TFM_CfgFile::SendTarget(const AnsiString& root, const AnsiString& name)
{
    Server->Serve(root);
    Ed_TfpSrv->SetText(Ed_TfpSrv->Text().Trim());
    Ed_UpgFile->SetText(name);
    ShowBusyNote();
    if (WriteGroup(TargetRequest))
        return true;
    ReportFailure();
    return false;
}

void TFM_CfgFile::ReportFailure()
{
    ArrivalWait->Cancel();
    Server->ExpectNothing();
    HideBusyNote();
    Tell(FailText, "ERROR");
}

void TFM_CfgFile::Bt_OKClick(TObject* Sender)
{
    const AnsiString path = Ed_UpgFile->Text();
    if (path.IsEmpty()) {
        RefuseInput("Empty file is not accepted.", "Warning");
        return;
    }
    if (!TransferFileExists(path) || path.UpperCase().Pos(".DCF") == 0) {
        RefuseInput(FormatErrorText, "Warning");
        return;
    }
    TTransferPath parts;
    if (!PrepareTransfer(Ed_TfpSrv, path, parts))
        return;
    BackupRunning = false;
    const bool sent = SendTarget(parts.Root, parts.Name);
    Ed_UpgFile->SetText(path);
    if (!sent)
        return;
    Server->Expect(parts.Name, TTransferDirection::ToDevice);
    CB_UpgCom->SetItemIndex(ConfigsaveIndex);
    RestorePending = true;
    restartFailed_ = false;
    if (!WriteGroup(UpgradeRequest)) {
        RestorePending = false;
        ReportFailure();
    }
}

void TFM_CfgFile::Bt_UploadClick(TObject* Sender)
{
    const AnsiString path = Ed_SaveFile->Text();
    if (path.IsEmpty()) {
        RefuseInput("Empty file is not accepted.", "Warning");
        return;
    }
    // The file the device's backup goes into: ".dcf" appended to a name without it.
    AnsiString file = path;
    if (TransferFileName(path).UpperCase().Pos(".DCF") == 0)
        file += ".dcf";
    TTransferPath parts;
    if (!PrepareTransfer(Ed_TfpSrv, file, parts))
        return;
    if (!TransferNameAccepted(parts.Name)) {
        RefuseInput(FormatErrorText, "Warning");
        return;
    }
    if (!MayReplaceFile(file))
        return;
    const bool sent = SendTarget(parts.Root, parts.Name);
    Ed_UpgFile->SetText("");
    if (!sent)
        return;
    La_TftpSrv->SetEnabled(true);
    CB_TfpCom->SetItemIndex(PutIndex);
    BackupRunning = true;
    backupName_ = parts.Name;
    Server->Expect(parts.Name, TTransferDirection::FromDevice);
    if (!WriteGroup(TransferRequest))
        ReportFailure();
}

void TFM_CfgFile::TransferResult(KwSNMPError& Error)
{
    if (!BackupRunning) {
        HideBusyNote();
        return;
    }
    if (Error.Code != 0) {
        ReportFailure();
        return;
    }
    // The device sends the file after its answer: success waits for the whole file.
    ArrivalWait->StartWaitMs = ArrivalWaitMs;
    ArrivalWait->Begin();
}

void TFM_CfgFile::FinishBackup(bool completed)
{
    if (!completed) {
        ReportFailure();
        return;
    }
    HideBusyNote();
    // The device takes the saved file as its configuration: it may read it back.
    Server->Expect(backupName_, TTransferDirection::ToDevice);
    CB_UpgCom->SetItemIndex(ConfigsaveIndex);
    WriteGroup(UpgradeRequest);
    RestorePending = false;
    Tell("The configuration file saved successfully!", "OK");
}

void TFM_CfgFile::UpgradeResult(KwSNMPError& Error)
{
    if (Error.Code != 0) {
        const bool restoring = RestorePending;
        RestorePending = false;
        restartFailed_ = true;
        EndDeviceWait();
        if (restoring || busyNote_)
            HideBusyNote();
        Tell(FailText, "ERROR");
        return;
    }
    if (!RestorePending)
        return;
    RestorePending = false;
    Restore();
}

// The device accepted the restore: it fetches the file, takes it and restarts.
void TFM_CfgFile::Restore()
{
    HideBusyNote();
    SetEnabled(false);
    TWaitTexts loading;
    loading.Label3 = "Updating config file...";
    if (!AwaitTransfer(*Server, 10, 1, loading)) {
        // The device never fetched the whole file: no restart, no success.
        SetEnabled(true);
        ReportFailure();
        return;
    }
    CB_UpgCom->SetItemIndex(RebootIndex);
    if (!WriteGroup(UpgradeRequest)) {
        SetEnabled(true);
        ReportFailure();
        return;
    }
    TWaitTexts restarting;
    restarting.Label3 = "Device is restarting...";
    ShowDeviceWait(50, restarting);
    if (!restartFailed_)
        Tell("The configuration file update successfully!", "OK");
    SetEnabled(true);
}

static const bool menuEntry = RegisterModalForm("tUpdate2", FM_CfgFile);
