#include "Group.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "GuardedEvents.h"
#include "KwSNMPRequest2Edits.h"
#include "Wait.h"

#include <exception>

TFM_Group* FM_Group = nullptr;

const char* const GroupNotReadText =
    "The grouping settings have not been read from the device yet. "
    "Press Refresh, then Apply again.";

namespace {
const TSaveGuardTexts SaveGuard = {GroupNotReadText, GroupNotReadText, "Error"};
}  // namespace

TFM_Group::TFM_Group(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_Group", "Advanced \\ Grouping", FM_Group))
{
    TFormBuilder build(this);
    Label5 = build.Label("Label5", "AP Grouping Settings:(For AP Mode Only)", 16, 12);
    TFormRows rows(build, TRowColumns{16, 150, 160}, 40);
    CB_LoadB = rows.Combo("Label1", "Load Balance", "CB_LoadB");
    CB_LoadB->OnChange = Guarded([this](TObject* S) { CB_LoadBChange(S); });
    Ed_UsrL = rows.Edit("Label2", "User Limit (0-64)", "Ed_UsrL", 2);
    // An empty limit is no limit (0).
    DeclareCheck(Ed_UsrL, EditCheck([](const AnsiString& text) { return text.IsEmpty() || IsNumberInRange(text, 0, 64); },
                                    "Please input a number between 0 and 64.", "Error", ""));
    rows.Skip(8);
    const int top = rows.Top();
    Bt_Apply = build.Button("Bt_Apply", "Apply", rows.ButtonLeft(2), top,
                            Guarded([this](TObject* S) { Bt_ApplyClick(S); }));
    Bt_Refresh = build.Button("Bt_Refresh", "Refresh", rows.ButtonLeft(1), top,
                              ReadSequence(Guarded([this](TObject* S) { Bt_RefreshClick(S); })));
    Bt_Cancel = build.Button("Bt_Cancel", "Cancel", rows.ButtonLeft(0), top,
                             Guarded([this](TObject* S) { Bt_CancelClick(S); }));
    CB_APMode = build.HiddenCombo("CB_APMode");
    CB_DeviceApplySetting = build.HiddenCombo("CB_DeviceApplySetting");
    StatusBar = build.StatusBar("StatusBar");
    SetStatusBar(StatusBar);
    SetClientWidth(rows.Columns().ControlLeft + rows.Columns().ControlWidth + 16);
    FitClientHeight();

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_Group::FormCreate(TObject* Sender)
{
    try {
        UserLimitRequest = BoundGroup(dot11UserLimitStatusVars, MVT_SV, {CB_LoadB, {Ed_UsrL, "%u"}}, 0, 0);
        UserLimitRequest->AttachStatusBar(StatusBar);
        ReadLimits();
        ApModeRequest = BoundGroup(dot11ApModeVars2, MVT_SV, {CB_APMode}, 0, 0);
        ReadGroup(ApModeRequest);
        ApplyRequest = BoundGroup(deviceSettingApplyVars, SVT_SV, {CB_DeviceApplySetting}, 1000, 0);
        Ed_UsrL->SetMaxLength(2);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
    UpdateGroupEnabling();
}

void TFM_Group::UpdateGroupEnabling()
{
    const bool accessPoint = CB_APMode->ItemIndex() == 0;
    CB_LoadB->SetEnabled(accessPoint);
    CB_LoadB->SetColor(accessPoint ? clWindow : clBtnFace);
    // The user limit follows the load balance choice, in every mode.
    const bool limitOn = CB_LoadB->ItemIndex() == 1;
    Ed_UsrL->SetReadOnly(!limitOn);
    Ed_UsrL->SetColor(limitOn ? clWindow : clBtnFace);
}

void TFM_Group::CB_LoadBChange(TObject* Sender) { UpdateGroupEnabling(); }

void TFM_Group::Bt_RefreshClick(TObject* Sender)
{
    if (!UserLimitRequest || !ApModeRequest)
        return;  // the creation failed before the requests existed
    ReadLimits();
    ReadGroup(ApModeRequest);
    UpdateGroupEnabling();
}

void TFM_Group::Bt_CancelClick(TObject* Sender) { Close(); }

void TFM_Group::ReadLimits()
{
    if (ReadGroup(UserLimitRequest))
        deviceLimit_.TakeShown({Ed_UsrL});
}

void TFM_Group::Bt_ApplyClick(TObject* Sender)
{
    if (!UserLimitRequest || !ApplyRequest || !MaySave(UserLimitRequest, SaveGuard))
        return;
    // A user limit the user did not edit is the device's: neither checked nor written.
    const bool limitEdited = deviceLimit_.Edited(Ed_UsrL);
    if (limitEdited) {
        if (!PassesCheck(Ed_UsrL))
            return;
        if (Ed_UsrL->Text().IsEmpty())
            Ed_UsrL->SetText("0");
    }
    // A load balance the list cannot show stays as the device has it.
    MarkVars(UserLimitRequest, CB_LoadB->ItemIndex() < 0 ? smLeaveOut : smSend, 0);
    MarkVars(UserLimitRequest, limitEdited ? smSend : smKeep, 1);
    CB_DeviceApplySetting->SetItemIndex(1);

    FM_Waiting = NewForm<TFM_Waiting>(Application);
    FM_Waiting->Label2->SetCaption("Please wait...");
    FM_Waiting->Label3->SetCaption("The settings are saving and taking effect.");
    FM_Waiting->Label1->SetVisible(false);
    FM_Waiting->seconds->SetVisible(false);
    FM_Waiting->SendReboot = false;
    FM_Waiting->Show();
    FM_Waiting->Repaint();
    SetEnabled(false);

    BeginSave();
    bool thrown = false;
    bool saved = false;
    try {
        saved = WriteMarkedGroup(UserLimitRequest);
        // The commit goes last, also after a failed first set.
        WriteGroup(ApplyRequest);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
        thrown = true;
    }

    MarkVars(UserLimitRequest, smSend);
    if (saved)
        deviceLimit_.TakeShown({Ed_UsrL});

    delete FM_Waiting;
    FM_Waiting = nullptr;
    SetEnabled(true);
    ShowStatus(thrown ? AnsiString("Setting Error!") : SaveVerdict("Setting OK!", "Setting Error!"));
}

static const bool menuEntry = RegisterModalForm("UserLimit", FM_Group);
