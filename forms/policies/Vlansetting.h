#pragma once
// Advanced / VLAN Settings: the VLAN switch and mode, the device's fixed-row table of
// VLAN groups (VID, name and a membership per port), the port list with each port's
// VLANs, and the port VLAN IDs.
//
// The group table is walked into a hidden list; the visible list shows the used
// groups, each row carrying the index of its table row, so a device that leaves free
// rows between groups is edited and deleted at the right rows, and a new group goes
// into the first free row or is refused when there is none.
//
// The handlers are split by concern: Vlansetting.cpp the form, its reads and the
// enabling rules; VlansettingGroups.cpp the group list, Add/Edit and Delete; VlansettingPorts.cpp
// the port list and the PVIDs.
#include "SettingsFormBase.h"
#include "KeyedRows.h"
#include "SystemTexts.h"

class KwSNMPRequest2Edits;

class TFM_VlanSetting : public TSettingsForm {
public:
    explicit TFM_VlanSetting(TComponent* Owner);

    static const int PortCount = 14;  // the table's ports: Mgmt, LAN, Primary, S-1..S-7, W-1..W-4
    static const int PvidCount = 10;  // Mgmt, LAN, Primary, S-1..S-3, W-1..W-4

    TLabel* LB_Title;
    TComboBox* CB_VlanStatus;
    TLabel* LB_VlanMode;
    TComboBox* CB_VlanMode;
    TComboBox* CB_APMode;
    TPageControl* PageControl1;
    TTabSheet* TabSheet_VlanList;
    TTabSheet* TabSheet_PortList;
    TTabSheet* TabSheet_EditVlan;
    TTabSheet* TabSheet_PvidSetting;
    TButton* Btn_VlanApply;
    TStatusBar* StatusBar;

    // "VLAN List"
    TListView* LV_VlanListUser;
    TListView* LV_VlanList;
    TButton* Btn_VlanEdit;
    TButton* Btn_VlanDelete;
    TComboBox* CB_VlanItemDel;

    // "Port List"
    TListView* LV_PortListUser;
    TListView* LV_PortList;
    TListView* LV_MultiSSID;
    TComboBox* CB_PortListRefresh;

    // "Add/Edit VLAN"
    TLabel* LB_Index;
    TEdit* Ed_VlanID;
    TEdit* Ed_VlanName;
    TGroupBox* PortGroups[18];  // Mgmt, LAN, Primary, S1..S7, W1..W8
    TRadioButton* UntagRadios[18];
    TRadioButton* TagRadios[18];
    TRadioButton* NotRadios[18];
    TButton* Btn_VlanPortUntagAll;
    TButton* Btn_VlanPortTagAll;
    TButton* Btn_VlanPortNotAll;
    TButton* Btn_VlanMssidUntagAll;
    TButton* Btn_VlanMssidTagAll;
    TButton* Btn_VlanMssidNotAll;
    TButton* Btn_VlanWdsUntagAll;
    TButton* Btn_VlanWdsTagAll;
    TButton* Btn_VlanWdsNotAll;
    TButton* AddButton;

    // "PVID Setting"
    TComboBox* CB_PvidAutoStatus;
    TEdit* PvidEdits[18];  // the ten bound ones first (PVID edit order), then S4..S7, W5..W8
    TButton* Btn_PvidApply;

    // Built by FormCreate, owned by the form.
    KwSNMPRequest2Edits* ApModeRequest = nullptr;
    KwSNMPRequest2Edits* VlanStatusRequest = nullptr;
    KwSNMPRequest2Edits* PvidAutoRequest = nullptr;
    KwSNMPRequest2Edits* PvidSettingRequest = nullptr;
    KwSNMPRequest2Edits* SsidRequest = nullptr;
    KwSNMPRequest2Edits* PortRefreshRequest = nullptr;
    KwSNMPRequest2Edits* PortListRequest = nullptr;
    KwSNMPRequest2Edits* VlanTableRequest = nullptr;
    TComboBox* PortCombos[PortCount] = {};

    // What the "Add/Edit VLAN" page holds.
    enum { rsFreeRow = 0, rsGroupSelected = 1, rsEmptied = 2, rsTableFull = 3 };
    unsigned char Creating = 0;
    int RowState = rsEmptied;
    int UserRowCount = 0;
    // 1 while the page holds a group opened with Edit: Save writes it back to its own
    // row. Back to 0 with every read of the table and whenever the editor is emptied
    // for a new group.
    unsigned char EditMode = 0;

    void FormCreate(TObject* Sender);
    void CB_VlanStatusChange(TObject* Sender);
    void LV_VlanListUserClick(TObject* Sender);
    void Btn_VlanEditClick(TObject* Sender);
    void Btn_VlanDeleteClick(TObject* Sender);
    void AddButtonClick(TObject* Sender);
    void Btn_VlanApplyClick(TObject* Sender);
    void Btn_VlanPortUntagAllClick(TObject* Sender) { SelectAll(0, 2, 0); }
    void Btn_VlanPortTagAllClick(TObject* Sender) { SelectAll(0, 2, 1); }
    void Btn_VlanPortNotAllClick(TObject* Sender) { SelectAll(0, 2, 2); }
    void Btn_VlanMssidUntagAllClick(TObject* Sender) { SelectAll(2, 10, 0); }
    void Btn_VlanMssidTagAllClick(TObject* Sender) { SelectAll(2, 10, 1); }
    void Btn_VlanMssidNotAllClick(TObject* Sender) { SelectAll(2, 10, 2); }
    void Btn_VlanWdsUntagAllClick(TObject* Sender) { SelectAll(10, 18, 0); }
    void Btn_VlanWdsTagAllClick(TObject* Sender) { SelectAll(10, 18, 1); }
    void Btn_VlanWdsNotAllClick(TObject* Sender) { SelectAll(10, 18, 2); }
    void PageControl1Change(TObject* Sender);
    void CB_PvidAutoStatusChange(TObject* Sender);
    void Btn_PvidApplyClick(TObject* Sender);

    // The table index of a visible group row ("" for none).
    AnsiString GroupKey(int visibleIndex) const { return groups_.KeyOf(visibleIndex); }

private:
    void BuildPages();
    void BuildGroupPage(TTabSheet* page);
    void BuildPvidPage(TTabSheet* page);
    void OnVlanListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnVlanSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnPortListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void OnSsidListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void BuildVlanUserList();
    bool VidExists(const AnsiString& vid) const;
    void BuildPortNames();
    void FillPortVids();
    void FillPortPvids();
    bool RefreshPortList();
    // Membership radios of ports [first, last): 0 Untag, 1 Tag, 2 Not Member.
    void SelectAll(int first, int last, int membership);
    void EnableEditing(bool enable);
    void EmptyGroupEdits();
    // Selects the first free table row for a new group; false when there is none.
    bool SelectFreeRow();
    bool SetVlanStatus();
    // The ten PVID edits bound to the device's PVIDs, in PVID edit order.
    std::vector<TEdit*> BoundPvidEdits() const { return {PvidEdits, PvidEdits + PvidCount}; }
    // Reads the PVIDs; those shown as the device gave them are kept unless edited.
    bool ReadPvids();
    // Turning VLANs on puts the device's PVIDs into effect, whichever Save does it: the
    // form's Save refuses a PVID the PVID page's Save would refuse, and names that page.
    bool PvidsTakeTheTurn();
    // The device runs dynamic VLANs: it keeps the groups and PVIDs itself.
    bool DynamicMode() const { return CB_VlanMode->ItemIndex() > 0; }
    // Groups are added and changed only with VLAN on in static mode.
    bool MayEditGroups() const { return !DynamicMode() && CB_VlanStatus->ItemIndex() > 0; }

    TKeyedRows groups_;
    AnsiString editKey_;  // the row of the group opened with Edit
    bool editedBeforeRead_ = false;  // EditMode as the last good read of the table found it

    // What a press on the group list acts on: the group opened with Edit, else the
    // one chosen in the list (also once a failed read emptied it); once the list is read
    // again it is chosen, and opened with Edit where it was, again, the page the user is
    // on staying in view.
    bool GroupChosen() const { return EditMode == 1 || RowState == rsGroupSelected || LV_VlanListUser->Selected(); }
    TListItem* ChosenGroupRow() const;
    void ChooseGroupAgain(TListItem* row);
    bool savingGroup_ = false;  // the group page's Save is under way
    // The PVIDs as the device has them: one the user did not edit is neither checked
    // nor written, also when the form cannot take it (out of range, another type).
    TDeviceTexts devicePvids_;
};

extern TFM_VlanSetting* FM_VlanSetting;
extern const char* const VlanNotReadText;
// The group page's refusal to save with dynamic VLANs.
extern const char* const VlanDynamicText;
// Its refusal to save while the VID is grayed and empty (no group opened, none to add).
extern const char* const VlanNoVidText;
