// Advanced / DHCP Server, second page: the static pool switch and the device's
// fixed-row table of static leases. A free row reads IP address 0.0.0.0. Each entry of
// the user list keeps the key of its table row, so editing and deleting reach that
// row also when free rows lie between the entries.
#include "InputChecks.h"
#include "Catalogue.h"
#include "Dhcp.h"
#include "FormBuilder.h"
#include "KwReadSequence.h"
#include "KwSNMPRequest2Edits.h"
#include "ListCells.h"

#include <cctype>

const char* const StaticPoolFullText =
    "The static pool is full. Delete an entry before adding another one.";
const char* const StaticPoolNotReadText =
    "The static pool has not been read from the device. Close the form and open it again.";
const char* const StaticPoolReadingText =
    "The static pool is being read from the device. Save again once the list is shown.";

namespace {
const int DisableItem = 0;
const int EnableItem = 1;
const int RouterModeItem = 4;
// Sub-items of a static table row.
const int StatusColumn = 0;
const int HostColumn = 1;
const int IpColumn = 2;
const int MacColumn = 3;
const char* const FreeIp = "0.0.0.0";

bool IsFreeRow(TListItem* row) { return SubItemText(row, IpColumn) == FreeIp; }
}  // namespace

void TFM_DHCP::BuildStaticPage()
{
    TFormBuilder build(TabSheet2);
    TFormRows rows(build, TRowColumns{16, 180, 150, 26}, 8);
    build.Label("Lb_StaticServerControl", "DHCP Server Control", 16, rows.Top());
    rows.Skip(20);
    CB_Fuction2 = rows.Combo("Lb_Function2", "Function Enable/Disable", "CB_Fuction2");
    CB_Fuction2->OnChange = [this](TObject* S) { CB_Fuction2Change(S); };
    ED_StaticAssignIP = rows.Edit("Lb_StaticAssignIP", "Assigned IP", "ED_StaticAssignIP", 15);
    ED_StaticAssignMAC = rows.Edit("Lb_StaticAssignMAC", "Assigned MAC Address", "ED_StaticAssignMAC", 12);
    ED_StaticSubMask = rows.Edit("Lb_StaticSubMask", "Subnet Mask ", "ED_StaticSubMask", 15);
    ED_StaticGateway = rows.Edit("Lb_StaticGateway", "Gateway ", "ED_StaticGateway", 15);
    const int rightTop = rows.Top();
    TFormRows right(build, TRowColumns{350, 445, 110, 26}, 28 + 26);
    ED_StaticWins = right.Edit("Lb_StaticWins", "Wins ", "ED_StaticWins", 15);
    ED_StaticDNS = right.Edit("Lb_StaticDNS", "DNS ", "ED_StaticDNS", 15);
    ED_StaticDoname = right.Edit("Lb_StaticDoname", "Domain Name ", "ED_StaticDoname", 63);
    ED_StaticHostName = right.Edit("Lb_StaticHostName", "Host Name", "ED_StaticHostName");
    ED_StaticHostName->SetText("");  // empty until a row gives it a name
    Btn_Add = build.Button("Btn_Add", "Save", 350, rightTop + 4, [this](TObject* S) { Btn_AddClick(S); });
    Btn_Del = build.Button("Btn_Del", "Del", 435, rightTop + 4, [this](TObject* S) { Bt_DelClick(S); });
    Bt_Edit = build.Button("Bt_Edit", "Edit", 435, rightTop + 34, [this](TObject* S) { Bt_EditClick(S); });
    Bt_Edit->SetVisible(false);
    User_ListView = build.List("User_ListView",
                               {{"MAC Address", 160}, {"IP Address", 120}, {"Host Name", 80}}, 16,
                               rightTop + 40, 480, 150);
    User_ListView->SetGridLines(true);
    User_ListView->OnSelectItem = [this](TObject* S, TListItem* I, bool On) { User_ListViewSelectItem(S, I, On); };
    User_ListView->OnClick = [this](TObject* S) { LV_StaticPoolSetClick(S); };
    StatusBar2 = build.StatusBar("StatusBar2", {50});
    LV_StaticPoolSet = build.HiddenList("LV_StaticPoolSet", 0);
    LV_StaticPoolSet->OnClick = [this](TObject* S) { LV_StaticPoolSetClick(S); };
    Lb_Index = build.Label("Lb_Index", "", 0, 0);
    Lb_Index->SetVisible(false);
    CB_StaticStatus = build.HiddenCombo("CB_StaticStatus");
    staticRows_ = std::make_unique<TKeyedRows>(LV_StaticPoolSet, User_ListView);
}

void TFM_DHCP::CreateStaticRequests()
{
    StaticRequest = GroupRequest(staticIndexVars, MVT_UMV, 1, 10000, 1);
    StaticRequest->BindListView(LV_StaticPoolSet, true);
    StaticRequest->ShowsRowsIn(User_ListView);
    StaticRequest->AttachStatusBar(StatusBar2);
    BindByPosition(StaticRequest, {Lb_Index, CB_StaticStatus, ED_StaticHostName, ED_StaticAssignIP,
                                   {ED_StaticAssignMAC, "%h"}, ED_StaticSubMask, ED_StaticGateway, ED_StaticDNS,
                                   ED_StaticWins, ED_StaticDoname});
    StaticRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnStaticGetDone(S, E); };
    StaticRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnStaticSetDone(S, E); };
    // The static entry being edited, chosen again in the list as read by what its row shows.
    ReadAgainOnPress({StaticRequest}, {User_ListView, [this] { return !AddMode; }});
    if (KwReadSequence::SilentDeviceSeen()) {
        // The device did not answer this opening's reads: the table is not asked for,
        // and nothing keeps the form from closing.
        ShowFormStatus(StatusBar2, KwReadSequence().FailureText());
    } else {
        ShowFormStatus(StatusBar2, "Listing data ... ");
        StaticRequest->Get();
    }

    StaticDeleteRequest = BoundGroup(dhcpServerStaticDeleteVars, SVT_SV, {Lb_Index}, 10000, 0);
    ED_StaticAssignIP->SetMaxLength(15);
    ED_StaticAssignMAC->SetMaxLength(12);
    for (TEdit* edit : {ED_StaticSubMask, ED_StaticGateway, ED_StaticWins, ED_StaticDNS})
        edit->SetMaxLength(15);
    ED_StaticDoname->SetMaxLength(63);
}

TListItem* TFM_DHCP::FirstFreeStaticRow() const { return staticRows_->FirstHiddenRow(IsFreeRow); }

TListItem* TFM_DHCP::StaticRowOf(const TListItem* shown) const
{
    return staticRows_->HiddenRow(staticRows_->KeyOf(shown));
}

void TFM_DHCP::OnStaticGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    SayStaticOutcomeOnPoolPage(Error);
    if (Error.Code != 0) {
        ShowStatusIn(StatusBar2, Error.Message);
        Bt_Cancel->SetEnabled(true);  // a failed read keeps nobody in the form
        UpdateEditStates();           // the entry follows the device's switch: a press reads the list first
        Btn_Add->SetEnabled(true);
        Btn_Del->SetEnabled(!AddMode);  // the entry being edited, chosen again by that read
        return;
    }
    // The next Save adds its entry in the first free row.
    LV_StaticPoolSet->SetSelected(FirstFreeStaticRow());
    ED_StaticAssignIP->SetText("");
    ED_StaticAssignMAC->SetText("");
    ClearRouterZeroServers(ED_StaticWins, ED_StaticDNS);
    Bt_Refresh->SetEnabled(true);
    Bt_Cancel->SetEnabled(true);
    StaticListUnread = false;
    StaticReadAwaited = false;
    AddMode = true;  // the user list is rebuilt: no entry is being edited
    EnableStaticLists(true);
    CB_Fuction2->SetItemIndex(CB_Fuction1->ItemIndex());
    Bt_Apply->SetEnabled(true);
    Btn_Add->SetEnabled(true);
    Bt_Edit->SetEnabled(false);
    UpdateEditStates();
    FillStaticUserList();
    ShowStatusIn(StatusBar2, "Get OK!");
}

void TFM_DHCP::SayStaticOutcomeOnPoolPage(const KwSNMPError& error)
{
    if (error.Code != 0) {
        if (staticFailureSaid_.IsEmpty())
            poolPageStatus_ = StatusBar1->SimpleText();
        staticFailureSaid_ = error.Message;
        ShowFormStatus(StatusBar1, error.Message);
    } else if (!staticFailureSaid_.IsEmpty()) {
        if (StatusBar1->SimpleText() == staticFailureSaid_)
            ShowFormStatus(StatusBar1, poolPageStatus_);
        staticFailureSaid_ = AnsiString();
    }
}

void TFM_DHCP::OnStaticSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    SayStaticOutcomeOnPoolPage(Error);
    if (Error.Code != 0) {
        ShowFormStatus(StatusBar2, SaveVerdict("Setting Success!", "Setting Error!"));
        // The entry was not written: it can be corrected and saved again.
        UpdateEditStates();
        Btn_Add->SetEnabled(true);
        Bt_Cancel->SetEnabled(true);
        return;
    }
    StaticReadAwaited = true;
    ShowStatusIn(StatusBar2, SaveVerdict("Setting Success!", "Setting Error!"));
    // The request reads the table again by itself; OnStaticGetDone follows.
}

void TFM_DHCP::FillStaticUserList()
{
    staticRows_->Fill([](TListItem* row) { return !IsFreeRow(row); },
                      [](TListItem* row, TListItem* shown) {
                          shown->SetCaption(SubItemText(row, MacColumn));
                          shown->SubItems()->Add(SubItemText(row, IpColumn));
                          shown->SubItems()->Add(SubItemText(row, HostColumn));
                      });
    ED_StaticAssignIP->SetText("");
    ED_StaticAssignMAC->SetText("");
    ED_StaticSubMask->SetText(Ed_SubMask->Text());
    ED_StaticDNS->SetText(Ed_DNS->Text());
    ED_StaticGateway->SetText(Ed_Gateway->Text());
    ED_StaticWins->SetText(Ed_Wins->Text());
    ED_StaticDoname->SetText(Ed_DomNa->Text());
}

void TFM_DHCP::User_ListViewSelectItem(TObject* Sender, TListItem* Item, bool Selected)
{
    if (!User_ListView->Selected()) {
        Btn_Del->SetEnabled(false);
        Bt_Edit->SetEnabled(true);
        Btn_Add->SetEnabled(true);
        return;
    }
    AddMode = false;
    staticRows_->ChooseHiddenOfSelected();
    Btn_Del->SetEnabled(true);
    Bt_Edit->SetEnabled(true);
    Btn_Add->SetEnabled(true);
}

void TFM_DHCP::LV_StaticPoolSetClick(TObject* Sender)
{
    Bt_Edit->SetEnabled(true);
    Bt_EditClick(Sender);
}

void TFM_DHCP::Bt_EditClick(TObject* Sender)
{
    // The entry's own row, by its key: free rows between entries change nothing.
    if (staticRows_->ChooseHiddenOfSelected())
        AddMode = false;
}

void TFM_DHCP::Btn_AddClick(TObject* Sender)
{
    if (!StaticRequest || !StaticSwitchRequest)
        return;
    const TSaveGuardTexts guard = {StaticPoolNotReadText, StaticPoolReadingText, "Warning"};
    // What goes out depends on the switch: nothing while it shows no choice.
    if (CB_Fuction2->ItemIndex() < 0)
        return void(RefuseUnshownSwitch(CB_Fuction2));
    BeginSave();
    if (CB_Fuction2->ItemIndex() == DisableItem) {
        // Only the switch goes out: nothing of the table is checked or needed.
        if (!MaySave(StaticSwitchRequest, guard))
            return;
        AddMode = true;
        WriteGroup(StaticSwitchRequest);
        ShowFormStatus(StatusBar2, SaveVerdict("Setting Success!", "Setting Error!"));
        CB_Fuction1Change(Sender);
        return;
    }
    // Until the table has been read there is no row to write.
    if (!MayChangeTable(StaticTableRequests(), StatusBar2))
        return;
    SaveStaticEntry();
}

bool TFM_DHCP::IsValidStaticMac(const AnsiString& text)
{
    if (text.IsEmpty() || text == "000000000000")
        return RefuseInput("Invalid MAC Address.", "Warning");
    // The first octet's group bit: a multicast address is no host.
    const char second = char(std::toupper(static_cast<unsigned char>(text[2])));
    if (second == 'B' || second == 'D' || second == 'F' || second == '1' || second == '3' ||
        second == '5' || second == '7' || second == '9')
        return RefuseInput("Invalid MAC Address.", "Warning");
    return true;
}

bool TFM_DHCP::CheckStaticEntry()
{
    TEdit* const ip = ED_StaticAssignIP;
    TEdit* const mac = ED_StaticAssignMAC;
    if (ip->Text().IsEmpty())
        return RefuseInput("Please input valid IP address", "Warning", ip);
    if (!IsValidHostAddressText(ip->Text())) {
        ip->SetText("");
        return RefuseInput("Please input valid IP address", "Waring", ip);
    }
    if (ip->Text() == ED_IpAddr->Text()) {
        ip->SetText("");
        return RefuseInput("Please input valid IP address.", "Waring", ip);
    }
    if (mac->Text().Length() != 12) {
        mac->SetText("");
        return RefuseInput("Please input valid MAC address.", "Waring", mac);
    }
    if (!IsValidStaticMac(mac->Text())) {
        mac->SetText("");
        mac->SetFocus();
        return false;
    }
    if (!IsValidSubnetMaskText(ED_StaticSubMask->Text())) {
        ED_StaticSubMask->SetText("");
        return RefuseInput("Please input valid SubMask.", "Waring", ED_StaticSubMask);
    }
    if (ED_StaticHostName->Text().IsEmpty())
        return RefuseInput("Invalid Computer Name!", "Warning", ED_StaticHostName);
    return true;
}

bool TFM_DHCP::IsStaticMacUnique(const AnsiString& targetKey)
{
    const AnsiString mac = ED_StaticAssignMAC->Text().UpperCase();
    // The row being written may keep its own MAC; any other row may not, whatever the
    // letter case it was typed in.
    TListItem* other = staticRows_->FirstHiddenRow([&](TListItem* row) {
        return row->Caption() != targetKey && SubItemText(row, MacColumn).UpperCase() == mac;
    });
    if (!other)
        return true;
    RefuseInput("Reject: The MAC has already existed in IP Static pool.", "Warning");
    Btn_Del->SetEnabled(true);
    Btn_Add->SetEnabled(true);
    Bt_Edit->SetEnabled(true);
    EnableStaticEntry(true);
    ED_StaticAssignMAC->SetFocus();
    return false;
}

void TFM_DHCP::SaveStaticEntry()
{
    // A refused entry stays the edit of its row: the corrected one is saved there.
    if (!CheckStaticEntry())
        return;
    // The row to write: the entry being edited, or the first free row for a new one.
    // A full table is refused: a new entry never overwrites an existing one.
    TListItem* target = !AddMode ? staticRows_->HiddenRow(Lb_Index->Caption()) : FirstFreeStaticRow();
    if (!target) {
        RefuseInput(StaticPoolFullText, "Warning");
        return;
    }
    const AnsiString targetKey = target->Caption();

    for (TButton* button : {Btn_Del, Btn_Add, Bt_Edit})
        button->SetEnabled(false);
    EnableStaticEntry(false);
    if (!IsStaticMacUnique(targetKey))
        return;
    for (int column = 1; column <= 9; ++column)  // the key names the row; it is not written
        MarkVars(StaticRequest, smSend, column);
    if (!WriteGroup(StaticSwitchRequest)) {
        ShowFormStatus(StatusBar2, SaveVerdict("Setting Success!", "Setting Error!"));
        UpdateEditStates();
        Btn_Add->SetEnabled(true);
        return;
    }
    CB_StaticStatus->SetItemIndex(EnableItem);
    Lb_Index->SetCaption(targetKey);
    // An edited entry stays the edit of its row until the table's read after the write
    // (OnStaticGetDone): a refused write is corrected there, and a press after a failed
    // read acts on it again.
    WriteGroup(StaticRequest);
    Bt_Cancel->SetEnabled(true);
}

TSettingsForm::TRequests TFM_DHCP::StaticTableRequests() const
{
    return {StaticRequest, StaticSwitchRequest, StaticDeleteRequest};
}

void TFM_DHCP::Bt_DelClick(TObject* Sender)
{
    if (!StaticRequest || AddMode || !MayChangeTable(StaticTableRequests(), StatusBar2))
        return;
    // The entry chosen in the user list, by the key of its own table row.
    const AnsiString key = staticRows_->SelectedKey();
    if (User_ListView->Selected() && !key.IsEmpty() &&
        Application->MessageBox("Are you sure that you want to delete this entry?", "Warning",
                                MB_OKCANCEL) == IDOK) {
        Lb_Index->SetCaption(key);
        BeginSave();
        if (WriteGroup(StaticDeleteRequest)) {
            StaticRequest->Get();
            ShowStatusIn(StatusBar2, SaveVerdict("Delete OK!", "Delete OK!"));
        } else {
            const AnsiString failure = StaticDeleteRequest->Request.LastFailure.Message;
            ShowFormStatus(StatusBar2, failure.IsEmpty() ? AnsiString("Delete Error!") : failure);
        }
    }
    StaticListUnread = false;
    EnableStaticLists(true);
}
