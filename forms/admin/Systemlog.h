#pragma once
// Status / Log / View Log: has the device send its log file "LogFile.RD" to the
// module's TFTP server, reads it and lists the entries (time, type, message). "Get Log"
// repeats this, "Clear" makes the device empty its log.
//
// The log is shown only when this opening's transfer of "LogFile.RD" has completed:
// the old file is removed before each get, and a device that answers the command but
// does not begin sending within UploadWaitMs gives "Get fail." and an empty list, never
// an older log; a log that has begun to arrive is awaited however slowly it comes. The file is received into the module's per-user data folder
// (ModuleDataFolder), never into the current or the program's folder.
#include "SettingsFormBase.h"

class TArrivalWait;
class TTransferServer;

class TLogForm : public TSettingsForm {
public:
    explicit TLogForm(TComponent* Owner);

    TGroupBox* ViewGrpBox;
    TListView* ViewListView;
    TListBox* LBLog;
    TButton* Clear_Btn;
    TButton* SetBtn;
    TButton* GetBtn;
    TButton* CloseBtn;
    TStatusBar* StatusBar1;
    TEdit* ServerEdit;
    TEdit* FileNameEdit;
    TComboBox* GetCoBox;
    TComboBox* Bt_Clear;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* TransferRequest = nullptr;  // log server address and file name
    KwSNMPRequest2Edits* GetRequest = nullptr;       // systemLogGetLog
    KwSNMPRequest2Edits* ClearRequest = nullptr;     // systemLogClearLocalLog
    TTransferServer* Server = nullptr;
    TArrivalWait* UploadWait = nullptr;
    // How long after the device accepted the get its file may take to begin arriving.
    int UploadWaitMs = 10000;
    // Where the received log lies.
    AnsiString LogFilePath;

    void FormCreate(TObject* Sender);
    void FormResize(TObject* Sender);
    void GetBtnClick(TObject* Sender);
    void Clear_BtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void CloseBtnClick(TObject* Sender);

    // The PC address the device must send files to (see DeviceTransfer.h).
    static bool ChooseLocalServerAddress(TEdit* target);
    // Fills the form's list from the file: true when the file existed.
    static bool LoadLogFile(TLogForm* form, const AnsiString& path);

private:
    void TransferTargetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void GetLogDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void ClearDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void UploadEnded(bool completed);
    void ShowReceivedLog();
    void ShowGetFailure();
    void ShowLines();
};

extern TLogForm* LogForm;

extern const char* const LogFileName;  // "LogFile.RD"

// One entry of the log file: "time | host [type]message".
struct TLogEntry {
    AnsiString Time;
    AnsiString Type;
    AnsiString Message;
};
TLogEntry ParseLogLine(const AnsiString& line);
