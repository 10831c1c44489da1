#include "Vlansetting.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"

TFM_VlanSetting* FM_VlanSetting = nullptr;

namespace {
const int RequestTimeout = 10000;

// Radio groups: one per port, in port order; S-4..S-7 and W-5..W-8 are hidden.
const char* const PortNames[18] = {"Mgmt", "Lan", "Primary", "S1", "S2", "S3", "S4", "S5", "S6",
                                   "S7", "W1", "W2", "W3", "W4", "W5", "W6", "W7", "W8"};
const char* const PortHeads[18] = {"Mgmt", "LAN", "Primary", "S-1", "S-2", "S-3", "S-4", "S-5", "S-6",
                                   "S-7", "W-1", "W-2", "W-3", "W-4", "W-5", "W-6", "W-7", "W-8"};
bool HiddenPort(int index) { return (index >= 6 && index <= 9) || index >= 14; }

// The PVID edits: the ten bound ones in PVID edit order, then the hidden ones.
const char* const PvidEditNames[18] = {
    "Ed_PvidMgmt",   "Ed_PvidLan",    "Ed_PvidMssidPrimary", "Ed_PvidMssidS1", "Ed_PvidMssidS2",
    "Ed_PvidMssidS3", "Ed_PvidWdsW1", "Ed_PvidWdsW2",        "Ed_PvidWdsW3",   "Ed_PvidWdsW4",
    "Ed_PvidMssidS4", "Ed_PvidMssidS5", "Ed_PvidMssidS6",    "Ed_PvidMssidS7", "Ed_PvidWdsW5",
    "Ed_PvidWdsW6",  "Ed_PvidWdsW7",  "Ed_PvidWdsW8"};
}  // namespace

TFM_VlanSetting::TFM_VlanSetting(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_VlanSetting", "Advanced \\ VLAN Settings", FM_VlanSetting)), groups_(nullptr, nullptr)
{
    TFormBuilder build(this);
    LB_Title = build.Label("LB_Title", "VLAN Settings", 8, 8, 680);
    LB_Title->Font()->SetStyle(fsBold);
    LB_Title->Font()->SetColor(clWhite);
    LB_Title->SetColor(clGray);
    build.Label("Lb_VlanStatus", " VLAN Status  :", 16, 36);
    CB_VlanStatus = build.Combo("CB_VlanStatus", {}, 140, 32, 100);
    CB_VlanStatus->OnChange = [this](TObject* S) { CB_VlanStatusChange(S); };
    build.Label("Lb_VlanMode", " VLAN Mode  : ", 280, 36);
    LB_VlanMode = build.Label("LB_VlanMode", "", 400, 36);
    CB_VlanMode = build.HiddenCombo("CB_VlanMode");
    CB_APMode = build.HiddenCombo("CB_APMode");

    PageControl1 = build.Add<TPageControl>("PageControl1", 8, 64, 684, 400);
    PageControl1->OnChange = [this](TObject* S) { PageControl1Change(S); };
    BuildPages();
    PageControl1->SetActivePage(TabSheet_VlanList);

    Btn_VlanApply = build.Button("Btn_VlanApply", "Save", 617, 472, [this](TObject* S) { Btn_VlanApplyClick(S); });
    StatusBar = build.StatusBar("StatusBar", {50});
    SetStatusBar(StatusBar);

    SetClientWidth(700);
    SetClientHeight(526);
    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_VlanSetting::BuildPages()
{
    auto page = [this](const char* name, const char* caption) {
        TTabSheet* sheet = new TTabSheet(this);
        sheet->SetName(name);
        sheet->SetPageControl(PageControl1);
        sheet->SetCaption(caption);
        return sheet;
    };
    TabSheet_VlanList = page("TabSheet_VlanList", "VLAN List");
    TabSheet_PortList = page("TabSheet_PortList", "Port List");
    TabSheet_EditVlan = page("TabSheet_EditVlan", "Add/Edit VLAN");
    TabSheet_PvidSetting = page("TabSheet_PvidSetting", "PVID Setting");

    TFormBuilder list = TFormBuilder(this).In(TabSheet_VlanList);
    LV_VlanListUser = list.List("LV_VlanListUser",
                                {{"VID", 30}, {"VLAN Name ", 100}, {"Untag VLAN Ports ", 205}, {"Tag VLAN Ports ", 205}},
                                8, 8, 660, 300);
    LV_VlanListUser->SetGridLines(true);
    LV_VlanListUser->OnClick = [this](TObject* S) { LV_VlanListUserClick(S); };
    LV_VlanList = list.HiddenList("LV_VlanList", 18);
    groups_ = TKeyedRows(LV_VlanList, LV_VlanListUser);
    Btn_VlanEdit = list.Button("Btn_VlanEdit", "Edit", 512, 318, [this](TObject* S) { Btn_VlanEditClick(S); });
    Btn_VlanDelete = list.Button("Btn_VlanDelete", "Delete", 593, 318, [this](TObject* S) { Btn_VlanDeleteClick(S); });
    CB_VlanItemDel = list.HiddenCombo("CB_VlanItemDel");

    TFormBuilder ports = TFormBuilder(this).In(TabSheet_PortList);
    LV_PortListUser = ports.List("LV_PortListUser",
                                 {{"Port Name ", 100}, {"Tag VID", 200}, {"Untag VID ", 200}, {"PVID ", 40}},
                                 8, 8, 660, 340);
    LV_PortListUser->SetGridLines(true);
    LV_PortList = ports.HiddenList("LV_PortList", 3);
    LV_MultiSSID = ports.HiddenList("LV_MultiSSID", 2);
    CB_PortListRefresh = ports.HiddenCombo("CB_PortListRefresh");

    BuildGroupPage(TabSheet_EditVlan);
    BuildPvidPage(TabSheet_PvidSetting);
}

void TFM_VlanSetting::BuildGroupPage(TTabSheet* page)
{
    TFormBuilder build = TFormBuilder(this).In(page);
    LB_Index = build.Label("LB_Index", "", 0, 0);
    LB_Index->SetVisible(false);
    build.Label("Lb_VlanID", " VLAN ID (VID)", 8, 12);
    Ed_VlanID = build.Edit("Ed_VlanID", 130, 8, 80);
    build.Label("Lb_VlanName", "VLAN Name", 260, 12);
    Ed_VlanName = build.Edit("Ed_VlanName", 350, 8, 160);

    // Three sections (wired, MSSID, WDS): heads, a row per membership with its "All"
    // button, and one group box of three radio buttons per port.
    struct Section {
        const char* Caption;
        int First, Last, Top;
        TButton** All[3];
        void (TFM_VlanSetting::*Handlers[3])(TObject*);
        const char* AllNames[3];
    };
    const Section sections[] = {
        {"", 0, 2, 40, {&Btn_VlanPortUntagAll, &Btn_VlanPortTagAll, &Btn_VlanPortNotAll},
         {&TFM_VlanSetting::Btn_VlanPortUntagAllClick, &TFM_VlanSetting::Btn_VlanPortTagAllClick,
          &TFM_VlanSetting::Btn_VlanPortNotAllClick},
         {"Btn_VlanPortUntagAll", "Btn_VlanPortTagAll", "Btn_VlanPortNotAll"}},
        {"MSSID Port", 2, 10, 146, {&Btn_VlanMssidUntagAll, &Btn_VlanMssidTagAll, &Btn_VlanMssidNotAll},
         {&TFM_VlanSetting::Btn_VlanMssidUntagAllClick, &TFM_VlanSetting::Btn_VlanMssidTagAllClick,
          &TFM_VlanSetting::Btn_VlanMssidNotAllClick},
         {"Btn_VlanMssidUntagAll", "Btn_VlanMssidTagAll", "Btn_VlanMssidNotAll"}},
        {"WDS Port", 10, 18, 252, {&Btn_VlanWdsUntagAll, &Btn_VlanWdsTagAll, &Btn_VlanWdsNotAll},
         {&TFM_VlanSetting::Btn_VlanWdsUntagAllClick, &TFM_VlanSetting::Btn_VlanWdsTagAllClick,
          &TFM_VlanSetting::Btn_VlanWdsNotAllClick},
         {"Btn_VlanWdsUntagAll", "Btn_VlanWdsTagAll", "Btn_VlanWdsNotAll"}},
    };
    const char* const rowCaptions[3] = {"Untag", "Tag", "Not Member"};
    int labelNumber = 0;
    auto label = [&](const char* caption, int left, int top) {
        const AnsiString name = "Lb_VlanPort" + IntToStr(++labelNumber);
        return build.Label(name.c_str(), caption, left, top, 60);
    };
    for (const Section& section : sections) {
        const int top = section.Top;
        label(section.Caption[0] ? section.Caption : "Port", 8, top);
        label("Select All", 84, top);
        for (int row = 0; row < 3; ++row) {
            label(rowCaptions[row], 8, top + 20 + row * 24);
            auto handler = section.Handlers[row];
            *section.All[row] = build.Button(section.AllNames[row], "All", 84, top + 18 + row * 24,
                                             [this, handler](TObject* S) { (this->*handler)(S); }, 50);
            (*section.All[row])->SetHeight(23);  // one row of radio buttons each
        }
        for (int port = section.First; port < section.Last; ++port) {
            const int left = 150 + (port - section.First) * 64;
            TLabel* head = label(PortHeads[port], left + 8, top);
            const AnsiString group = AnsiString("GroupBox_") + PortNames[port];
            PortGroups[port] = build.Group(group.c_str(), "", left, top + 14, 56, 80);
            TFormBuilder radios = build.In(PortGroups[port]);
            const AnsiString base = AnsiString(port < 2 ? "RB_Port" : port < 10 ? "RB_Mssid" : "RB_Wds") +
                                    PortNames[port];
            UntagRadios[port] = radios.Radio((base + "Untag").c_str(), "", 18, 6, 20);
            TagRadios[port] = radios.Radio((base + "Tag").c_str(), "", 18, 30, 20);
            NotRadios[port] = radios.Radio((base + "Not").c_str(), "", 18, 54, 20);
            if (HiddenPort(port)) {
                head->SetVisible(false);
                PortGroups[port]->SetVisible(false);
            }
        }
    }
    AddButton = build.Button("AddButton", "Save", 593, 340, [this](TObject* S) { AddButtonClick(S); });
}

void TFM_VlanSetting::BuildPvidPage(TTabSheet* page)
{
    TFormBuilder build = TFormBuilder(this).In(page);
    build.Label("Lb_PvidAuto", " PVID Auto Assign Status  ", 8, 12, 160);
    CB_PvidAutoStatus = build.Combo("CB_PvidAutoStatus", {}, 180, 8, 100);
    CB_PvidAutoStatus->OnChange = [this](TObject* S) { CB_PvidAutoStatusChange(S); };
    // Edit k of the page's columns: Mgmt, LAN | Primary, S-1..S-7 | W-1..W-8.
    const int columnOf[18] = {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 6, 7, 8, 9, 14, 15, 16, 17};
    const char* const heads[18] = {"Mgmt", "LAN", "Primary", "S-1", "S-2", "S-3", "S-4", "S-5", "S-6",
                                   "S-7", "W-1", "W-2", "W-3", "W-4", "W-5", "W-6", "W-7", "W-8"};
    for (int column = 0; column < 18; ++column) {
        const int section = column < 2 ? 0 : column < 10 ? 1 : 2;
        const int first = section == 0 ? 0 : section == 1 ? 2 : 10;
        const int left = 90 + (column - first) * 64;
        const int top = 50 + section * 80;
        const AnsiString head = "Lb_PvidHead" + IntToStr(column);
        TLabel* headLabel = build.Label(head.c_str(), heads[column], left, top, 56);
        if (column == first) {
            const AnsiString row = "Lb_PvidRow" + IntToStr(section);
            build.Label(row.c_str(), section == 0 ? "Port" : section == 1 ? "MSSID Port" : "WDS Port", 8, top, 80);
            const AnsiString pvid = "Lb_PvidName" + IntToStr(section);
            build.Label(pvid.c_str(), "PVID", 8, top + 24, 80);
        }
        int k = 0;
        while (columnOf[k] != column)
            ++k;
        PvidEdits[k] = build.Edit(PvidEditNames[k], left, top + 20, 56);
        NameControl(PvidEdits[k], AnsiString("PVID ") + heads[column]);
        if (k >= PvidCount) {
            headLabel->SetVisible(false);
            PvidEdits[k]->SetVisible(false);
        }
    }
    Btn_PvidApply = build.Button("Btn_PvidApply", "Save", 593, 340, [this](TObject* S) { Btn_PvidApplyClick(S); });
}

void TFM_VlanSetting::FormCreate(TObject* Sender)
{
    Creating = 1;
    SaysReadFailures();  // a variable the device lacks: no new opening reads it
    ApModeRequest = BoundGroup(dot11ApModeVars3, MVT_SV, {CB_APMode}, RequestTimeout, 0);
    ReadGroup(ApModeRequest);
    Btn_VlanEdit->SetEnabled(false);
    Btn_VlanDelete->SetEnabled(false);
    TFormBuilder build(this);
    for (int port = 0; port < PortCount; ++port) {
        const AnsiString name = "PortCombo" + IntToStr(port);
        PortCombos[port] = build.HiddenCombo(name.c_str());
    }

    VlanStatusRequest = BoundGroup(dot11VlanStatusVars, SVT_SV, {CB_VlanStatus, CB_VlanMode}, RequestTimeout, 0);
    if (ReadGroup(VlanStatusRequest))
        LB_VlanMode->SetCaption(CB_VlanMode->ItemIndex() > 0 ? "Dynamic" : "Static");

    PvidAutoRequest = BoundGroup(dot11PvidAutoAssignStatusVars, SVT_SV, {CB_PvidAutoStatus}, RequestTimeout, 0);
    if (ReadGroup(PvidAutoRequest))
        CB_PvidAutoStatusChange(Sender);
    PvidSettingRequest = GroupRequest(dot11PvidSettingMgmtVars, MVT_SV, 0, RequestTimeout, 0);
    for (int k = 0; k < PvidCount; ++k)
        PvidSettingRequest->BindFormat(k, "%s", PvidEdits[k]);
    ReadPvids();
    // The SSID names are walked asynchronously: a walk waiting row by row inside the
    // form's creation would let other events reach the half-built form.
    SsidRequest = GroupRequest(dot11MssidIndexVars2, MVT_UMV, 1, RequestTimeout, 1);
    SsidRequest->BindListView(LV_MultiSSID, false);
    NameControl(LV_MultiSSID, "SSID names");  // shown only as the names of the SSID ports
    SsidRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnSsidListDone(S, E); };
    BuildPortNames();  // the ports' own names until the SSIDs arrive
    ReadGroup(SsidRequest);
    PortRefreshRequest = BoundGroup(dot11PortListRefreshVars, SVT_SV, {CB_PortListRefresh}, RequestTimeout, 0);
    PortListRequest = GroupRequest(dot11PortListIndexVars, MVT_UMV, 1, RequestTimeout, 1);
    PortListRequest->BindListView(LV_PortList, false);
    PortListRequest->ShowsRowsIn(LV_PortListUser);
    NameControl(LV_PortList, "Port List");
    PortListRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnPortListDone(S, E); };
    RefreshPortList();

    VlanTableRequest = GroupRequest(dot11GroupVlanListIndexVars, MVT_UMV, 1, RequestTimeout, 1);
    VlanTableRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnVlanListDone(S, E); };
    VlanTableRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnVlanSetDone(S, E); };
    VlanTableRequest->BindListView(LV_VlanList, false);  // the form enables the editor itself
    VlanTableRequest->ShowsRowsIn(LV_VlanListUser);
    BindByPosition(VlanTableRequest, {LB_Index, {Ed_VlanID, "%u{n1x4094}"}, Ed_VlanName});
    for (int port = 0; port < PortCount; ++port)
        VlanTableRequest->BindComboBox(3 + port, PortCombos[port]);
    VlanTableRequest->BindComboBox(17, CB_VlanItemDel);
    TPressTarget chosenGroup{LV_VlanListUser, [this] { return GroupChosen(); }, [this] { return ChosenGroupRow(); }};
    chosenGroup.bringBack = [this](TListItem* row) { ChooseGroupAgain(row); };
    ReadAgainOnPress({VlanTableRequest}, chosenGroup);
    ReadGroup(VlanTableRequest);

    CB_VlanStatusChange(Sender);
    EmptyGroupEdits();
    Btn_VlanPortUntagAllClick(Sender);
    Btn_VlanMssidUntagAllClick(Sender);
    Btn_VlanWdsUntagAllClick(Sender);
    Creating = 0;
}

void TFM_VlanSetting::EmptyGroupEdits()
{
    // An emptied editor is a new group: a group opened with Edit is no longer edited,
    // and the VID and name, grayed while a listed group was chosen, take input again.
    EditMode = 0;
    editKey_ = "";
    Ed_VlanID->SetText("");
    Ed_VlanName->SetText("");
    Ed_VlanID->SetEnabled(MayEditGroups());
    Ed_VlanName->SetEnabled(MayEditGroups());
}

void TFM_VlanSetting::SelectAll(int first, int last, int membership)
{
    for (int port = first; port < last; ++port) {
        UntagRadios[port]->SetChecked(membership == 0);
        TagRadios[port]->SetChecked(membership == 1);
        NotRadios[port]->SetChecked(membership == 2);
    }
}

void TFM_VlanSetting::CB_VlanStatusChange(TObject* Sender)
{
    if (Creating == 0) {
        const int mode = CB_APMode->ItemIndex();
        if (mode == 2 || mode == 3)  // WDS, Wireless Client
            Application->MessageBox("If you enable VLAN,AP Mode is set to access point.", "Warning", MB_OK);
        Creating = 1;  // the warning comes once in the form's life
    }
    RowState = rsFreeRow;
    UserRowCount = LV_VlanListUser->Items()->Count();
    if (CB_VlanStatus->ItemIndex() == 1) {
        if (UserRowCount < 10 && SelectFreeRow()) {
            EmptyGroupEdits();
            RowState = rsFreeRow;
        } else {
            RowState = rsTableFull;
        }
    }
    EnableEditing(MayEditGroups());
}

void TFM_VlanSetting::EnableEditing(bool enable)
{
    AddButton->SetEnabled(enable);
    CB_PvidAutoStatus->SetEnabled(enable);
    Ed_VlanID->SetEnabled(enable);
    Ed_VlanName->SetEnabled(enable);
    for (int port = 0; port < 18; ++port) {
        UntagRadios[port]->SetEnabled(enable);
        // SSID ports are never tagged members through this form.
        TagRadios[port]->SetEnabled(enable && (port < 2 || port >= 10));
        NotRadios[port]->SetEnabled(enable);
    }
    for (TButton* all : {Btn_VlanPortUntagAll, Btn_VlanPortTagAll, Btn_VlanPortNotAll, Btn_VlanMssidUntagAll,
                         Btn_VlanMssidNotAll, Btn_VlanWdsUntagAll, Btn_VlanWdsTagAll, Btn_VlanWdsNotAll})
        all->SetEnabled(enable);
    Btn_VlanMssidTagAll->SetEnabled(false);
    if (enable) {
        CB_PvidAutoStatusChange(this);
        EmptyGroupEdits();
    } else {
        for (TEdit* edit : PvidEdits)
            edit->SetEnabled(false);
    }
}

void TFM_VlanSetting::PageControl1Change(TObject* Sender)
{
    if (RowState == rsFreeRow) {
        EmptyGroupEdits();
        Btn_VlanPortUntagAllClick(Sender);
        Btn_VlanMssidUntagAllClick(Sender);
        Btn_VlanWdsUntagAllClick(Sender);
        RowState = rsEmptied;
    }
    if (PageControl1->ActivePage() && PageControl1->ActivePage()->Caption() == "Port List" &&
        MayReadTable({VlanTableRequest, PortListRequest}))
        RefreshPortList();
}

static const bool menuEntry = RegisterModalForm("VlanSetting1", FM_VlanSetting);
