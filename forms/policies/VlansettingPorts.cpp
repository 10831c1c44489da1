// The VLAN form's port list and port VLAN IDs.
#include "Vlansetting.h"

#include "GoverningSwitches.h"
#include "InputChecks.h"

#include "KwSNMPRequest2Edits.h"

namespace {
const char* const VidRangeText = "The VID value range is 1~4094.";

// A PVID typed by the user: decimal digits only, 1 to 4094.
bool IsPvidText(const AnsiString& text) { return IsDecimalInRange(text, 1, 4094); }
}  // namespace

void TFM_VlanSetting::BuildPortNames()
{
    // The SSID rows the device gave name their ports; a missing one keeps the port's
    // own name.
    const char* const ssidPorts[4] = {"Primary", "S-1", "S-2", "S-3"};
    LV_PortListUser->Items()->Clear();
    if (PortListRequest && !PortListRequest->ReadFailure().IsEmpty())
        return;  // no port is shown from a walk that failed, until one succeeds
    std::vector<AnsiString> names = {"Mgmt", "LAN"};
    for (int k = 0; k < 4; ++k) {
        TListItem* ssid = k < LV_MultiSSID->Items()->Count() ? LV_MultiSSID->Items()->Item(k) : nullptr;
        names.push_back(ssid && ssid->SubItems()->Count() > 0 ? ssid->SubItems()->Strings(0) : AnsiString(ssidPorts[k]));
    }
    for (int k = 1; k <= 4; ++k)
        names.push_back("W-" + IntToStr(k));
    for (const AnsiString& name : names) {
        TListItem* row = LV_PortListUser->Items()->Add();
        row->SetCaption(name);
        for (int column = 0; column < 3; ++column)
            row->SubItems()->Add("");
    }
}

void TFM_VlanSetting::OnSsidListDone(KwSNMPRequest2Controls*, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        ShowStatus(Error.Message);
        return;
    }
    BuildPortNames();
    if (GroupRead(PortListRequest)) {  // the port list came first: shown again by the new names
        FillPortVids();
        FillPortPvids();
    }
}

bool TFM_VlanSetting::RefreshPortList()
{
    // The device builds the list on request; the walk follows the refresh.
    CB_PortListRefresh->SetItemIndex(1);
    if (!WriteGroup(PortRefreshRequest))
        return false;
    return ReadGroup(PortListRequest);
}

void TFM_VlanSetting::OnPortListDone(KwSNMPRequest2Controls*, KwSNMPError& Error)
{
    BuildPortNames();
    if (Error.Code != 0) {
        ShowStatus(Error.Message);
        return;
    }
    FillPortVids();
    FillPortPvids();
    ShowStatus("Get OK!");
}

void TFM_VlanSetting::FillPortVids()
{
    if (LV_PortList->Items()->Count() != PvidCount || LV_PortListUser->Items()->Count() != PvidCount)
        return;
    for (int i = 0; i < PvidCount; ++i) {
        TStrings* shown = LV_PortListUser->Items()->Item(i)->SubItems();
        TStrings* walked = LV_PortList->Items()->Item(i)->SubItems();
        shown->SetStrings(0, walked->Count() > 0 ? walked->Strings(0) : AnsiString());
        shown->SetStrings(1, walked->Count() > 1 ? walked->Strings(1) : AnsiString());
    }
}

void TFM_VlanSetting::FillPortPvids()
{
    if (LV_PortListUser->Items()->Count() != PvidCount)
        return;
    for (int i = 0; i < PvidCount; ++i)
        LV_PortListUser->Items()->Item(i)->SubItems()->SetStrings(2, PvidEdits[i]->Text());
}

bool TFM_VlanSetting::ReadPvids()
{
    for (TEdit* edit : BoundPvidEdits())
        DeclareCheck(edit, EditCheck(IsPvidText, VidRangeText, "Warning", "1"));
    if (!ReadGroup(PvidSettingRequest))
        return false;
    devicePvids_.TakeShown(BoundPvidEdits(), IsPvidText);
    return true;
}

bool TFM_VlanSetting::PvidsTakeTheTurn()
{
    // Turning VLANs on puts the device's PVID assignment into effect, which this Save
    // does not write (whatever the PVID page shows), and with manual assignment the
    // device's PVIDs. A status the form cannot show was refused before (MaySaveWritingOnly).
    if (DynamicMode() || !PutIntoEffect(CB_PvidAutoStatus))
        return true;
    const TSaveGuardTexts guard = {VlanNotReadText, VlanNotReadText, "Error"};
    if (!GroupRead(PvidAutoRequest))
        return RefuseUnread(PvidAutoRequest, guard);
    if (DeviceSwitchItem(CB_PvidAutoStatus) != CB_PvidAutoStatus->Items()->Strings(0))
        return true;  // the device assigns the PVIDs itself
    if (!GroupRead(PvidSettingRequest))
        return RefuseUnread(PvidSettingRequest, guard);
    for (TEdit* edit : BoundPvidEdits()) {
        const AnsiString held = devicePvids_.DeviceText(edit);
        if (!IsPvidText(held))
            return RefuseInput(AnsiString(VidRangeText) + " Save turns VLAN on with the device's " +
                                   CaptionOf(edit) + " = " + held +
                                   ": correct it on the PVID Setting page and save it there.",
                               "Warning");
    }
    return true;
}

void TFM_VlanSetting::CB_PvidAutoStatusChange(TObject*)
{
    const bool manual = CB_VlanMode->ItemIndex() <= 0 && CB_PvidAutoStatus->ItemIndex() <= 0;
    for (TEdit* edit : PvidEdits)
        edit->SetEnabled(manual);
}

void TFM_VlanSetting::Btn_PvidApplyClick(TObject*)
{
    const TSaveGuardTexts guard = {VlanNotReadText, VlanNotReadText, "Error"};
    if (!MaySave({VlanStatusRequest, PvidAutoRequest, PvidSettingRequest}, guard))
        return;
    if (CB_VlanStatus->ItemIndex() == 0) {
        BeginSave();
        SetVlanStatus();
        ReportSave("Set OK!", "Set Error!");
        return;
    }
    // Automatic assignment, or dynamic VLANs: the device sets the PVIDs itself.
    if (CB_PvidAutoStatus->ItemIndex() != 0 || CB_VlanMode->ItemIndex() > 0) {
        BeginSave();
        SetVlanStatus();
        WriteGroup(PvidAutoRequest);
        ReportSave("Set OK!", "Set Error!");
        return;
    }
    // Only what the user typed is checked and written: a PVID as the device gave it is
    // the device's, whether the form could take it or not.
    for (int k = 0; k < PvidCount; ++k) {
        if (devicePvids_.Edited(PvidEdits[k]) && !PassesCheck(PvidEdits[k]))
            return;
    }
    for (int k = 0; k < PvidCount; ++k)
        devicePvids_.MarkEdited(PvidSettingRequest, k, PvidEdits[k]);
    BeginSave();
    SetVlanStatus();
    WriteGroup(PvidAutoRequest);
    WriteMarkedGroup(PvidSettingRequest);
    const AnsiString verdict = SaveVerdict("Set OK!", "Set Error!");
    if (SaveSucceeded()) {
        ReadPvids();
        FillPortPvids();
    }
    ShowStatus(verdict);
}
