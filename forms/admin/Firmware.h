#pragma once
// Tools / Firmware and SSL Certification Upload: sends a firmware image (".bin",
// ".tfp"), an SSL certificate or a key (".pem", ".der") from the PC to the device. The
// module serves the file by TFTP and drives the device's file commands; after a
// firmware update it restarts the device. A key can be sent only after a certificate.
//
// Each step waits for the one before it: the transfer command follows an accepted
// target, the upgrade command follows a whole transfer of the chosen file, and success
// is reported only when the device accepted every command. One upload at a time: a
// second one while the first is under way is refused and sends nothing.
#include "SettingsFormBase.h"

class TTransferServer;

class TFM_Firmware : public TSettingsForm {
public:
    explicit TFM_Firmware(TComponent* Owner);

    TLabel* La_File;
    TEdit* Ed_UpgFile;
    TButton* Bt_Browse;
    TButton* Bt_OK;
    TLabel* LA_Certificate;
    TEdit* EDT_Certificate;
    TButton* Bt_CBrowse;
    TButton* Bt_CUpload;
    TLabel* LA_Key;
    TEdit* EDT_Key;
    TButton* Bt_KBrowse;
    TButton* Bt_KUpload;
    TStatusBar* StatusBar;
    TStatusBar* StatusBar1;
    TEdit* Ed_TfpSrv;
    TComboBox* CB_TfpCom;
    TComboBox* CB_UpgCom;
    TComboBox* CB_Restart;
    TStatusBar* StatusBar2;
    TComboBox* CB_SslUpdt;
    TComboBox* CB_Reboot;
    TLabel* La_TftpSrv;
    TLabel* La_UpComm;
    TLabel* La_UpgrdComm;
    TOpenDialog* OD_File;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* TargetRequest = nullptr;    // server address, file name
    KwSNMPRequest2Edits* TransferRequest = nullptr;  // tftpcommand
    KwSNMPRequest2Edits* RestartRequest = nullptr;   // deviceRestart (deviceFactoryDefault left out)
    KwSNMPRequest2Edits* UpgradeRequest = nullptr;   // tftpUpgradeSettingCommand
    TTransferServer* Server = nullptr;

    enum { FirmwareUpload = 1, CertificateUpload = 2, KeyUpload = 3 };
    int UploadKind = FirmwareUpload;
    bool TargetSent = false;
    bool FirmwarePending = true;
    // Loading waits of 5 s allowed for the device to begin its fetch; once it has
    // begun, the wait lasts as long as the transfer runs.
    int LoadingWaits = 12;

    void FormCreate(TObject* Sender);
    void Bt_BrowseClick(TObject* Sender);
    void Bt_CBrowseClick(TObject* Sender);
    void Bt_KBrowseClick(TObject* Sender);
    void Bt_OKClick(TObject* Sender);
    void Bt_CUploadClick(TObject* Sender);
    void Bt_KUploadClick(TObject* Sender);

    // True from an upload's start until its last command has been answered or it failed.
    bool TransferUnderWay() const;

private:
    bool MayUpload();
    bool CheckPemPath(TEdit* edit);
    bool StartUpload(const AnsiString& path);
    void TargetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void TransferDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void UpgradeDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void RestartDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    bool FileLoaded(const char* text);
    void SendUpgrade(int index);
    void FirmwareStep();
    void CertificateStep();
    void KeyStep();
    void SetKeyControls(bool enabled);
    void RefuseTransfer(const AnsiString& message);

    bool restartFailed_ = false;
};

extern TFM_Firmware* FM_Firmware;
