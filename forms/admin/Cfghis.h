#pragma once
// Tools / Configuration File: backs the device's configuration up into a ".dcf" file
// on the PC, and restores it from one (the device then restarts under the waiting
// dialog). Both through the form's TFTP server and the device's file commands.
//
// A backup is reported as saved only once the device's file has arrived whole, and
// replaces an existing file only when the user confirms it; a restore goes on to the
// restart only once the device has fetched the whole file.
#include "SettingsFormBase.h"

class TArrivalWait;
class TFM_Waiting;
class TTransferServer;

class TFM_CfgFile : public TSettingsForm {
public:
    explicit TFM_CfgFile(TComponent* Owner);
    ~TFM_CfgFile() override;

    TGroupBox* GB_UpdateFile;
    TEdit* Ed_UpgFile;
    TButton* Bt_Browse;
    TButton* Bt_OK;
    TGroupBox* GB_SaveFile;
    TEdit* Ed_SaveFile;
    TButton* Bt_SavBrw;
    TButton* Bt_Upload;
    TEdit* Ed_TfpSrv;
    TComboBox* CB_UpgCom;
    TComboBox* CB_TfpCom;
    TLabel* La_TftpSrv;
    TLabel* La_UpgrdComm;
    TLabel* La_UpComm;
    TStatusBar* StatusBar;
    TOpenDialog* OD_File;
    TSaveDialog* OD_SaveFile;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* TargetRequest = nullptr;    // server address, file name (synchronous)
    KwSNMPRequest2Edits* UpgradeRequest = nullptr;   // tftpUpgradeSettingCommand
    KwSNMPRequest2Edits* TransferRequest = nullptr;  // tftpcommand
    TTransferServer* Server = nullptr;
    TArrivalWait* ArrivalWait = nullptr;
    // How long after the device accepted the backup command its file may take to begin
    // arriving; once it has begun, it is awaited however slowly it comes.
    int ArrivalWaitMs = 15000;

    bool BackupRunning = false;
    bool RestorePending = false;

    void FormCreate(TObject* Sender);
    void Bt_BrowseClick(TObject* Sender);
    void Bt_OKClick(TObject* Sender);
    void Bt_SavBrwClick(TObject* Sender);
    void Bt_UploadClick(TObject* Sender);

private:
    void ShowBusyNote();
    void HideBusyNote();
    bool SendTarget(const AnsiString& root, const AnsiString& name);
    void TransferResult(KwSNMPError& Error);
    void UpgradeResult(KwSNMPError& Error);
    void FinishBackup(bool completed);
    void Restore();
    void ReportFailure();

    TFM_Waiting* busyNote_ = nullptr;
    bool restartFailed_ = false;
    AnsiString backupName_;
};

extern TFM_CfgFile* FM_CfgFile;
