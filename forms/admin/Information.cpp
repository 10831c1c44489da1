#include "Information.h"

#include "Catalogue.h"
#include "FormInputChecks.h"
#include "KwSNMPError.h"
#include "KwSNMPRequest2Edits.h"

TFM_Information* FM_Information = nullptr;

const char* const InformationNotReadText =
    "The system information has not been read from the device yet. "
    "Press Refresh, then Save again.";

const char* const InformationReadPendingText =
    "The device has not answered the last Refresh yet. Save again when it has.";

namespace {
const int MaxTextLength = 32;
const int LabelLeft = 16;
const int EditLeft = 150;
const int EditWidth = 300;
const int RowHeight = 30;
}  // namespace

void TFM_Information::AddRow(TLabel*& label, TEdit*& edit, const char* labelName,
                             const char* editName, const char* caption, int top, bool writable)
{
    label = new TLabel(this);
    label->SetName(labelName);
    label->SetParent(this);
    label->SetCaption(caption);
    label->SetBounds(LabelLeft, top + 4, EditLeft - LabelLeft - 8, 17);

    edit = new TEdit(this);
    edit->SetName(editName);
    edit->SetParent(this);
    edit->SetBounds(EditLeft, top, EditWidth, 21);
    edit->SetText(editName);  // until the first reply fills it
    if (!writable) {
        edit->SetReadOnly(true);
        edit->SetEnabled(false);
        edit->SetColor(clBtnFace);
    }
}

TFM_Information::TFM_Information(TComponent* Owner) : TForm(Owner)
{
    SetName("FM_Information");
    SetCaption("Home \\ Information");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(poMainFormCenter);

    int top = 16;
    AddRow(Lb_SD, Ed_SD, "Lb_SD", "Ed_SD", "System Description:", top, false);
    AddRow(Lb_SO, Ed_SO, "Lb_SO", "Ed_SO", "System Object ID:", top += RowHeight, false);
    AddRow(Lb_SU, Ed_SU, "Lb_SU", "Ed_SU", "System Uptime:", top += RowHeight, false);
    AddRow(Lb_SC, Ed_SC, "Lb_SC", "Ed_SC", "System Contact:", top += RowHeight, true);
    AddRow(Lb_SN, Ed_SN, "Lb_SN", "Ed_SN", "System Name:", top += RowHeight, true);
    AddRow(Lb_SL, Ed_SL, "Lb_SL", "Ed_SL", "System Location:", top += RowHeight, true);

    top += RowHeight + 12;
    Btn_Re = new TButton(this);
    Btn_Re->SetName("Btn_Re");
    Btn_Re->SetParent(this);
    Btn_Re->SetCaption("Refresh");
    Btn_Re->SetBounds(EditLeft + EditWidth - 2 * 75 - 10, top, 75, 25);
    Btn_Re->OnClick = [this](TObject* Sender) { Btn_ReClick(Sender); };

    Btn_Sa = new TButton(this);
    Btn_Sa->SetName("Btn_Sa");
    Btn_Sa->SetParent(this);
    Btn_Sa->SetCaption("Save");
    Btn_Sa->SetBounds(EditLeft + EditWidth - 75, top, 75, 25);
    Btn_Sa->OnClick = [this](TObject* Sender) { Btn_SaClick(Sender); };

    CB_DeviceApplySetting = new TComboBox(this);
    CB_DeviceApplySetting->SetName("CB_DeviceApplySetting");
    CB_DeviceApplySetting->SetParent(this);
    CB_DeviceApplySetting->SetBounds(LabelLeft, top, 100, 21);
    CB_DeviceApplySetting->SetVisible(false);

    StatusBar = new TStatusBar(this);
    StatusBar->SetName("StatusBar");
    StatusBar->SetParent(this);
    StatusBar->SetSimplePanel(true);

    SetClientWidth(EditLeft + EditWidth + LabelLeft);
    SetClientHeight(top + 25 + 12 + 20);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

TFM_Information::~TFM_Information()
{
    // The requests go first, while every control and handler of the form is whole:
    // replies that are still outstanding are dropped by the request, never shown.
    for (KwSNMPRequest2Edits** request : {&SystemRequest, &ApplyRequest}) {
        if (!*request)
            continue;
        (*request)->OnGetDone = nullptr;
        (*request)->OnSetDone = nullptr;
        delete *request;
        *request = nullptr;
    }
    if (FM_Information == this)
        FM_Information = nullptr;
}

void TFM_Information::FormCreate(TObject* Sender)
{
    ApplyRequest = new KwSNMPRequest2Edits(this);
    ApplyRequest->Request.VarList = KwSNMPVarList(deviceSettingApplyVars, SVT_SV, 0);
    ApplyRequest->Request.Timeout = 1000;
    ApplyRequest->BindComboBox(0, CB_DeviceApplySetting);

    SystemRequest = new KwSNMPRequest2Edits(this);
    SystemRequest->Request.VarList = KwSNMPVarList(systemDescrVars, SVT_SV, 0);
    SystemRequest->Request.Timeout = 3000;
    SystemRequest->BindFormat(0, "%s", Ed_SD);
    SystemRequest->BindFormat(1, "%s", Ed_SO);
    SystemRequest->BindFormat(2, "%s", Ed_SU);
    SystemRequest->BindFormat(3, "%s", Ed_SC);
    SystemRequest->BindFormat(4, "%s", Ed_SN);
    SystemRequest->BindFormat(5, "%s", Ed_SL);
    SystemRequest->AttachStatusBar(StatusBar);
    // Long values (the description above all) are shown from their start.
    SystemRequest->OnAfterGet = [this] {
        for (TEdit* edit : {Ed_SD, Ed_SO, Ed_SU, Ed_SC, Ed_SN, Ed_SL})
            edit->SetSelStart(0);
    };
    // Failures reach the form only through these events: the request writes no status
    // line of its own for them.
    SystemRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) {
        SystemGroupGetDone(S, E);
    };
    SystemRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) {
        SystemGroupSetDone(S, E);
    };
    SystemRequest->Get();

    Ed_SC->SetMaxLength(MaxTextLength);
    Ed_SN->SetMaxLength(MaxTextLength);
    Ed_SL->SetMaxLength(MaxTextLength);
}

void TFM_Information::SystemGroupGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    const bool announce = announceGet_;
    announceGet_ = false;
    if (Error.Code != 0) {
        Sender->ShowGetError(Error);
        return;
    }
    systemGroupRead_ = true;
    if (announce)
        StatusBar->SetSimpleText("Get OK!");
}

void TFM_Information::SystemGroupSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        Sender->ShowSetError(Error);
        return;
    }
    StatusBar->SetSimpleText("Save OK!");
}

void TFM_Information::Btn_ReClick(TObject* Sender)
{
    // "Get OK!" waits for the reply: the call only says the read has been sent. An
    // earlier result must not stand for this one meanwhile.
    StatusBar->SetSimpleText("");
    if (SystemRequest->Get())
        announceGet_ = true;
}

bool TFM_Information::CheckInput()
{
    struct LengthCheck {
        TEdit* Edit;
        const char* Message;
    };
    const LengthCheck lengths[] = {
        {Ed_SC, "The Max Lengh of the SystemContact is 32."},
        {Ed_SN, "The Max Lengh of the SystemName is 32."},
        {Ed_SL, "The Max Lengh of the SystemLocation is 32."},
    };
    for (const LengthCheck& check : lengths) {
        if (check.Edit->Text().Length() > MaxTextLength) {
            Application->MessageBox(check.Message, "Error", MB_OK);
            return false;
        }
    }
    for (TEdit* edit : {Ed_SC, Ed_SN, Ed_SL}) {
        if (!IsAsciiText(edit->Text())) {
            Application->MessageBox("Don't support chinese character !", "Error", MB_OK);
            edit->Clear();
            edit->SetFocus();
            return false;
        }
    }
    return true;
}

void TFM_Information::Btn_SaClick(TObject* Sender)
{
    // Until the group has been read the edits hold their own names or stale text,
    // which must never reach the device.
    if (!systemGroupRead_) {
        Application->MessageBox(InformationNotReadText, "Error", MB_OK);
        return;
    }
    // A read still on its way would put the older values back after the save.
    if (SystemRequest->Request.Pending > 0) {
        Application->MessageBox(InformationReadPendingText, "Error", MB_OK);
        return;
    }
    if (!CheckInput())
        return;
    // "Save OK!" waits for the device's answer (SystemGroupSetDone).
    StatusBar->SetSimpleText("");
    SystemRequest->Set(true, true, "", nullptr);
}
