#include "Filtermacacl.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "GuardedEvents.h"
#include "KwSNMPRequest2Edits.h"
#include "ListCells.h"
#include "New_req2Edit.h"

#include <cctype>
#include <exception>

TFM_FilterMACACL* FM_FilterMACACL = nullptr;

const char* const MacAclModeNotReadText =
    "The access mode has not been read from the device. Close the form and open it again.";

namespace {
const char* const EmptyMac = "000000000000";
const int RejectItem = 1;
const int DisableItem = 2;
const int WirelessClientItem = 3;
// Sub-items of a client table row (its caption is the client index).
enum ClientColumn { ccMac, ccBand, ccAuthentication, ccRssi, ccPsm, ccSsid, ccUptime, ccActive };

// The word shown for the device's authentication label.
AnsiString AuthenticationWord(const AnsiString& label)
{
    static const struct {
        const char* label;
        const char* word;
    } words[] = {{"opensystem", "OPEN"},        {"sharedkey", "SHARED KEY"},     {"wpa-psk", "WPA-PSK"},
                 {"wpa-eap", "WPA-EAP"},        {"wpa2-psk", "WPA2-PSK"},        {"wpa2-eap", "WPA2-EAP"},
                 {"wpa-auto-psk", "WPA2-Auto-PSK"}, {"wpa-auto-eap", "WPA2-Auto-EAP"}, {"dot1x", "802.1x/WEP"},
                 {"WEP", "WEP"}};
    for (const auto& entry : words)
        if (label == entry.label)
            return entry.word;
    return label;
}
}  // namespace

bool SameMacText(const AnsiString& entered, const AnsiString& stored)
{
    if (entered.Length() != stored.Length())
        return false;
    for (int i = 1; i <= entered.Length(); ++i) {
        const unsigned char a = static_cast<unsigned char>(entered[i]);
        const unsigned char b = static_cast<unsigned char>(stored[i]);
        if (a != b && std::toupper(a) != std::toupper(b))
            return false;
    }
    return true;
}

TFM_FilterMACACL::TFM_FilterMACACL(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_FilterMACACL", "Advanced \\ Wireless MAC ACL", FM_FilterMACACL))
{
    TFormBuilder build(this);
    TFormRows rows(build, TRowColumns{16, 130, 160});
    CB_Band = rows.Combo("Label1", "Band", "CB_Band");
    CB_Band->SetEnabled(false);
    CB_AccessControl = rows.Combo("Label2", "Access Control", "CB_AccessControl");
    CB_AccessControl->OnChange = Guarded([this](TObject* S) { CB_AccessControlChange(S); });
    Ed_MacAdd = rows.Edit("Label3", "MAC Address", "Ed_MacAdd", 12);
    Ed_MacAdd->SetText("111111111111");
    Bt_Add = build.Button("Bt_Add", "Add", 300, rows.Top() - rows.Columns().RowHeight,
                          Guarded([this](TObject* S) { Bt_AddClick(S); }));
    LV_UerMACAddress = build.List("LV_UerMACAddress", {{"ID", 40}, {"MAC Address", 140}}, 16, rows.Top(), 280, 150);
    LV_UerMACAddress->SetGridLines(true);
    NameControl(LV_UerMACAddress, "MAC Address List");
    LV_UerMACAddress->OnClick = Guarded([this](TObject* S) { LV_UerMACAddressClick(S); });
    Bt_Del = build.Button("Bt_Del", "Delete", 300, rows.Top(), Guarded([this](TObject* S) { Bt_DelClick(S); }));

    TGroupBox* clients = build.Group("GroupBox1", "Current Client Information", 8, rows.Top() + 160, 540, 170);
    TFormBuilder inClients = build.In(clients);
    LV_ClientUser = inClients.List("LV_ClientUser",
                                   {{"MAC Address", 110}, {"SSID", 100}, {"Band", 50}, {"Authentication", 100}, {"Signal", 50}},
                                   8, 20, 430, 140);
    LV_ClientUser->SetGridLines(true);
    LV_ClientUser->OnClick = Guarded([this](TObject* S) { LV_ClientUserClick(S); });
    Btn_AddCli = inClients.Button("Btn_AddCli", "Add", 448, 20, Guarded([this](TObject* S) { Btn_AddCliClick(S); }));
    Bt_Apply = build.Button("Bt_Apply", "Save", 470, rows.Top() + 340, Guarded([this](TObject* S) { Bt_ApplyClick(S); }));
    StatusBar1 = build.StatusBar("StatusBar1", {50});
    SetStatusBar(StatusBar1);

    LV_GetMAC = build.HiddenList("LV_GetMAC", 2);
    LA_Index = build.Label("LA_Index", "LA_Index", 0, 0);
    LA_Index->SetVisible(false);
    Ed_MACAddr = build.HiddenEdit("Ed_MACAddr");
    LV_ClientTable = build.HiddenList("LV_ClientTable", 9);
    NameControl(LV_ClientTable, clients->Caption());  // the list it fills
    Ed_ClientInfoMac = build.HiddenEdit("Ed_ClientInfoMac");
    NameControl(Ed_ClientInfoMac, "MAC Address");  // the chosen client's, as a note names it
    CB_GetInfo = build.HiddenCombo("CB_GetInfo");
    CB_APMode = build.HiddenCombo("CB_APMode");
    CB_DeviceApplySetting = build.HiddenCombo("CB_DeviceApplySetting");
    SetClientWidth(556);
    SetClientHeight(rows.Top() + 400);

    OnCreate = ReadSequence(Guarded([this](TObject* Sender) { FormCreate(Sender); }));
}

void TFM_FilterMACACL::FormCreate(TObject* Sender)
{
    ApModeRequest = BoundGroup(dot11ApModeVars3, MVT_SV, {CB_APMode}, 10000, 0);
    ReadGroup(ApModeRequest);

    ApplyRequest = GroupRequest(deviceSettingApplyVars, SVT_SV, 0, 10000, 0);

    ApplyRequest->BindComboBox(0, CB_DeviceApplySetting);

    AccessRequest = GroupRequest(dot11MacAccessControlVars, MVT_SV, 0, 10000, 0);

    AccessRequest->BindComboBox(0, CB_AccessControl);
    AccessRequest->AttachStatusBar(StatusBar1);
    ReadGroup(AccessRequest);

    BandRequest = GroupRequest(dot11BandVars, MVT_SV, 0, 10000, 0);

    BandRequest->BindComboBox(0, CB_Band);
    ReadGroup(BandRequest);
    CB_Band->SetEnabled(false);

    ClientTableRequest = GroupRequest(dot11ClinetIndexVars, MVT_UMV, 1, 10000, 1);
    ClientTableRequest->BindListView(LV_ClientTable, false);
    ClientTableRequest->OnGetDone = GuardedDone([this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnClientTableDone(S, E); });

    ClientRefreshRequest = GroupRequest(dot11ClientInformationRefreshVars, MVT_SV, 1, 1000, 1);
    ClientRefreshRequest->BindComboBox(0, CB_GetInfo);
    ClientRefreshRequest->OnSetDone = GuardedDone([this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnClientRefreshDone(S, E); });
    CB_GetInfo->SetItemIndex(1);
    LV_ClientUser->Items()->Clear();
    Btn_AddCli->SetEnabled(false);
    try {
        WriteGroup(ClientRefreshRequest);
    } catch (const std::exception& e) {
        ShowStatus(AnsiString("Detect timed out!") + e.what());
    }

    const KwSNMPDoneEvent listSetDone = GuardedDone([this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnListSetDone(S, E); });
    const KwSNMPDoneEvent listGetDone = GuardedDone([this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnListGetDone(S, E); });
    AddRequest = BoundGroup(dot11MacAccessControlMacAddressAddVars, MVT_SV, {{Ed_MacAdd, "%h"}}, 10000, 1);
    AddRequest->OnSetDone = listSetDone;
    Ed_MacAdd->SetMaxLength(12);

    ClientAddRequest =
        BoundGroup(dot11MacAccessControlMacAddressAddVars, MVT_SV, {{Ed_ClientInfoMac, "%h"}}, 10000, 1);
    ClientAddRequest->OnSetDone = listSetDone;

    DeleteRequest = BoundGroup(dot11MacAccessControlMacAddressDeleteVars, MVT_SV, {{Ed_MACAddr, "%h"}}, 10000, 1);
    DeleteRequest->OnSetDone = listSetDone;
    HoldCloseWhileWriting({AddRequest, ClientAddRequest, DeleteRequest});

    HiddenListRequest = GroupRequest(dot11MacAccessControlListIndexVars, MVT_UMV, 1, 2000, 1);
    HiddenListRequest->BindListView(LV_GetMAC, false);
    BindByPosition(HiddenListRequest, {LA_Index, {Ed_MACAddr, "%h"}});
    HiddenListRequest->OnGetDone = listGetDone;

    VisibleListRequest = GroupRequest<New_req2Edit>(dot11MacAccessControlListIndexVars, MVT_UMV, 1, 10000, 1);
    VisibleListRequest->BindListView(LV_UerMACAddress, false);
    VisibleListRequest->OnGetDone = listGetDone;
    // Delete acts on the address chosen in the list, also once a failed walk emptied it.
    TPressTarget chosenAddress{LV_UerMACAddress, [this] { return !chosenAddress_.IsEmpty(); }};
    chosenAddress.row = [this] { return LV_UerMACAddress->Selected(); };
    chosenAddress.shows = [](const TListItem* row) { return SubItemText(row, 0); };  // the address, not its row
    ReadAgainOnPress({HiddenListRequest, VisibleListRequest}, chosenAddress, [this] { ReadLists(); });

    Bt_Del->SetEnabled(false);
    Bt_Apply->SetEnabled(false);
    Ed_MacAdd->Clear();
    ReadLists();
    CB_AccessControlChange(CB_AccessControl);

    if (CB_APMode->ItemIndex() == WirelessClientItem) {
        CB_Band->SetEnabled(false);
        CB_AccessControl->SetEnabled(false);
        CB_AccessControl->SetItemIndex(DisableItem);
    }
}

// --- list operations -------------------------------------------------------------

bool TFM_FilterMACACL::StartListOp(KwSNMPRequest2Controls* request, bool set)
{
    if (set)
        clientFailure_ = "";  // the user's change of the list is the news from here on
    ++pendingListOps_;
    EnableListControls();
    bool started = false;
    try {
        started = set ? WriteGroup(request) : request->Get();
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
    if (!started)
        ListOpEnded();
    return started;
}

void TFM_FilterMACACL::ReadLists()
{
    listFailure_ = "";
    ShowProgress("Refresh...");
    VisibleListRequest->RowNumber = 1;
    VisibleListRequest->SkipIndex = 1;
    VisibleListRequest->SkipValue = EmptyMac;
    StartListOp(HiddenListRequest, false);
    StartListOp(VisibleListRequest, false);
}

void TFM_FilterMACACL::ListOpEnded()
{
    if (pendingListOps_ > 0)
        --pendingListOps_;
    EnableListControls();
}

void TFM_FilterMACACL::EnableListControls()
{
    const bool idle = pendingListOps_ == 0;
    Bt_Apply->SetEnabled(idle);
    if (!idle) {
        Bt_Add->SetEnabled(false);
        Bt_Del->SetEnabled(false);
        Btn_AddCli->SetEnabled(false);
        return;
    }
    CB_AccessControlChange(CB_AccessControl);
    Btn_AddCli->SetEnabled(LV_ClientUser->Selected() != nullptr);
}

void TFM_FilterMACACL::OnListGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Sender == VisibleListRequest)
        emptyCheckDue_ = Error.Code == 0;
    if (Error.Code != 0) {
        // The lists of this round are not the device's: nothing is written on them.
        listFailure_ = Error.Message;
        emptyCheckDue_ = false;
    }
    ListOpEnded();
    if (pendingListOps_ == 0 && !listFailure_.IsEmpty())
        CB_AccessControlChange(CB_AccessControl);  // Add as the switch offers it, as after a good read
    if (ShowFailure(Error))
        return;
    if (pendingListOps_ > 0)
        return;  // the other read (or a write) is still on its way
    if (!listFailure_.IsEmpty()) {
        emptyCheckDue_ = false;  // the other list's read failed
        ShowStatus(listFailure_);
        return;
    }
    chosenAddress_ = AnsiString();  // the list is shown anew, nothing chosen in it
    bool written = true;
    if (emptyCheckDue_ && LV_UerMACAddress->Items()->Count() == 0 && AccessModeRead()) {
        // An empty list always leaves the device in Disable.
        CB_AccessControl->SetItemIndex(DisableItem);
        written = WriteAccessMode();
    }
    emptyCheckDue_ = false;
    CB_AccessControlChange(CB_AccessControl);
    // The lists' success says nothing of the clients: a failed detection stays in view.
    if (!written)
        ShowProgress("Set error!");
    else
        ShowProgress(clientFailure_.IsEmpty() ? AnsiString("Get OK!") : clientFailure_);
}

TEarlierSets::TJudged TFM_FilterMACACL::AddressTakenAfterAll(KwSNMPRequest2Controls* add, int failure)
{
    // A lost answer: the device's list, walked now, tells whether it took the address.
    const AnsiString sent = (add == ClientAddRequest ? Ed_ClientInfoMac : Ed_MacAdd)->Text();
    return TEarlierSets::TakenAfterAll(add, failure, [&] {
        return TEarlierSets::WalkJudges(HiddenListRequest, [&] {
            TListItems* rows = LV_GetMAC->Items();
            for (int i = 0; i < rows->Count(); ++i)
                if (SameMacText(sent, SubItemText(rows->Item(i), 0)))
                    return true;
            return false;
        });
    });
}

void TFM_FilterMACACL::OnListSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    KwSNMPError outcome = Error;
    const TEarlierSets::TJudged judged = outcome.Code != 0 && Sender != DeleteRequest
                                             ? AddressTakenAfterAll(Sender, Error.Code)
                                             : TEarlierSets::TJudged::NotTaken;
    if (judged == TEarlierSets::TJudged::Taken)
        outcome = KwSNMPError();
    if (outcome.Code != 0 && Sender != DeleteRequest) {
        // The mode the add wrote first goes back as the device had it: no list is left
        // in a mode the user set for an address the device refused. Where no reading
        // tells whether it took the address, nothing goes back (the verdict says so).
        if (judged != TEarlierSets::TJudged::NotKnown)
            AddToVerdict(modeBeforeAdd_.WriteBack(CaptionOf(Ed_MacAdd)));
        ListOpEnded();
        ReportSave("", outcome.Message);
        return;
    }
    if (ShowFailure(outcome)) {
        ListOpEnded();
        return;
    }
    // The reads are counted before the write is let go: the count never passes 0.
    ReadLists();
    ReportSaved(Sender == DeleteRequest ? "Delete OK!" : "Add OK!", "Refresh...");
    Ed_MacAdd->Clear();
    ListOpEnded();
}

// --- access mode -----------------------------------------------------------------

bool TFM_FilterMACACL::WriteAccessMode()
{
    try {
        return WriteGroup(AccessRequest);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
        return false;
    }
}

void TFM_FilterMACACL::CB_AccessControlChange(TObject* Sender)
{
    const bool idle = pendingListOps_ == 0;
    if (CB_AccessControl->ItemIndex() != DisableItem) {
        Ed_MacAdd->SetEnabled(true);
        Bt_Add->SetEnabled(idle);
    } else {
        Ed_MacAdd->SetEnabled(false);
        Bt_Add->SetEnabled(false);
        Bt_Del->SetEnabled(false);
    }
}

bool TFM_FilterMACACL::WriteModeBeforeAdd()
{
    BeginSave();
    modeBeforeAdd_.Clear();
    // Over a list that has entries the mode stands on its own; over an empty one it is
    // for the address alone.
    if (LV_UerMACAddress->Items()->Count() == 0)
        modeBeforeAdd_.RecordVariables(dot11MacAccessControlVars, MVT_SV, CaptionOf(CB_AccessControl), AccessRequest);
    // A lost answer is judged by a read; a mode not taken ends the Add, and what the
    // device may hold of it goes back as it had it, or is said. A mode no reading shows
    // ends it too, and stays as the device holds it: not known.
    if (WriteAccessMode())
        return true;
    const TEarlierSets::TJudged judged = modeBeforeAdd_.TakenAfterAll(AccessRequest, dot11MacAccessControlVars, MVT_SV);
    if (judged == TEarlierSets::TJudged::NotTaken)
        AddToVerdict(modeBeforeAdd_.WriteBack(CaptionOf(Ed_MacAdd)));
    return judged == TEarlierSets::TJudged::Taken;
}

bool TFM_FilterMACACL::AccessModeRead() const { return AccessRequest && GroupRead(AccessRequest); }

bool TFM_FilterMACACL::MayWriteAccessMode()
{
    const TSaveGuardTexts guard = {MacAclModeNotReadText, MacAclModeNotReadText, "Error"};
    return MaySave({AccessRequest}, guard);
}

void TFM_FilterMACACL::ShowProgress(const AnsiString& text)
{
    // Until the access mode has been read, its failure stays in view, and a failed list
    // read until the lists are read again: progress and results never hide them.
    if (AccessRequest && !AccessModeRead())
        ShowStatus("Access mode not read: " + AccessRequest->Request.LastFailure.Message);
    else
        ShowStatus(listFailure_.IsEmpty() ? text : listFailure_);
}

void TFM_FilterMACACL::Bt_ApplyClick(TObject* Sender)
{
    if (pendingListOps_ > 0 || !MayWriteAccessMode())
        return;
    // The access mode is all Save writes: nothing goes out until the user chooses one.
    if (CB_AccessControl->ItemIndex() < 0)
        return void(RefuseUnshownSwitch(CB_AccessControl));
    BeginSave();
    WriteAccessMode();
    ReportSave("Save OK!", "Set error!");
}

// --- add and delete --------------------------------------------------------------

bool TFM_FilterMACACL::CheckMacAddress(const AnsiString& text)
{
    bool valid = !text.IsEmpty() && text != EmptyMac;
    if (valid && text.Length() >= 2) {
        // An address whose first octet has the group bit set names no station.
        const char second = static_cast<char>(std::toupper(static_cast<unsigned char>(text[2])));
        valid = AnsiString("BDF13579").Pos(AnsiString(std::string(1, second))) == 0;
    }
    if (!valid)
        RefuseInput("Invalid MAC Address.", "Warning");
    return valid;
}

bool TFM_FilterMACACL::IsMacUnique(const AnsiString& text)
{
    TListItems* rows = LV_GetMAC->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        const AnsiString stored = SubItemText(rows->Item(i), 0);
        if (stored == text || SameMacText(text, stored))
            return RefuseInput("Reject: The MAC already exists ", "Warning");
    }
    return true;
}

TSettingsForm::TRequests TFM_FilterMACACL::ListRequests() const
{
    return {HiddenListRequest, VisibleListRequest, AddRequest, ClientAddRequest, DeleteRequest};
}

void TFM_FilterMACACL::Bt_AddClick(TObject* Sender)
{
    if (!MayChangeTable(ListRequests()) || !MayWriteAccessMode())
        return;  // one list operation at a time: no second add of the same address
    if (!WriteModeBeforeAdd()) {
        ReportSave("", "Set error!");
        return;
    }
    if (CB_AccessControl->ItemIndex() == DisableItem || Ed_MacAdd->Text().IsEmpty()) {
        RefuseInput("Invalid MAC Address.", "Error");
        return;
    }
    TListItems* rows = LV_GetMAC->Items();
    for (int i = 0; i < rows->Count(); ++i)
        if (SubItemText(rows->Item(i), 0) == EmptyMac) {
            LV_GetMAC->SetSelected(rows->Item(i));
            break;
        }
    const AnsiString text = Ed_MacAdd->Text();
    if (text.Length() != 12) {
        RefuseInput("The length is 12 in MAC Address.", "Error", Ed_MacAdd);
        return;
    }
    if (text == EmptyMac) {
        RefuseInput("Please input a valid MAC Address.", "Warning", Ed_MacAdd);
        return;
    }
    if (!CheckMacAddress(text)) {
        if (Ed_MacAdd->CanFocus())
            Ed_MacAdd->SetFocus();
        return;
    }
    if (!IsMacUnique(text))
        return;
    StartListOp(AddRequest, true);
}

void TFM_FilterMACACL::Btn_AddCliClick(TObject* Sender)
{
    if (!MayChangeTable(ListRequests()))
        return;
    const AnsiString text = Ed_ClientInfoMac->Text();
    if (text.Length() != 12) {
        RefuseInput("The length is 12 in MAC Address.", "Error");
        return;
    }
    if (text == EmptyMac) {
        RefuseInput("Please input a valid MAC Address.", "Warning");
        return;
    }
    if (!IsMacUnique(text) || !MayWriteAccessMode())
        return;
    // The client goes on the list only once the mode says the list rejects it; a
    // refused switch leaves the box at the mode the device kept.
    const int deviceMode = CB_AccessControl->ItemIndex();
    CB_AccessControl->SetItemIndex(RejectItem);
    if (!WriteModeBeforeAdd()) {
        CB_AccessControl->SetItemIndex(deviceMode);
        ReportSave("", "Set error!");
        return;
    }
    StartListOp(ClientAddRequest, true);
}

void TFM_FilterMACACL::Bt_DelClick(TObject* Sender)
{
    if (!MayChangeTable(ListRequests()))
        return;
    TListItem* selected = LV_UerMACAddress->Selected();
    if (!selected)
        return;
    const AnsiString mac = SubItemText(selected, 0);
    TListItems* rows = LV_GetMAC->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        if (SubItemText(rows->Item(i), 0) != mac)
            continue;
        LV_GetMAC->SetSelected(rows->Item(i));
        Ed_MACAddr->SetText(mac);
        BeginSave();
        StartListOp(DeleteRequest, true);
        return;
    }
    // The device's table no longer holds the address: nothing to delete.
}

// --- clients ---------------------------------------------------------------------

void TFM_FilterMACACL::OnClientRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        clientFailure_ = "Detect timed out!" + Error.Message;
        ShowStatus(clientFailure_);
        return;
    }
    ClientTableRequest->Get();
    ShowProgress("Get Client info...!");
}

void TFM_FilterMACACL::OnClientTableDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error)) {
        clientFailure_ = Error.Message;
        return;
    }
    ShowProgress(Error.Message);
    FillClientList();
    Btn_AddCli->SetEnabled(false);
}

void TFM_FilterMACACL::FillClientList()
{
    TListItems* shown = LV_ClientUser->Items();
    shown->Clear();
    TListItems* rows = LV_ClientTable->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        const TListItem* row = rows->Item(i);
        const AnsiString mac = SubItemText(row, ccMac);
        if (mac == EmptyMac)
            continue;
        TListItem* item = shown->Add();
        item->SetCaption(mac);
        item->SubItems()->Add(SubItemText(row, ccSsid));
        item->SubItems()->Add(SubItemText(row, ccBand));
        item->SubItems()->Add(AuthenticationWord(SubItemText(row, ccAuthentication)));
        item->SubItems()->Add(SubItemText(row, ccRssi));
    }
}

void TFM_FilterMACACL::LV_ClientUserClick(TObject* Sender)
{
    TListItem* selected = LV_ClientUser->Selected();
    if (selected)
        Ed_ClientInfoMac->SetText(selected->Caption().Trim());
    Btn_AddCli->SetEnabled(selected != nullptr && pendingListOps_ == 0);
}

void TFM_FilterMACACL::LV_UerMACAddressClick(TObject* Sender)
{
    chosenAddress_ = LV_UerMACAddress->Selected() ? SubItemText(LV_UerMACAddress->Selected(), 0) : AnsiString();
    Bt_Del->SetEnabled(LV_UerMACAddress->Selected() != nullptr && pendingListOps_ == 0 &&
                       CB_AccessControl->ItemIndex() != DisableItem);
}

static const bool menuEntry = RegisterModalForm("Mac1", FM_FilterMACACL);
