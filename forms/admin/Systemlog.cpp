#include "Systemlog.h"

#include "DeviceTransfer.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"
#include "Logset.h"
#include "MenuForms.h"
#include "VarTables.h"

#include <cstdio>

TLogForm* LogForm = nullptr;

const char* const LogFileName = "LogFile.RD";

namespace {
const int CommandOn = 1;  // "get", "clear"
const int TransferLogCommandIndex = 2;
}  // namespace

TLogForm::TLogForm(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("LogForm", "Status \\ Log", LogForm, TFrameBorder::Sizeable))
{
    SetClientWidth(478);
    SetClientHeight(330);

    TFormBuilder build(this);
    ViewGrpBox = build.Group("ViewGrpBox", "View Log", 8, 8, 462, 260);
    ViewListView = build.In(ViewGrpBox).List("ViewListView", {{"Time", 120}, {"Type", 70}, {"Message", 250}},
                                             8, 20, 446, 232);
    LBLog = build.Add<TListBox>("LBLog", 8, 8, 10, 10);
    LBLog->SetVisible(false);
    Clear_Btn = build.Button("Clear_Btn", "Clear", 142, 276, [this](TObject* S) { Clear_BtnClick(S); });
    SetBtn = build.Button("SetBtn", "Log Settings", 142, 276, [this](TObject* S) { SetBtnClick(S); });
    SetBtn->SetVisible(false);
    GetBtn = build.Button("GetBtn", "Get Log", 252, 276, [this](TObject* S) { GetBtnClick(S); });
    GetBtn->SetEnabled(false);
    CloseBtn = build.Button("CloseBtn", "Close", 368, 276, [this](TObject* S) { CloseBtnClick(S); });
    StatusBar1 = build.StatusBar("StatusBar1", {50});
    SetStatusBar(StatusBar1);
    ServerEdit = build.HiddenEdit("ServerEdit");
    FileNameEdit = build.HiddenEdit("FileNameEdit");
    ServerEdit->SetText("");
    FileNameEdit->SetText("");
    GetCoBox = build.HiddenCombo("GetCoBox");
    Bt_Clear = build.HiddenCombo("Bt_Clear");

    OnResize = [this](TObject* S) { FormResize(S); };
    OnCreate = [this](TObject* S) { FormCreate(S); };
}

bool TLogForm::ChooseLocalServerAddress(TEdit* target) { return ::ChooseLocalServerAddress(target); }

void TLogForm::FormCreate(TObject* Sender)
{
    TransferRequest = BoundGroup(systemLogTFTPServerIPAddressVars, SVT_SV, {ServerEdit, FileNameEdit}, 1000);
    // The get command has a set of its own, after this one: here it would go out
    // without a value, and the device would refuse the whole set.
    MarkVars(TransferRequest, smLeaveOut, TransferLogCommandIndex);
    TransferRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { TransferTargetDone(S, E); };

    GetRequest = BoundGroup(systemLogGetLogVars, SVT_SV, {GetCoBox}, 1000);
    GetRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { GetLogDone(S, E); };

    ClearRequest = BoundGroup(systemLogClearLocalLogVars, SVT_SV, {Bt_Clear}, 1000);
    ClearRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { ClearDone(S, E); };

    Server = new TTransferServer(this, 5000);
    UploadWait = new TArrivalWait(Server);
    UploadWait->OnDone = [this](bool completed) { UploadEnded(completed); };
    const AnsiString folder = ModuleDataFolder();
    if (!Server->Open(folder))
        return;  // the form closes as soon as it is shown
    // Without a data folder nothing is received, and the get says so.
    if (!folder.IsEmpty())
        LogFilePath = IncludeTrailingPathDelimiter(folder) + LogFileName;

    ShowStatus("Get Ok");
    GetBtnClick(this);
}

void TLogForm::FormResize(TObject* Sender)
{
    const int width = ClientWidth();
    ViewGrpBox->SetBounds(8, 8, width - 16, ClientHeight() - 70);
    ViewListView->SetBounds(8, 20, ViewGrpBox->Width() - 16, ViewGrpBox->Height() - 28);
    const int top = ClientHeight() - 54;
    SetBtn->SetBounds(width * 142 / 478, top, SetBtn->Width(), SetBtn->Height());
    Clear_Btn->SetBounds(width * 142 / 478, top, Clear_Btn->Width(), Clear_Btn->Height());
    GetBtn->SetBounds(width * 252 / 478, top, GetBtn->Width(), GetBtn->Height());
    CloseBtn->SetBounds(width * 368 / 478, top, CloseBtn->Width(), CloseBtn->Height());
}

void TLogForm::GetBtnClick(TObject* Sender)
{
    if (!Server || !Server->Opened() || TransferRequest->Busy || GetRequest->Busy || Server->Awaited())
        return;  // a get is under way
    ShowStatus("Refresh...!");
    FileNameEdit->SetText(LogFileName);
    ServerEdit->SetText("");
    if (!ChooseLocalServerAddress(ServerEdit))
        return;
    // Only what the device sends for this get may be shown.
    UploadWait->Cancel();
    std::remove(LogFilePath.c_str());
    Server->Expect(LogFileName, TTransferDirection::FromDevice);
    WriteGroup(TransferRequest);
}

void TLogForm::TransferTargetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        Server->ExpectNothing();
        ShowStatus(Error.Message);
        return;
    }
    GetCoBox->SetItemIndex(CommandOn);
    WriteGroup(GetRequest);
}

void TLogForm::GetLogDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        Server->ExpectNothing();
        ShowStatus(Error.Message);
        return;
    }
    // The device sends the file after its answer.
    UploadWait->StartWaitMs = UploadWaitMs;
    UploadWait->Begin();
}

void TLogForm::UploadEnded(bool completed)
{
    if (completed)
        ShowReceivedLog();
    else
        ShowGetFailure();
}

void TLogForm::ShowReceivedLog()
{
    ShowStatus(LoadLogFile(this, LogFilePath) ? "Get OK." : "Get fail.");
}

void TLogForm::ShowGetFailure()
{
    LBLog->Clear();
    ShowLines();
    GetBtn->SetEnabled(true);
    ShowStatus("Get fail.");
}

TLogEntry ParseLogLine(const AnsiString& line)
{
    TLogEntry entry;
    AnsiString rest = line;
    const int bar = rest.Pos("|");
    if (bar > 0) {
        entry.Time = rest.SubString(1, bar - 1).Trim();
        rest = rest.SubString(bar + 1, rest.Length() - bar);
    }
    const int open = rest.Pos("[");
    if (open > 0)
        rest = rest.SubString(open + 1, rest.Length() - open);
    const int close = rest.Pos("]");
    if (close > 0) {
        entry.Type = rest.SubString(1, close - 1);
        rest = rest.SubString(close + 1, rest.Length() - close);
    }
    entry.Message = rest;
    return entry;
}

void TLogForm::ShowLines()
{
    ViewListView->Items()->Clear();
    TStrings* lines = LBLog->Items();
    for (int i = 0; i < lines->Count(); ++i) {
        if (lines->Strings(i).IsEmpty())
            continue;
        const TLogEntry entry = ParseLogLine(lines->Strings(i));
        TListItem* row = ViewListView->Items()->Add();
        row->SetCaption(entry.Time);
        row->SubItems()->Add(entry.Type);
        row->SubItems()->Add(entry.Message);
    }
}

bool TLogForm::LoadLogFile(TLogForm* form, const AnsiString& path)
{
    bool found = false;
    if (FileExists(path)) {
        try {
            form->LBLog->Items()->LoadFromFile(path);
            found = true;
        } catch (const Exception&) {
            form->LBLog->Clear();
        }
    }
    form->ShowLines();
    form->GetBtn->SetEnabled(true);
    return found;
}

void TLogForm::Clear_BtnClick(TObject* Sender)
{
    Bt_Clear->SetItemIndex(CommandOn);
    if (WriteGroup(ClearRequest))
        ViewListView->Items()->Clear();
}

// A refused clear: the device still holds its log, so the list shows it again.
void TLogForm::ClearDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code == 0)
        return;
    ShowLines();
    ShowStatus(Error.Message);
}

void TLogForm::SetBtnClick(TObject* Sender) { RunModalForm(LogSetForm); }

void TLogForm::CloseBtnClick(TObject* Sender) { Close(); }

static const bool menuEntry = RegisterModalForm("ViewLog1", LogForm);
