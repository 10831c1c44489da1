#include "Firmware.h"

#include "DeviceTransfer.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"
#include "MessageBox.h"
#include "VarTables.h"

TFM_Firmware* FM_Firmware = nullptr;

namespace {
const char* const FirmwareFilter = ".bin document|*.bin|.tfp document|*.tfp|All Files|*.*";
const char* const CantPerformText = "Cant Perform Operation,Please try again!";
const char* const TransferBusyText = "A file is still being sent to the device. Please wait until it has finished.";
const int GetIndex = 0;          // tftpcommand "Get"
const int FirmwareIndex = 0;     // tftpUpgradeSettingCommand "Firmwareupdate"
const int CertificateIndex = 4;  // "certificateFileUpdate"
const int KeyIndex = 5;          // "keyFileUpdate"
const int RebootIndex = 1;       // deviceRestart "reboot"
const int FactoryDefaultVar = 1;

void Tell(const char* text, const char* caption) { MessageBoxA(nullptr, text, caption, MB_OK); }

// A folder, not a file: "/" on this system, "\\" as typed from the device's documentation.
bool EndsInSeparator(const AnsiString& path)
{
    return !path.IsEmpty() && (path[path.Length()] == '/' || path[path.Length()] == '\\');
}
}  // namespace

TFM_Firmware::TFM_Firmware(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_Firmware", "Tools \\ Firmware and SSL Certification Upload", FM_Firmware))
{
    SetClientWidth(520);
    SetClientHeight(250);

    TFormBuilder build(this);
    build.Label("La_Firmware", "Update Firmware From Local Hard Drive", 16, 12);
    La_File = build.Label("La_File", "Upgrade File:", 16, 40);
    Ed_UpgFile = build.Edit("Ed_UpgFile", 200, 36, 210);
    Bt_Browse = build.Button("Bt_Browse", "Browse", 420, 34, [this](TObject* S) { Bt_BrowseClick(S); });
    Bt_OK = build.Button("Bt_OK", "OK", 420, 64, [this](TObject* S) { Bt_OKClick(S); });
    build.Label("La_Ssl", "Update SSL Certification From Local Hard Drive", 16, 104);
    LA_Certificate = build.Label("LA_Certificate", "Upload Certificate From File :", 16, 132);
    EDT_Certificate = build.Edit("EDT_Certificate", 200, 128, 130);
    Bt_CBrowse = build.Button("Bt_CBrowse", "Browse", 340, 126, [this](TObject* S) { Bt_CBrowseClick(S); });
    Bt_CUpload = build.Button("Bt_CUpload", "Upload", 420, 126, [this](TObject* S) { Bt_CUploadClick(S); });
    LA_Key = build.Label("LA_Key", "Upload Key From File : ", 16, 168);
    EDT_Key = build.Edit("EDT_Key", 200, 164, 130);
    Bt_KBrowse = build.Button("Bt_KBrowse", "Browse", 340, 162, [this](TObject* S) { Bt_KBrowseClick(S); });
    Bt_KUpload = build.Button("Bt_KUpload", "Upload", 420, 162, [this](TObject* S) { Bt_KUploadClick(S); });
    Ed_TfpSrv = build.HiddenEdit("Ed_TfpSrv");
    Ed_UpgFile->SetText("");
    EDT_Certificate->SetText("");
    EDT_Key->SetText("");
    Ed_TfpSrv->SetText("");
    CB_TfpCom = build.HiddenCombo("CB_TfpCom");
    CB_UpgCom = build.HiddenCombo("CB_UpgCom");
    CB_Restart = build.HiddenCombo("CB_Restart");
    CB_SslUpdt = build.HiddenCombo("CB_SslUpdt");
    CB_Reboot = build.HiddenCombo("CB_Reboot");
    La_TftpSrv = build.Label("La_TftpSrv", "Tftp Server:", 16, 200);
    La_UpComm = build.Label("La_UpComm", "TftpComm:", 16, 200);
    La_UpgrdComm = build.Label("La_UpgrdComm", "UpgrdComm:", 16, 200);
    for (TLabel* label : {La_TftpSrv, La_UpComm, La_UpgrdComm})
        label->SetVisible(false);
    StatusBar2 = build.StatusBar("StatusBar2");
    StatusBar2->SetVisible(false);
    StatusBar1 = build.StatusBar("StatusBar1");
    StatusBar = build.StatusBar("StatusBar");
    SetStatusBar(StatusBar);
    OD_File = new TOpenDialog(this);
    OD_File->SetName("OD_File");
    OD_File->SetFilter(FirmwareFilter);

    OnCreate = [this](TObject* S) { FormCreate(S); };
}

void TFM_Firmware::FormCreate(TObject* Sender)
{
    try {
        TargetRequest = BoundGroup(tftpServerIPAddressVars, SVT_SV, {Ed_TfpSrv, Ed_UpgFile}, 10000);
        TargetRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { TargetDone(S, E); };
        TransferRequest = BoundGroup(tftpcommandVars, SVT_SV, {CB_TfpCom}, 15000);
        TransferRequest->AttachStatusBar(StatusBar);
        TransferRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { TransferDone(S, E); };
        RestartRequest = BoundGroup(deviceRestartVars2, SVT_SV, {CB_Restart}, 10000);
        // Bound to nothing, the factory default would go out without a value and the
        // device would refuse the restart with it.
        MarkVars(RestartRequest, smLeaveOut, FactoryDefaultVar);
        RestartRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { RestartDone(S, E); };
        UpgradeRequest = BoundGroup(tftpUpgradeSettingCommandVars, SVT_SV, {CB_UpgCom}, 30000);
        UpgradeRequest->AttachStatusBar(StatusBar2);
        UpgradeRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { UpgradeDone(S, E); };
    } catch (const Exception& e) {
        ShowStatus(e.Message);
    }
    Server = new TTransferServer(this, 3000);
    if (!Server->Open(""))
        return;  // the form closes as soon as it is shown
    SetKeyControls(false);
}

void TFM_Firmware::SetKeyControls(bool enabled)
{
    EDT_Key->SetEnabled(enabled);
    Bt_KBrowse->SetEnabled(enabled);
    Bt_KUpload->SetEnabled(enabled);
}

void TFM_Firmware::Bt_BrowseClick(TObject* Sender)
{
    OD_File->SetFilterIndex(3);
    if (OD_File->Execute())
        Ed_UpgFile->SetText(OD_File->FileName());
}

void TFM_Firmware::Bt_CBrowseClick(TObject* Sender)
{
    OD_File->SetFilterIndex(3);
    if (OD_File->Execute())
        EDT_Certificate->SetText(OD_File->FileName());
}

void TFM_Firmware::Bt_KBrowseClick(TObject* Sender)
{
    if (OD_File->Execute())
        EDT_Key->SetText(OD_File->FileName());
}

// The PC address and the file's folder, then the target: the transfer command follows
// once the device has taken the target (TargetDone).
bool TFM_Firmware::StartUpload(const AnsiString& path)
{
    TTransferPath parts;
    if (!PrepareTransfer(Ed_TfpSrv, path, parts))
        return false;
    Server->Serve(parts.Root);
    Server->Expect(parts.Name, TTransferDirection::ToDevice);
    Ed_TfpSrv->SetText(Ed_TfpSrv->Text().Trim());
    const AnsiString shown = Ed_UpgFile->Text();
    Ed_UpgFile->SetText(parts.Name);
    const bool sent = WriteGroup(TargetRequest);
    Ed_UpgFile->SetText(shown);
    TargetSent = sent;
    if (!sent)
        Server->ExpectNothing();
    return sent;
}

bool TFM_Firmware::TransferUnderWay() const
{
    return (Server && Server->Awaited()) ||
           AnyOutstanding({TargetRequest, TransferRequest, UpgradeRequest, RestartRequest});
}

// One transfer at a time: the device has one staging file, which a second fetch would
// cut short.
bool TFM_Firmware::MayUpload()
{
    return !TransferUnderWay() || RefuseInput(TransferBusyText, "Warning");
}

void TFM_Firmware::Bt_OKClick(TObject* Sender)
{
    if (!MayUpload())
        return;
    UploadKind = FirmwareUpload;
    const AnsiString path = Ed_UpgFile->Text();
    if (path.IsEmpty() || EndsInSeparator(path)) {
        RefuseInput("Please put in the firmware file & path.", "Warning");
        return;
    }
    if ((path.Pos(".tfp") == 0 && path.Pos(".bin") == 0) || !TransferFileExists(path)) {
        RefuseInput("Please put in valid firmware file & path.", "Warning");
        return;
    }
    StartUpload(path);
}

bool TFM_Firmware::CheckPemPath(TEdit* edit)
{
    const AnsiString path = edit->Text();
    if (path.IsEmpty() || EndsInSeparator(path))
        return RefuseInput("Empty file is not accepted!", "Warning");
    if ((path.Pos(".der") == 0 && path.Pos(".pem") == 0) || !TransferNameAccepted(TransferFileName(path)))
        return RefuseInput("File format error! Please try again.", "Warning", edit);
    if (!TransferFileExists(path))
        return RefuseInput("Please put in valid pem file & path.", "Warning");
    return true;
}

void TFM_Firmware::Bt_CUploadClick(TObject* Sender)
{
    if (!MayUpload())
        return;
    UploadKind = CertificateUpload;
    if (CheckPemPath(EDT_Certificate))
        StartUpload(EDT_Certificate->Text());
}

void TFM_Firmware::Bt_KUploadClick(TObject* Sender)
{
    if (!MayUpload())
        return;
    UploadKind = KeyUpload;
    if (CheckPemPath(EDT_Key))
        StartUpload(EDT_Key->Text());
}

void TFM_Firmware::RefuseTransfer(const AnsiString& message)
{
    TargetSent = false;
    Server->ExpectNothing();
    Tell(CantPerformText, "Warning");
    ShowStatus(message);
}

void TFM_Firmware::TargetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        RefuseTransfer(Error.Message);
        return;
    }
    CB_TfpCom->SetItemIndex(GetIndex);
    if (!WriteGroup(TransferRequest))
        RefuseTransfer("");
}

void TFM_Firmware::TransferDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        RefuseTransfer(Error.Message);
        return;
    }
    Sender->ShowStatus(Error.Message);
    if (!TargetSent)
        return;
    TargetSent = false;
    switch (UploadKind) {
    case FirmwareUpload: FirmwareStep(); break;
    case CertificateUpload: CertificateStep(); break;
    case KeyUpload: KeyStep(); break;
    default: break;
    }
}

// Waits while the device fetches the file; true once the whole file has gone.
bool TFM_Firmware::FileLoaded(const char* text)
{
    TWaitTexts loading;
    loading.Label3 = text;
    if (AwaitTransfer(*Server, 5, LoadingWaits, loading))
        return true;
    Tell(CantPerformText, "Warning");
    ShowStatus("The device did not fetch the file.");
    return false;
}

void TFM_Firmware::SendUpgrade(int index)
{
    CB_UpgCom->SetItemIndex(index);
    WriteGroup(UpgradeRequest);
}

void TFM_Firmware::FirmwareStep()
{
    if (!FileLoaded("Loading firmware file..."))
        return;
    // Set before the command: its answer takes the firmware branch, whatever was sent
    // before in this opening.
    FirmwarePending = true;
    restartFailed_ = false;
    SendUpgrade(FirmwareIndex);
    TWaitTexts updating;
    updating.Label3 = "Updating firmware file...";
    ShowDeviceWait(70, updating);
}

void TFM_Firmware::CertificateStep()
{
    if (!FileLoaded("Loading pem file..."))
        return;
    FirmwarePending = false;
    SendUpgrade(CertificateIndex);
    SetKeyControls(true);
}

void TFM_Firmware::KeyStep()
{
    if (!FileLoaded("Loading pem file..."))
        return;
    FirmwarePending = false;
    SendUpgrade(KeyIndex);
    SetKeyControls(false);
}

void TFM_Firmware::UpgradeDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        EndDeviceWait();
        FirmwarePending = false;
        ShowStatus(Error.Message);
        return;
    }
    if (FirmwarePending) {
        ShowStatus(Error.Message);
        CB_Restart->SetItemIndex(RebootIndex);
        if (!WriteGroup(RestartRequest)) {
            ShowMessage("Set error!");
            return;
        }
        TWaitTexts restarting;
        restarting.Label3 = "Device is restarting...";
        ShowDeviceWait(40, restarting);
        SetEnabled(true);
        FirmwarePending = false;
        if (!restartFailed_)
            Tell("Update firmware success!", "Warning");
        return;
    }
    if (UploadKind == CertificateUpload) {
        Tell("Update SSL success!", "Warning");
        EDT_Certificate->SetText("");
    } else if (UploadKind == KeyUpload) {
        Tell("Update KEY success!", "Warning");
        EDT_Key->SetText("");
    }
}

// A refused restart: the countdown ends and no success is reported.
void TFM_Firmware::RestartDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code == 0)
        return;
    restartFailed_ = true;
    EndDeviceWait();
    ShowStatus(Error.Message);
    ShowMessage("Set error!");
}

static const bool menuEntry = RegisterModalForm("Firmware1", FM_Firmware);
