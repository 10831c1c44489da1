#include "Admin2.h"

#include "InputChecks.h"
#include "Catalogue.h"
#include "DebugTraceLine.h"
#include "FormBuilder.h"
#include "KwValueText.h"
#include "ListCells.h"
#include "New_req2Edit.h"
#include "SetContents.h"
#include "SystemTexts.h"
#include "SysUtils.h"

TFM_Admin2* FM_Admin2 = nullptr;

const char* const AdminNotReadText =
    "The administrator settings have not been read from the device. Close this window and open it again.";
const char* const SystemNameNotReadText = "System name and location not read: not written.";

namespace {
const TSaveGuardTexts SaveGuard = {AdminNotReadText, AdminNotReadText, "Warning"};
const char* const FreeAddress = "0.0.0.0";
const char* const AccessLimitText = "Access limit";
const int MaxRanges = 4;
const int MaxNameLength = 64;
// Every group box: its width, and its rows of caption and control.
const int GroupWidth = 420;
const TRowColumns Columns{12, 170, 220, 28};

// Cells of a hidden range row and of a user list row: start, end (after the caption).
enum { rcStart = 0, rcEnd = 1 };

bool IsFreeRow(TListItem* row) { return SubItemText(row, rcStart) == FreeAddress && SubItemText(row, rcEnd) == FreeAddress; }
}  // namespace

TFM_Admin2::TFM_Admin2(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_Admin2", "Tools \\ Administrator Settings", FM_Admin2))
{
    TFormBuilder build(this);
    const int width = GroupWidth;
    BuildLoginGroup(build);
    BuildSystemNameGroup(build);
    BuildManagerGroup(build);
    BuildControlGroup(build);
    BuildTrapGroup(build);
    OK = build.Button("OK", "Save", width + 8 - 2 * TFormBuilder::ButtonWidth - 10, 630,
                      ReadSequence([this](TObject* S) { OKClick(S); }));
    Cancel = build.Button("Cancel", "Cancel", width + 8 - TFormBuilder::ButtonWidth, 630,
                          [this](TObject* S) { CancelClick(S); });
    StatusBar = build.StatusBar("StatusBar", {400});
    SetStatusBar(StatusBar);

    Ed_Pwd = build.HiddenEdit("Ed_Pwd");
    CB_managerIpAddressStatus = build.HiddenCombo("CB_managerIpAddressStatus");
    CB_Telnet = build.HiddenCombo("CB_Telnet");
    CB_SHH = build.HiddenCombo("CB_SHH");
    ListView_IpRange = build.HiddenList("ListView_IpRange", 0);
    LA_Index = build.Label("LA_Index", "", 0, 0, 40);
    LA_Index->SetVisible(false);
    Ed_From = build.HiddenEdit("Ed_From");
    Ed_To = build.HiddenEdit("Ed_To");
    Ed_Delete = build.HiddenEdit("Ed_Delete");
    NetMask = build.HiddenEdit("NetMask");
    NetMask->SetText("255.255.255.0");
    CB_DeviceApplySetting = build.HiddenCombo("CB_DeviceApplySetting");

    SetClientWidth(width + 16);
    FitClientHeight();

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_Admin2::BuildLoginGroup(TFormBuilder& build)
{
    GroupBox3 = build.Group("GroupBox3", "Administrator", 8, 8, GroupWidth, 142);
    TFormBuilder in = build.In(GroupBox3);
    TFormRows rows(in, Columns, 20);
    Ed_Usr = rows.Edit("Lb_Usr", "User Name", "Ed_Usr", MaxNameLength);
    // A login name: given, of 64 characters at most, of the characters a name takes; what
    // is refused is emptied.
    DeclareCheck(Ed_Usr,
                 InTurn({EditCheck([](const AnsiString& text) { return !text.IsEmpty(); },
                                   "Please input the login name!", "Warning", ""),
                         EditCheck([](const AnsiString& text) { return text.Length() <= MaxNameLength; },
                                   "Please limit user name to 64 characters!", "Warning", ""),
                         EditCheck(IsValidUserName, "Invaild UserName!", "Warning", "")}));
    Ed_OPwd = rows.Edit("Lb_OPwd", "Old Password", "Ed_OPwd", MaxNameLength);
    Ed_NPwd = rows.Edit("Lb_NPwd", "New Password", "Ed_NPwd", MaxNameLength);
    Ed_CNP = rows.Edit("Lb_CNP", "Confirm New Password", "Ed_CNP", MaxNameLength);
    for (TEdit* secret : {Ed_OPwd, Ed_NPwd, Ed_CNP})
        secret->SetPasswordChar('*');
}

void TFM_Admin2::BuildSystemNameGroup(TFormBuilder& build)
{
    GroupBox2 = build.Group("GroupBox2", "System Name Settings ", 8, 156, GroupWidth, 82);
    TFormBuilder in = build.In(GroupBox2);
    TFormRows rows(in, Columns, 20);
    Ed_SysName = rows.Edit("Lb_SysName", "System Name", "Ed_SysName", SystemTextMaxLength);
    Ed_Location = rows.Edit("Lb_Location", "System Location", "Ed_Location", SystemTextMaxLength);
}

void TFM_Admin2::BuildManagerGroup(TFormBuilder& build)
{
    GroupBox1 = build.Group("GroupBox1", "Manager", 8, 244, GroupWidth, 250);
    TFormBuilder in = build.In(GroupBox1);
    CheckBox_VID = in.Check("CheckBox_VID", "Limit Administrator VID", 12, 22, 180);
    CheckBox_VID->OnClick = [this](TObject* S) { CheckBox_VIDClick(S); };
    Ed_VID = in.Edit("Ed_VID", 200, 20, 60, 4);
    // The range the VID's binding allows; anything else never reaches the device, and is emptied.
    DeclareCheck(Ed_VID, NumberCheck(1, 4094, "The VID value range is 1~4094.", "Warning"));
    Ed_VID->SetAccessibleName(CheckBox_VID->Caption());
    CkBx_ManagerState = in.Check("CkBx_ManagerState", "Limit Administrator IP", 12, 50, 180);
    CkBx_ManagerState->OnClick = [this](TObject* S) { CkBx_ManagerStateClick(S); };
    in.Label("Lb_From", "From:", 12, 82, 40);
    Ed_FromIP = in.Edit("Ed_FromIP", 52, 78, 120);
    in.Label("Lb_To", "To:", 182, 82, 26);
    Ed_ToIP = in.Edit("Ed_ToIP", 208, 78, 120);
    Btn_Add = in.Button("Btn_Add", "Add", 336, 78, [this](TObject* S) { Btn_AddClick(S); }, 70);
    ListView_User = in.List("ListView_User", {}, 12, 108, 320, 130);
    ListView_User->OnClick = [this](TObject* S) { ListView_UserClick(S); };
    Btn_Del = in.Button("Btn_Del", "Delete", 336, 108, [this](TObject* S) { Btn_DelClick(S); }, 70);
}

void TFM_Admin2::BuildControlGroup(TFormBuilder& build)
{
    GB_Control = build.Group("GB_Control", "Control Setting", 8, 500, GroupWidth, 122);
    TFormBuilder in = build.In(GB_Control);
    RadioGroup1 = in.Add<TRadioGroup>("RadioGroup1", 12, 18, 396, 40);
    RadioGroup1->SetColumns(3);
    for (const char* item : {"None", "Telnet", "SSH"})
        RadioGroup1->Items()->Add(item);
    RadioGroup1->OnClick = [this](TObject* S) { RadioGroup1Click(S); };
    TFormRows rows(in, Columns, 62);
    CB_Timeout = rows.Combo("Lb_Timeout", "Timeout", "CB_Timeout");
    CB_Ping = rows.Combo("Lb_Ping", "Ping Control", "CB_Ping");
}

void TFM_Admin2::BuildTrapGroup(TFormBuilder& build)
{
    GroupBox4 = build.Group("GroupBox4", "Trap", 8, 628, GroupWidth, 60);
    TFormBuilder in = build.In(GroupBox4);
    CB_TrapStatus = in.Combo("CB_TrapStatus", {}, 12, 20, 90);
    Ch_SystemTrap = in.Check("Ch_SystemTrap", "System Trap ", 110, 22, 100);
    Ch_WirelessTrap = in.Check("Ch_WirelessTrap", "Wireless Trap ", 212, 22, 100);
    Ed_TrapServerIp = in.Edit("Ed_TrapServerIp", 316, 20, 90);
    CB_TrapType = in.HiddenCombo("CB_TrapType");
    GroupBox4->SetVisible(false);  // the device's traps are not offered here
}

void TFM_Admin2::FormCreate(TObject* Sender)
{
    const auto read = [this](KwSNMPRequest2Edits* request) { ReadGroup(request); };
    try {
        // 1. Management access limits; a limit the two boxes cannot show is named in the
        // note of kept values.
        NameControl(CB_managerIpAddressStatus, AccessLimitText);
        // The boxes set the status as the user clicks them: a range's Add or Delete,
        // which writes no status, names them as not saved.
        TurnedThrough(CB_managerIpAddressStatus, {CheckBox_VID, CkBx_ManagerState});
        ManagerRequest =
            BoundGroup(managerIpAddressStatusVars, SVT_SV, {CB_managerIpAddressStatus, {Ed_VID, "%u{n1x4094}"}}, 10000, 0);
        read(ManagerRequest);
        StatusToCheckBoxes();
        Ed_VID->SetEnabled(CheckBox_VID->Checked());

        // 2. Console, time-out, system name, login.
        NameControl(CB_Telnet, "Telnet");
        NameControl(CB_SHH, "SSH");
        ConsoleRequest = BoundGroup(telnetVars, MVT_SV, {CB_Telnet, CB_SHH}, 10000, 0);
        read(ConsoleRequest);
        TimeoutRequest = BoundGroup(timeoutVars, SVT_SV, {CB_Timeout}, 10000, 0);
        read(TimeoutRequest);
        SystemNameRequest = BoundGroup(systemNameVars, SVT_SV, {Ed_SysName, Ed_Location}, 10000, 0);
        read(SystemNameRequest);
        if (SystemNameRead())
            deviceTexts_.TakeShown({Ed_SysName, Ed_Location});
        LoginRequest = BoundGroup(usersNameVars, MVT_SV, {Ed_Usr, Ed_Pwd}, 10000, 0);
        read(LoginRequest);

        // 3. Traps (kept, not offered); a status the box cannot show is named by the
        // hidden group's title.
        NameControl(CB_TrapStatus, GroupBox4->Caption());
        TrapRequest = BoundGroup(trapStatusVars, SVT_SV, {CB_TrapStatus, CB_TrapType}, 10000, 0);
        read(TrapRequest);
        if (CB_TrapType->ItemIndex() == 0 || CB_TrapType->ItemIndex() == 1) {
            Ch_SystemTrap->SetChecked(CB_TrapType->ItemIndex() == 0);
            Ch_WirelessTrap->SetChecked(CB_TrapType->ItemIndex() == 1);
        }

        // 4. Ping.
        PingRequest = BoundGroup(pingControlStatusVars, SVT_SV, {CB_Ping}, 10000, 0);
        read(PingRequest);

        // 5. The range table (whole, hidden), the ranges in use (shown), the delete.
        RangeRequest = GroupRequest(managerIpAddressIndexVars, MVT_UMV, 1, 10000);
        RangeRequest->BindListView(ListView_IpRange, true);
        BindByPosition(RangeRequest, {LA_Index, Ed_From, Ed_To});
        RangeRequest->AttachStatusBar(StatusBar);
        RangeRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnManagerRangeSetDone(S, E); };
        const KwSNMPDoneEvent walked = [this](KwSNMPRequest2Controls*, KwSNMPError& E) { ShowFailure(E); };
        RangeRequest->OnGetDone = walked;
                ReadGroup(RangeRequest);

        UserListRequest = GroupRequest<New_req2Edit>(IndexVars2, MVT_UMV, 1, 10000);
        UserListRequest->BindListView(ListView_User, true);
        UserListRequest->SkipIndex = 1;
        UserListRequest->SkipValue = FreeAddress;
        UserListRequest->OnGetDone = walked;
        // Add acts on the range typed, Delete on the range chosen in the list, known by its
        // addresses (the row number moves with the ranges before it).
        ReadAgainOnPress({RangeRequest, UserListRequest},
                         {ListView_User, [this] { return ListView_User->Selected(); }, nullptr,
                          [](const TListItem* row) { return SubItemText(row, rcStart) + "-" + SubItemText(row, rcEnd); }},
                         [this] { RefreshManagerRanges(); });
        ReadGroup(UserListRequest);
        if (ListView_User->Columns()->Count() > 2) {
            ListView_User->Column(0)->SetWidth(0);  // the row number: no column of its own
            ListView_User->Column(1)->SetWidth(100);
            ListView_User->Column(2)->SetWidth(100);
        }

        DeleteRequest = BoundGroup(managerDeleteVars, SVT_SV, {Ed_Delete}, 10000);
        DeleteRequest->AttachStatusBar(StatusBar);
        DeleteRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnManagerDeleteDone(S, E); };
    } catch (const std::exception& e) {
        // What was read stays; Save refuses groups that were not.
        ShowStatus(AnsiString(e.what()));
    }

    for (TEdit* edit : {Ed_Usr, Ed_OPwd, Ed_NPwd, Ed_CNP})
        edit->SetMaxLength(MaxNameLength);
    for (TEdit* edit : {Ed_SysName, Ed_Location}) {
        edit->SetMaxLength(SystemTextMaxLength);
        edit->SetEnabled(SystemNameRead());  // nothing typed there could be written
    }
    RadioFromConsole();
    ResetRangeInputs();
    CkBx_ManagerStateClick(this);
    // A Save without changes writes the device's password again.
    for (TEdit* secret : {Ed_OPwd, Ed_NPwd, Ed_CNP})
        secret->SetText(Ed_Pwd->Text());
    Ed_VID->SetMaxLength(4);
    if (ManagerRequest && GroupRead(ManagerRequest))
        deviceVid_.TakeShown({Ed_VID});
    if (LoginRequest && GroupRead(LoginRequest))
        deviceUser_.TakeShown({Ed_Usr});
    vidClicked_ = false;  // the boxes were set from the device, not clicked
}

// --- small helpers -----------------------------------------------------------------

void TFM_Admin2::ResetRangeInputs()
{
    Ed_FromIP->Clear();
    Ed_ToIP->Clear();
    Btn_Del->SetEnabled(false);
}

void TFM_Admin2::StatusToCheckBoxes()
{
    const int status = CB_managerIpAddressStatus->ItemIndex();
    if (status >= 0 && status <= 3) {
        CheckBox_VID->SetChecked(status == 1 || status == 3);
        CkBx_ManagerState->SetChecked(status == 2 || status == 3);
    } else if (ManagerRequest && GroupRead(ManagerRequest)) {
        // A limit the two boxes cannot show: both grayed, and Save leaves it as the
        // device has it until the user clicks one.
        CheckBox_VID->SetState(cbGrayed);
        CkBx_ManagerState->SetState(cbGrayed);
    }
}

bool TFM_Admin2::AccessLimitShown() const
{
    return CheckBox_VID->State() != cbGrayed && CkBx_ManagerState->State() != cbGrayed;
}

void TFM_Admin2::CheckBoxesToStatus()
{
    if (!AccessLimitShown())
        return;
    CB_managerIpAddressStatus->SetItemIndex((CkBx_ManagerState->Checked() ? 2 : 0) + (CheckBox_VID->Checked() ? 1 : 0));
    // Named by the boxes that show other than the device holds.
    const int device = CB_managerIpAddressStatus->Items()->IndexOf(DeviceSwitchItem(CB_managerIpAddressStatus));
    AnsiString turned;
    const std::pair<TCheckBox*, int> boxes[] = {{CheckBox_VID, 1}, {CkBx_ManagerState, 2}};
    for (const auto& [box, bit] : boxes)
        if (device >= 0 && box->Checked() != ((device & bit) != 0))
            turned = turned.IsEmpty() ? box->Caption() : turned + ", " + box->Caption();
    NameControl(CB_managerIpAddressStatus, turned.IsEmpty() ? AnsiString(AccessLimitText) : turned);
}

void TFM_Admin2::SettleAccessLimit(TCheckBox* clicked, TCheckBox* other)
{
    // The user's click on one box of a limit they could not see chooses both.
    if (clicked->State() != cbGrayed && other->State() == cbGrayed)
        other->SetChecked(false);
}

void TFM_Admin2::CheckBox_VIDClick(TObject* Sender)
{
    vidClicked_ = true;
    SettleAccessLimit(CheckBox_VID, CkBx_ManagerState);
    CheckBoxesToStatus();
    Ed_VID->SetEnabled(CheckBox_VID->Checked());
}

void TFM_Admin2::CkBx_ManagerStateClick(TObject* Sender)
{
    SettleAccessLimit(CkBx_ManagerState, CheckBox_VID);
    CheckBoxesToStatus();
    const bool limited = CkBx_ManagerState->Checked();
    Ed_FromIP->SetEnabled(limited);
    Ed_ToIP->SetEnabled(limited);
    Btn_Add->SetEnabled(limited);
}

void TFM_Admin2::ListView_UserClick(TObject* Sender)
{
    if (!ListView_User->Selected()) {
        Btn_Del->SetEnabled(false);
        return;
    }
    Btn_Del->SetEnabled(true);
    CkBx_ManagerStateClick(Sender);
}

void TFM_Admin2::RadioFromConsole()
{
    const int telnet = CB_Telnet->ItemIndex();
    const int ssh = CB_SHH->ItemIndex();
    if (telnet == 0 && ssh == 0)
        RadioGroup1->SetItemIndex(0);
    else if (telnet == 1 && ssh == 0)
        RadioGroup1->SetItemIndex(1);
    else if (telnet == 0 && ssh == 1)
        RadioGroup1->SetItemIndex(2);
    else
        return;  // both on (or unknown): no choice shown
    CB_Timeout->SetEnabled(RadioGroup1->ItemIndex() != 0);
}

void TFM_Admin2::RadioGroup1Click(TObject* Sender)
{
    switch (RadioGroup1->ItemIndex()) {
    case 0: CB_Telnet->SetItemIndex(0); CB_SHH->SetItemIndex(0); CB_Timeout->SetEnabled(false); break;
    case 1: CB_Telnet->SetItemIndex(1); CB_SHH->SetItemIndex(0); CB_Timeout->SetEnabled(true); break;
    case 2: CB_Telnet->SetItemIndex(0); CB_SHH->SetItemIndex(1); CB_Timeout->SetEnabled(true); break;
    default: break;
    }
}

bool TFM_Admin2::IsValidUserName(const AnsiString& text)
{
    for (int i = 1; i <= text.Length(); ++i) {
        const char c = text[i];
        const bool accepted = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                              c == '@' || c == '.' || c == '_' || c == '-';
        if (!accepted)
            return false;
    }
    return true;
}

// --- Save --------------------------------------------------------------------------

bool TFM_Admin2::CheckSaveInput()
{
    if (CheckBox_VID->Checked() && VidEdited()) {
        if (!PassesCheck(Ed_VID))
            return false;
    }
    if (Ed_OPwd->Text() != Ed_Pwd->Text())
        return RefuseInput("Please input the current password correctly!", "Warning");
    // A login name the user did not edit is the device's: neither checked nor written.
    // A refused one empties the range's inputs too.
    if (deviceUser_.Edited(Ed_Usr) && !DeclaredRefusal(Ed_Usr, Ed_Usr->Text()).IsEmpty()) {
        ResetRangeInputs();
        return PassesCheck(Ed_Usr);
    }
    if (Ed_NPwd->Text().Length() > MaxNameLength) {
        Ed_NPwd->Clear();
        ResetRangeInputs();
        return RefuseInput("Please limit password to 64 characters!", "Warning", Ed_NPwd);
    }
    if (Ed_CNP->Text() != Ed_NPwd->Text()) {
        ResetRangeInputs();
        return RefuseInput("Please input the confirm new password correctly!", "Warning", Ed_NPwd);
    }
    return !SystemNameRead() ||
           CheckSystemTexts({{Ed_SysName, SystemNameTooLongText}, {Ed_Location, SystemLocationTooLongText}},
                            deviceTexts_, "Warning");
}

void TFM_Admin2::MarkConsole()
{
    static const TSendMark marks[3][3] = {
        {smSend, smSend, smKeep},   // None: both off, no time-out
        {smSend, smKeep, smSend},   // Telnet
        {smKeep, smSend, smSend}};  // SSH
    const int choice = RadioGroup1->ItemIndex();
    if (choice < 0 || choice > 2)
        return;
    MarkVars(ConsoleRequest, marks[choice][0], 0);
    MarkVars(ConsoleRequest, marks[choice][1], 1);
    MarkVars(TimeoutRequest, marks[choice][2], 0);
}

void TFM_Admin2::OKClick(TObject* Sender)
{
    // Until every group Save writes has been read, its controls hold no device values:
    // placeholders must never become the device's login.
    // The system name and location are written only when read (SystemNameRead).
    for (KwSNMPRequest2Edits* request : {LoginRequest, ConsoleRequest, TimeoutRequest, PingRequest, ManagerRequest})
        if (!request || !MaySave(request, SaveGuard))
            return;
    if (!CheckSaveInput())
        return;

    // The login request sends the new password from Ed_Pwd; until the device has taken
    // it, the device's own stays the one the old password is checked against.
    const AnsiString devicePassword = Ed_Pwd->Text();
    Ed_Pwd->SetText(Ed_NPwd->Text());
    CheckBoxesToStatus();
    MarkVars(ManagerRequest, AccessLimitShown() ? smSend : smLeaveOut, 0);
    const bool vidSent = CheckBox_VID->Checked() && VidEdited();
    MarkVars(ManagerRequest, vidSent ? smSend : smLeaveOut, 1);
    MarkConsole();
    deviceUser_.MarkEdited(LoginRequest, 0, Ed_Usr);
    // A password the edits cannot hold (the device gave another type) is never written
    // back: with the login name kept too, the login set is not sent.
    const bool passwordKept = devicePassword == KwNoValueText && Ed_NPwd->Text() == devicePassword;
    MarkVars(LoginRequest, passwordKept ? smKeep : smSend, 1);
    const bool systemNameRead = SystemNameRead();
    if (systemNameRead) {
        deviceTexts_.MarkEdited(SystemNameRequest, 0, Ed_SysName);
        deviceTexts_.MarkEdited(SystemNameRequest, 1, Ed_Location);
    }

    BeginSave();
    const struct {
        const char* Name;
        KwSNMPRequest2Edits* Request;
    } writes[] = {{"login", LoginRequest},
                  {"console", ConsoleRequest},
                  {"console time-out", TimeoutRequest},
                  {"ping", PingRequest},
                  {"management access", ManagerRequest},
                  {"system name", SystemNameRequest}};
    for (const auto& write : writes) {
        if (write.Request == SystemNameRequest && !systemNameRead)
            continue;
        // A set that would carry nothing (the time-out with no console, an unchanged
        // system name) is not sent.
        const bool sent = HasVariablesToSend(write.Request);
        // A failed set shows the device's reason itself; the result line follows.
        const bool ok = !sent || WriteGroup(write.Request);
        if (!ok && write.Request == LoginRequest)
            Ed_Pwd->SetText(devicePassword);
        if (ok && write.Request == LoginRequest)
            deviceUser_.TakeShown({Ed_Usr});
        if (sent && ok && write.Request == SystemNameRequest)
            deviceTexts_.TakeShown({Ed_SysName, Ed_Location});
        if (sent && ok && write.Request == ManagerRequest && vidSent) {
            deviceVid_.TakeShown({Ed_VID});
            vidClicked_ = false;
        }
        DebugTrace("Administrator Save: %s %s\n", write.Name, !sent ? "nothing to send" : ok ? "set" : "failed");
    }
    // The status and VLAN tag are read again with the next reads even when left out.
    MarkVars(ManagerRequest, smSend);
    MarkVars(LoginRequest, smSend);
    const AnsiString verdict = SaveVerdict(
        systemNameRead ? AnsiString("Set OK!") : AnsiString("Set OK! ") + SystemNameNotReadText, "Setting Error!");
    if (SaveSucceeded()) {
        if (!PressWaitsForRead())  // the range typed is the input of the Add that waits
            ResetRangeInputs();
        ReadGroup(ConsoleRequest);
    }
    ShowStatus(verdict);
}

void TFM_Admin2::CancelClick(TObject* Sender) { Close(); }

// --- manager ranges ----------------------------------------------------------------

bool TFM_Admin2::RangesBusy() const
{
    return AnyOutstanding({RangeRequest, UserListRequest, DeleteRequest});
}

bool TFM_Admin2::MayChangeRanges()
{
    // Both lists show the ranges: each must have been read.
    return MayChangeTable({RangeRequest, UserListRequest, DeleteRequest}) && MayChangeTable({UserListRequest});
}

TListItem* TFM_Admin2::RangeRowOf(const AnsiString& start, const AnsiString& end, bool asNumbers) const
{
    for (int i = 0; i < ListView_IpRange->Items()->Count(); ++i) {
        TListItem* row = ListView_IpRange->Items()->Item(i);
        const bool same = asNumbers ? IpTextToUInt(SubItemText(row, rcStart)) == IpTextToUInt(start) &&
                                          IpTextToUInt(SubItemText(row, rcEnd)) == IpTextToUInt(end)
                                    : SubItemText(row, rcStart) == start && SubItemText(row, rcEnd) == end;
        if (same && !IsFreeRow(row))
            return row;
    }
    return nullptr;
}

TListItem* TFM_Admin2::FirstFreeRangeRow() const
{
    for (int i = 0; i < ListView_IpRange->Items()->Count(); ++i)
        if (IsFreeRow(ListView_IpRange->Items()->Item(i)))
            return ListView_IpRange->Items()->Item(i);
    return nullptr;
}

void TFM_Admin2::Btn_AddClick(TObject* Sender)
{
    if (!MayChangeRanges())
        return;
    if (ListView_User->Items()->Count() >= MaxRanges) {
        Ed_FromIP->Clear();
        Ed_ToIP->Clear();
        RefuseInput("Maximum numbers of IP Range List is 4!!", "Waring");
        return;
    }
    for (TEdit* edit : {Ed_FromIP, Ed_ToIP}) {
        if (!IsValidHostAddressText(edit->Text())) {
            edit->Clear();
            RefuseInput("Please input valid IP address", "Waring", edit);
            return;
        }
    }
    if (IpEditToUInt(Ed_FromIP) > IpEditToUInt(Ed_ToIP)) {
        RefuseInput("Invalid IP address range for Administrator!", "Warning", Ed_FromIP);
        return;
    }
    // Every range in use is compared, also those after a free row.
    if (RangeRowOf(Ed_FromIP->Text(), Ed_ToIP->Text(), true)) {
        RefuseInput("The same IP range has been added", "Warning", Ed_FromIP);
        return;
    }
    TListItem* freeRow = FirstFreeRangeRow();
    if (!freeRow) {
        // The device has no row left: writing anyway would overwrite a range in use.
        RefuseInput("Maximum numbers of IP Range List is 4!!", "Waring");
        return;
    }
    if (NetworkAddressText(Ed_ToIP->Text(), NetMask->Text()) != NetworkAddressText(Ed_FromIP->Text(), NetMask->Text())) {
        RefuseInput("The Two IP address is not in the same subnet,Please check...", "Warning", Ed_FromIP);
        return;
    }
    ListView_IpRange->SetSelected(freeRow);  // its index reaches LA_Index
    Ed_From->SetText(Ed_FromIP->Text());
    Ed_To->SetText(Ed_ToIP->Text());
    BeginSave();
    ShowStatus("");
    // The lists are read again by OnManagerRangeSetDone once the device has the range.
    if (!WriteWithoutReread(RangeRequest))
        ShowStatus("Setting Error!");
}

void TFM_Admin2::OnManagerRangeSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        ShowStatus("Setting Error!");
        return;
    }
    Ed_FromIP->Clear();
    Ed_ToIP->Clear();
    RefreshManagerRanges();
    ReportSaved("Set OK!");
}

void TFM_Admin2::Btn_DelClick(TObject* Sender)
{
    TListItem* chosen = ListView_User->Selected();
    if (!chosen || !MayChangeRanges())
        return;
    TListItem* row = RangeRowOf(SubItemText(chosen, rcStart), SubItemText(chosen, rcEnd), false);
    if (!row) {
        // No row holds that range (any more): an earlier index must not delete another one.
        ShowStatus("Delete Error!");
        return;
    }
    ListView_IpRange->SetSelected(row);
    Ed_Delete->SetText(LA_Index->Caption());
    BeginSave();
    ShowStatus("");
    if (!WriteWithoutReread(DeleteRequest))
        ShowStatus("Delete Error!");
}

void TFM_Admin2::OnManagerDeleteDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error))
        return;
    Btn_Del->SetEnabled(false);  // the chosen row goes with the lists' new read
    RefreshManagerRanges();
    ReportSaved("Delete OK!");
}

bool TFM_Admin2::RefreshManagerRanges()
{
    ListView_IpRange->Items()->Clear();
    ReadGroup(RangeRequest);
    ListView_User->Items()->Clear();
    UserListRequest->RowNumber = 1;
    UserListRequest->SkipIndex = 1;
    UserListRequest->SkipValue = FreeAddress;
    ReadGroup(UserListRequest);
    return true;
}

static const bool menuEntry = RegisterModalForm("tAdmin2", FM_Admin2);
