#include "Wait.h"

#include "DebugTraceLine.h"
#include "SettingsForm.h"
#include "VarTables.h"

#include "KwSNMPRequest2Edits.h"

TFM_Waiting* FM_Waiting = nullptr;

namespace {

TLabel* AddCentredLabel(TFM_Waiting* form, const char* name, const char* caption, int top, int width)
{
    TLabel* label = AddFormLabel(form, name, caption, 0, top);
    label->SetAutoSize(false);
    label->SetAlignment(taCenter);
    label->SetBounds(0, top, width, 17);
    return label;
}

TEdit* AddHiddenEdit(TFM_Waiting* form, const char* name)
{
    TEdit* edit = new TEdit(form);
    edit->SetName(name);
    edit->SetParent(form);
    edit->SetBounds(8, 120, 100, 21);
    edit->SetVisible(false);
    return edit;
}
}  // namespace

TFM_Waiting::TFM_Waiting(TComponent* Owner) : TForm(Owner)
{
    const int width = 280;
    SetName("FM_Waiting");
    SetCaption("Please wait");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu);
    SetPosition(poMainFormCenter);
    SetClientWidth(width);
    SetClientHeight(104);

    Label1 = AddFormLabel(this, "Label1", "Please wait for", 60, 16);
    La_Time = AddFormLabel(this, "La_Time", "", 160, 16);
    seconds = AddFormLabel(this, "seconds", "seconds", 184, 16);
    Label2 = AddCentredLabel(this, "Label2", "Settings saved.", 48, width);
    Label3 = AddCentredLabel(this, "Label3", "The device is restarting.", 72, width);
    Ed_Reboot = AddHiddenEdit(this, "Ed_Reboot");
    Ed_FwVer = AddHiddenEdit(this, "Ed_FwVer");

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(1200);
    Timer1->OnTimer = [this](TObject* Sender) { Timer1Timer(Sender); };
    Timer1->SetEnabled(true);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnCloseQuery = [this](TObject* Sender, bool& CanClose) { FormCloseQuery(Sender, CanClose); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };

    SecondsLeft = 20;
    ExtraTicks = 0;
    SendReboot = true;
    RebootPending = true;
    RebootDelay = 2;
    DebugTrace("TFM_Waiting is come in !\n");
}

TFM_Waiting::~TFM_Waiting()
{
    if (FM_Waiting == this)
        FM_Waiting = nullptr;
}

void TFM_Waiting::FormCreate(TObject* Sender)
{
    DebugTrace("FormCreate is come in !\n");
    FwVerRequest = NewGroupRequest(this, deviceInformationFirmwareVersionVars, SVT_SV, 0, 0, 0);
    FwVerRequest->BindFormat(0, "%s", Ed_FwVer);
    FwVerRequest->Get();
    SecondsLeft = 25;
}

void TFM_Waiting::Timer1Timer(TObject* Sender)
{
    DebugTrace("Timer1Timer is come in !\n");
    if (SecondsLeft != 1) {
        --SecondsLeft;
        La_Time->SetCaption(IntToStr(SecondsLeft));
    } else {
        ++ExtraTicks;
    }
    --RebootDelay;
    if (SecondsLeft < 1 || ExtraTicks >= 6)
        Close();
    if (RebootPending && RebootDelay < 1) {
        RebootPending = false;
        if (SendReboot)
            SendRebootCommand();
    }
}

void TFM_Waiting::SendRebootCommand()
{
    RebootRequest = NewGroupRequest(this, tftpUpgradeSettingCommandVars, SVT_SV);
    RebootRequest->BindFormat(0, "%s", Ed_Reboot);
    Ed_Reboot->SetText("reboot");
    RebootRequest->Set(true, true, "", nullptr);
}

void TFM_Waiting::FormCloseQuery(TObject* Sender, bool& CanClose)
{
    if (ExtraTicks > 2)
        SecondsLeft = 0;
    CanClose = SecondsLeft <= 0;
}

// Asks the form to close, which ends the modal loop; never re-enters the close it
// is part of.
void TFM_Waiting::FormClose(TObject* Sender, TCloseAction& Action)
{
    if (inFormClose_)
        return;
    inFormClose_ = true;
    Close();
    inFormClose_ = false;
}

void TFM_Waiting::btn1Click(TObject* Sender) { Close(); }
