// The VLAN form's groups: the list, Add/Edit with its Save, Delete and the form's Save.
#include "Vlansetting.h"

#include "KwSNMPRequest2Edits.h"

namespace {
// Sub-items of a walked group row (the caption is the table index).
const int VidItem = 0;
const int NameItem = 1;
const int FirstPortItem = 2;

const char* const ListedPortNames[TFM_VlanSetting::PortCount] = {
    "Mgmt", "LAN", "Primary", "S-1", "S-2", "S-3", "S-4", "S-5", "S-6", "S-7", "W-1", "W-2", "W-3", "W-4"};

const char* const VidRangeText = "The VID value range is 1~4094.";
const char* const VidTakenText = "There is an existent entry with the same VID.\nPlease change the VID.";
const char* const TableFullText = "The VLAN table is full. Please delete a VLAN first.";
const TSaveGuardTexts SaveGuard = {VlanNotReadText, VlanNotReadText, "Error"};

// A group's VLAN and delete columns: what Save and Delete send (the index names the row).
const char* const GroupColumns = "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16";
const char* const DeleteColumns = "0,17";

AnsiString SubItem(const TListItem* row, int index)
{
    TStrings* items = row->SubItems();
    return index < items->Count() ? items->Strings(index) : AnsiString();
}

bool IsFreeGroupRow(const TListItem* row)
{
    return SubItem(row, VidItem) == "0" && SubItem(row, NameItem).IsEmpty();
}

bool IsListedGroupRow(const TListItem* row)
{
    return SubItem(row, VidItem) != "0" && !SubItem(row, NameItem).IsEmpty();
}

// A VID typed by the user: decimal digits only, 1 to 4094 (0 otherwise).
int VidNumber(const AnsiString& text)
{
    if (text.IsEmpty() || text.Length() > 4)
        return 0;
    int number = 0;
    for (int i = 1; i <= text.Length(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return 0;
        number = number * 10 + (text[i] - '0');
    }
    return number <= 4094 ? number : 0;
}

AnsiString CutLastComma(const AnsiString& text)
{
    return text.IsEmpty() ? text : text.SubString(1, text.Length() - 1);
}
}  // namespace

void TFM_VlanSetting::BuildVlanUserList()
{
    groups_.Clear();
    for (int i = 0; i < LV_VlanList->Items()->Count(); ++i) {
        const TListItem* group = LV_VlanList->Items()->Item(i);
        if (!IsListedGroupRow(group))
            continue;
        AnsiString tagged;
        AnsiString untagged;
        for (int port = 0; port < PortCount; ++port) {
            if (port >= 6 && port <= 9)
                continue;  // S-4 to S-7 are not shown
            const AnsiString membership = SubItem(group, FirstPortItem + port);
            if (membership == "tag")
                tagged += AnsiString(ListedPortNames[port]) + ",";
            else if (membership == "untag")
                untagged += AnsiString(ListedPortNames[port]) + ",";
        }
        TListItem* row = groups_.Add(group);
        row->SetCaption(SubItem(group, VidItem));
        row->SubItems()->Add(SubItem(group, NameItem));
        row->SubItems()->Add(CutLastComma(untagged));
        row->SubItems()->Add(CutLastComma(tagged));
    }
}

bool TFM_VlanSetting::SelectFreeRow() { return groups_.SelectFirstHiddenRow(IsFreeGroupRow); }

void TFM_VlanSetting::OnVlanListDone(KwSNMPRequest2Controls*, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        ShowStatus(Error.Message);
        return;
    }
    RowState = rsFreeRow;
    editedBeforeRead_ = EditMode == 1;
    EditMode = 0;
    editKey_ = "";
    BuildVlanUserList();
    Btn_VlanEdit->SetEnabled(false);
    Btn_VlanDelete->SetEnabled(false);
    UserRowCount = LV_VlanListUser->Items()->Count();
    if (CB_VlanStatus->ItemIndex() == 1) {
        if (UserRowCount < 14 && SelectFreeRow()) {
            RowState = rsFreeRow;
            EmptyGroupEdits();
        } else {
            RowState = rsTableFull;
        }
    }
    ShowStatus("Get OK!");
}

void TFM_VlanSetting::OnVlanSetDone(KwSNMPRequest2Controls*, KwSNMPError& Error)
{
    // After a success the library reads the table again (OnVlanListDone), whose
    // "Get OK!" then stands, with the verdict's note.
    const bool saving = savingGroup_;
    savingGroup_ = false;
    if (Error.Code != 0)
        ShowStatus(Error.Message);
    else if (saving)
        ReportWrite("Set OK!", "Set Error!");
    else
        ReportSaved("Delete OK!", "Get OK!");
}

void TFM_VlanSetting::LV_VlanListUserClick(TObject*)
{
    TListItem* selected = LV_VlanListUser->Selected();
    if (!selected) {
        Btn_VlanEdit->SetEnabled(false);
        Btn_VlanDelete->SetEnabled(false);
        if (SelectFreeRow())
            RowState = rsFreeRow;
        Ed_VlanID->SetEnabled(false);
        Ed_VlanName->SetEnabled(false);
        return;
    }
    // The group's own table row, found by its index (never by its position).
    if (!groups_.SelectHiddenRowOf(selected))
        return;
    Ed_VlanID->SetEnabled(false);
    Btn_VlanEdit->SetEnabled(true);
    Btn_VlanDelete->SetEnabled(true);
    RowState = rsGroupSelected;
    if (CB_VlanStatus->ItemIndex() == 0)
        Ed_VlanName->SetEnabled(false);
}

void TFM_VlanSetting::Btn_VlanEditClick(TObject* Sender)
{
    PageControl1->SetActivePage(TabSheet_EditVlan);
    // With dynamic VLANs the device keeps the groups: Edit only shows the group.
    const bool editable = !DynamicMode();
    if (editable)
        CB_VlanStatus->SetItemIndex(1);  // no change handler from code
    TListItem* selected = LV_VlanListUser->Selected();
    TListItem* group = selected ? groups_.HiddenRowOf(selected) : nullptr;
    if (!group) {
        EmptyGroupEdits();
        Btn_VlanPortUntagAllClick(Sender);
        Btn_VlanMssidUntagAllClick(Sender);
        Btn_VlanWdsUntagAllClick(Sender);
        return;
    }
    LV_VlanList->SetSelected(group);
    EnableEditing(editable);
    Ed_VlanID->SetText(SubItem(group, VidItem));
    Ed_VlanID->SetEnabled(false);
    Ed_VlanName->SetText(SubItem(group, NameItem));
    for (int port = 0; port < PortCount; ++port) {
        const AnsiString membership = SubItem(group, FirstPortItem + port);
        UntagRadios[port]->SetChecked(membership == "untag");
        TagRadios[port]->SetChecked(membership == "tag");
        NotRadios[port]->SetChecked(membership != "untag" && membership != "tag");
    }
    EditMode = 1;
    editKey_ = groups_.KeyOf(selected);
}

TListItem* TFM_VlanSetting::ChosenGroupRow() const
{
    if (EditMode != 1)
        return LV_VlanListUser->Selected();
    for (int i = 0; i < LV_VlanListUser->Items()->Count(); ++i)
        if (groups_.KeyOf(i) == editKey_)
            return LV_VlanListUser->Items()->Item(i);
    return nullptr;
}

void TFM_VlanSetting::ChooseGroupAgain(TListItem* row)
{
    LV_VlanListUser->SetSelected(row);
    LV_VlanListUserClick(LV_VlanListUser);
    if (!editedBeforeRead_)
        return;
    TTabSheet* const shown = PageControl1->ActivePage();
    Btn_VlanEditClick(Btn_VlanEdit);
    PageControl1->SetActivePage(shown);
}

bool TFM_VlanSetting::VidExists(const AnsiString& vid) const
{
    // Compared as numbers: "010" is VLAN 10.
    const int number = VidNumber(vid);
    for (int i = 0; i < LV_VlanListUser->Items()->Count(); ++i)
        if (VidNumber(LV_VlanListUser->Items()->Item(i)->Caption()) == number && groups_.KeyOf(i) != editKey_)
            return true;
    return false;
}

void TFM_VlanSetting::AddButtonClick(TObject*)
{
    if (!MayChangeTable({VlanTableRequest}))
        return;
    if (DynamicMode())
        return (void)RefuseInput(VlanDynamicText, "Warning");
    // A new group needs a free row, whatever the page shows.
    if (EditMode != 1 && !groups_.FirstHiddenRow(IsFreeGroupRow))
        return (void)RefuseInput(TableFullText, "Warning");
    const AnsiString vid = Ed_VlanID->Text();
    if (vid.IsEmpty() && !Ed_VlanID->Enabled())  // no VID the user could have typed
        return (void)RefuseInput(VlanNoVidText, "Warning");
    if (VidNumber(vid) == 0)
        return (void)RefuseInput(VidRangeText, "Warning", Ed_VlanID);
    if (VidExists(vid))  // the edited group's own VID excepted
        return (void)RefuseInput(VidTakenText, "Warning");

    // The row written: the edited group's own row, or for a new group the first free
    // row (never a row that holds a group). Choosing the row shows it in the bound
    // edits, so the typed texts are put back.
    const AnsiString name = Ed_VlanName->Text();
    TListItem* row = EditMode == 1 ? TKeyedRows::RowWithKey(LV_VlanList, editKey_)
                                   : groups_.FirstHiddenRow(IsFreeGroupRow);
    if (!row)
        return (void)RefuseInput(EditMode == 1 ? "The VLAN has been removed from the device." : TableFullText,
                                 "Warning");
    LV_VlanList->SetSelected(row);
    Ed_VlanID->SetText(vid);
    Ed_VlanName->SetText(name);

    for (int port = 0; port < PortCount; ++port)
        PortCombos[port]->SetItemIndex(UntagRadios[port]->Checked() ? 2 : TagRadios[port]->Checked() ? 1 : 0);
    Ed_VlanID->SetEnabled(true);
    // The delete column stays out of this set only; the access words stay as they are.
    BeginSave();
    savingGroup_ = WriteGroupPart(VlanTableRequest, GroupColumns);
}

void TFM_VlanSetting::Btn_VlanDeleteClick(TObject*)
{
    // A group chosen while the list is unread is chosen again by the list's read first.
    if (!GroupChosen() || !MayChangeTable({VlanTableRequest}))
        return;
    TListItem* selected = LV_VlanListUser->Selected();
    TListItem* group = selected ? groups_.HiddenRowOf(selected) : nullptr;
    if (!group)
        return;
    const AnsiString question = "Are you sure you want to delete " + SubItem(group, NameItem) + "?";
    if (Application->MessageBox(question.c_str(), "Warning", MB_OKCANCEL) != IDOK)
        return;
    LV_VlanList->SetSelected(group);
    CB_VlanItemDel->SetItemIndex(1);  // delete
    BeginSave();
    WriteGroupPart(VlanTableRequest, DeleteColumns);
}

const char* const VlanDynamicText =
    "The VLAN mode is Dynamic: the device keeps the VLAN groups, which cannot be changed here.";

const char* const VlanNoVidText =
    "There is no VLAN ID to save. To add a VLAN, open this page from the VLAN List with no VLAN selected; "
    "to change one, select it there and click Edit.";

const char* const VlanNotReadText =
    "The VLAN settings have not been read from the device. Close the form and open it again.";

bool TFM_VlanSetting::SetVlanStatus()
{
    // The switch only: the mode is the device's to say.
    return WriteGroupPart(VlanStatusRequest, "0");
}

void TFM_VlanSetting::Btn_VlanApplyClick(TObject*)
{
    PageControl1->SetActivePage(TabSheet_VlanList);
    if (!MaySaveWritingOnly({VlanStatusRequest}, SaveGuard) || !MayReadTable({VlanTableRequest, PortListRequest}))
        return;
    if (!PvidsTakeTheTurn())
        return;
    BeginSave();
    if (!SetVlanStatus())
        return (void)ReportSave("Set OK!", "Set Error!");
    if (!RefreshPortList())
        return ShowStatus("Set Error!");
    ReportWrite("Set OK!", "Set Error!");  // the port list's "Get OK!" follows
}
