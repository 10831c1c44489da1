#include "Multissid2.h"

#include "InputChecks.h"
#include "Catalogue.h"
#include "KeptSecurity.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "ChosenRowButton.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"
#include "WirlessRules.h"
#include "WpaChecks.h"

TFM_MultiSSIDNewForm* FM_MultiSSIDNewForm = nullptr;

const char* const MultiSsidNotReadText =
    "The multi-SSID table has not been read from the device yet. Wait for it, then try again.";
const char* const MultiSsidPendingText =
    "The device has not answered the last request on the multi-SSID table yet. Try again when it has.";

namespace {
const TSaveGuardTexts StateGuard = {
    "The multi-SSID settings have not been read from the device yet. Close the form and open it again.",
    MultiSsidPendingText, "Warning"};

enum ApModeItem { apAccessPoint, apWdsWithAp, apWds, apClient };
enum SecurityItem { secOpen, secPersonal, secEnterprise };
const char* const PrimaryCaption = "Primary SSID";
const char* const ListCaption = "Multi-SSID";
const char* const ConfirmText = "Please input the confirm new password correctly!";
const char* const IntervalText = "Please input a number between 300 and 9999999.";

// A decimal number; a text that is not one counts as 0.
long long DecimalOrZero(const AnsiString& text)
{
    const std::string s = text.ToStdString();
    if (s.empty() || s.size() > 12 || s.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stoll(s);
}

// The device hides a stored key behind asterisks.
bool IsMasked(const AnsiString& key)
{
    if (key.IsEmpty())
        return false;
    for (int i = 1; i <= key.Length(); ++i)
        if (key[i] != '*')
            return false;
    return true;
}

bool IsHexDigits(const AnsiString& text)
{
    for (int i = 1; i <= text.Length(); ++i) {
        const char c = text[i];
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// The list's word for an entry's security.
AnsiString AuthToText(const AnsiString& encryption, const AnsiString& auth)
{
    if (auth == "opensystem" && encryption == "Disable")
        return "None";
    if (auth == "opensystem" && encryption == "Enable")
        return "OpenSystem";
    static const char* const words[][2] = {
        {"wpa-psk", "WPA-Personal"},          {"wpa-eap", "WPA-Enterprise"},
        {"wpa2-psk", "WPA2-Personal"},        {"wpa2-eap", "WPA2-Enterprise"},
        {"wpa-auto-psk", "WPA-Auto-Personal"}, {"wpa-auto-eap", "WPA-Auto-Enterprise"}};
    for (const auto& word : words)
        if (auth == word[0])
            return word[1];
    return "";
}

struct SecurityPick {
    const char* Auth;
    int Security;
    int WpaMode;
};

// The security and WPA-mode items an authentication word stands for, per AP mode.
const std::vector<SecurityPick>& SecurityPicks(int apMode)
{
    static const std::vector<SecurityPick> accessPoint = {
        {"opensystem", 0, 0}, {"sharedkey", 0, 0},    {"wpa-psk", 1, 2},      {"wpa-eap", 2, 2},
        {"wpa2-psk", 1, 1},   {"wpa2-eap", 2, 1},     {"wpa-auto-psk", 1, 0}, {"wpa-auto-eap", 2, 0}};
    static const std::vector<SecurityPick> wdsWithAp = {
        {"opensystem", 0, 0}, {"sharedkey", 0, 0},    {"wpa2-psk", 1, 1},     {"wpa2-eap", 2, 1},
        {"wpa-auto-psk", 1, 0}, {"wpa-auto-eap", 2, 0}};
    static const std::vector<SecurityPick> wds = {{"opensystem", 0, 0}, {"sharedkey", 0, 0}, {"wpa2-psk", 1, 0}};
    static const std::vector<SecurityPick> client = {
        {"opensystem", 0, 0}, {"wpa-psk", 1, 2}, {"wpa2-psk", 1, 1}, {"wpa-auto-psk", 1, 0}};
    switch (apMode) {
    case apWdsWithAp: return wdsWithAp;
    case apWds: return wds;
    case apClient: return client;
    default: return accessPoint;
    }
}

void Fill(TComboBox* combo, std::initializer_list<const char*> items)
{
    combo->Items()->Clear();
    for (const char* item : items)
        combo->Items()->Add(item);
}
}  // namespace

namespace {
// The two columns of label and control in each group.
const TRowColumns LeftColumn = {16, 130, 140, 28};
const TRowColumns RightColumn = {300, 420, 140, 28};
const int ListTop = 291;  // the Add button's row, then the list
}  // namespace

TFM_MultiSSIDNewForm::TFM_MultiSSIDNewForm(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_MultiSSIDNewForm", "Advanced \\ Multi-SSID", FM_MultiSSIDNewForm))
{
    TFormBuilder build(this);
    BuildSettingsGroup(build);
    BuildKeyGroup(build);
    BuildPassphraseGroup(build);
    AddButton = build.Button("AddButton", "Add", 8, ListTop, [this](TObject* S) { AddButtonClick(S); });
    DelButton = build.Button("DelButton", "Delete", 8 + TFormBuilder::ButtonWidth + 8, ListTop,
                             [this](TObject* S) { DelButtonClick(S); });
    GroupBox4 = build.Group("GroupBox4", "", 8, ListTop + TFormBuilder::ButtonHeight, 580, 135);
    LV_MultiSSID_User = build.In(GroupBox4).List(
        "LV_MultiSSID_User", {{"Index", 100}, {"SSID", 150}, {"Band", 60}, {"Encryption", 140}}, 8, 16, 564, 110);
    LV_MultiSSID_User->SetGridLines(true);
    NameControl(LV_MultiSSID_User, "SSID List");
    EnableWhileRowChosen(DelButton, LV_MultiSSID_User,
                         [](const TListItem* row) { return row->Caption() != PrimaryCaption; });
    ApplyBtn = build.Button("ApplyBtn", "Save", 420, 441 + TFormBuilder::ButtonHeight,
                            [this](TObject* S) { ApplyBtnClick(S); });
    CancelBtn = build.Button("CancelBtn", "Cancel", 505, 441 + TFormBuilder::ButtonHeight,
                             [this](TObject* S) { CancelBtnClick(S); });
    Lb_KeptSecurity = AddKeptNote(build, "Lb_KeptSecurity");
    StatusBar = build.StatusBar("StatusBar", {300});
    SetStatusBar(StatusBar);
    BuildHiddenControls(build);
    // Hidden choices the user turns through the ones on screen are named by those.
    NameControl(CB_dot11Authentication, CaptionOf(CB_SecurityMode));
    NameControl(CB_Clipher, CaptionOf(CB_CipherType));

    IfEnabMuSSID->OnClick = [this](TObject* S) { IfEnabMuSSIDClick(S); };
    IfEnablePriority->OnClick = [this](TObject* S) { IfEnablePriorityClick(S); };
    CB_Index->OnChange = [this](TObject* S) { CB_IndexChange(S); };
    CB_SecurityMode->OnChange = [this](TObject* S) { CB_SecurityModeChange(S); };
    CB_Band->OnChange = [this](TObject* S) { CB_SecurityModeChange(S); };
    for (TComboBox* combo : {CB_KeyType, CB_WepEncryp, CB_DefaultKey})
        combo->OnChange = [this](TObject* S) { CB_KeyTypeChange(S); };
    CB_MssidEncryption->OnChange = [this](TObject* S) { CB_MssidEncryptionChange(S); };
    CB_WPAMode->OnChange = [this](TObject* S) { CB_WPAModeChange(S); };
    CB_CipherType->OnChange = [this](TObject* S) { CB_CipherTypeChange(S); };
    CB_AccountMode->OnChange = [this](TObject* S) { CB_AccountModeChange(S); };
    LV_MultiSSID_User->OnClick = [this](TObject* S) { LV_MultiSSID_UserClick(S); };

    SetClientWidth(596);
    SetHeight(521 + TFormBuilder::ButtonHeight);
    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_MultiSSIDNewForm::BuildSettingsGroup(TFormBuilder& build)
{
    GroupBox1 = build.Group("GroupBox1", "Multi-SSID Settings", 8, 4, 580, 154);
    TFormBuilder in = build.In(GroupBox1);
    IfEnabMuSSID = in.Check("IfEnabMuSSID", "Enable Multi-SSID ", LeftColumn.LabelLeft, 20, 200);
    IfEnablePriority = in.Check("IfEnablePriority", "Enable Priority", RightColumn.LabelLeft, 20, 120);
    in.Label("Lb_Priority", "Priority", 440, 22, 50);
    CB_Priority = in.Combo("CB_Priority", {"0", "1", "2", "3", "4", "5", "6", "7"}, 500, 18, 60);
    TFormRows left(in, LeftColumn, 46);
    TFormRows right(in, RightColumn, 46);
    CB_Index = left.Combo("Lb_Index", "Index", "CB_Index", {"Primary SSID", "SSID 1", "SSID 2", "SSID 3"});
    CB_Band = right.Combo("Lb_Band", "Band", "CB_Band");
    CB_Band->SetEnabled(false);
    Ed_SSID = left.Edit("Lb_SSID", "SSID", "Ed_SSID");
    // Filled, not starting with a blank, of at most 32 characters; nothing is emptied.
    DeclareCheck(Ed_SSID,
                 InTurn({FilledCheck("Please input SSID!", "Warning"),
                         EditCheck([](const AnsiString& text) { return text.IsEmpty() || text[1] != ' '; },
                                   "The first character can't be blank!"),
                         EditCheck([](const AnsiString& text) { return text.Length() <= 32; },
                                   "The Max Length of SSID is 32!")}));
    CB_SsidBroadcast = right.Combo("Lb_SsidBroadcast", "SSID Visibility:", "CB_SsidBroadcast");
    CB_SecurityMode = left.Combo("Lb_SecurityMode", "Security:", "CB_SecurityMode");
    CB_MssidEncryption = right.Combo("Lb_MssidEncryption", "Encryption:", "CB_MssidEncryption");
    // The WMM caption is longer than the column gives a caption.
    TFormRows wmmRow(in, {LeftColumn.LabelLeft, 170, 120, LeftColumn.RowHeight}, left.Top());
    CB_WMM = wmmRow.Combo("Lb_WMM", "WMM(Wi-Fi Multimedia):", "CB_WMM");
    Lb_Ssidindex = right.Label("Lb_Ssidindex", "");
    Lb_Ssidindex->SetVisible(false);  // holds the row's index for the request only
}

void TFM_MultiSSIDNewForm::BuildKeyGroup(TFormBuilder& build)
{
    GroupBox2 = build.Group("GroupBox2", "Key Settings", 8, 163, 580, 120);
    TFormBuilder in = build.In(GroupBox2);
    TFormRows left(in, {LeftColumn.LabelLeft, LeftColumn.ControlLeft, LeftColumn.ControlWidth, 30}, 20);
    TFormRows right(in, {RightColumn.LabelLeft, RightColumn.ControlLeft, RightColumn.ControlWidth, 30}, 20);
    CB_WepEncryp = left.Combo("Lb_WepEncryp", "Key Size :  ", "CB_WepEncryp", {"64Bits", "128Bits"});
    CB_KeyType = right.Combo("Lb_KeyType", "Key Type : ", "CB_KeyType");
    CB_DefaultKey = left.Combo("Lb_DefaultKey", "Key Index(1~4) : ", "CB_DefaultKey");
    right.Skip(30);
    Ed_Key = left.Edit("Lb_Key", "Network Key :", "Ed_Key");
    Ed_ConfirmKey = right.Edit("Lb_ConfirmKey", "Confirm Key", "Ed_ConfirmKey");
    Ed_Key->SetPasswordChar('*');
    Ed_ConfirmKey->SetPasswordChar('*');
}

void TFM_MultiSSIDNewForm::BuildPassphraseGroup(TFormBuilder& build)
{
    GroupBox3 = build.Group("GroupBox3", "PassPhrase Settings", 8, 163, 580, 130);
    TFormBuilder in = build.In(GroupBox3);
    // The WPA modes and the interval's caption need wider places than the columns give.
    TFormRows modeRow(in, {LeftColumn.LabelLeft, LeftColumn.ControlLeft, 160, 30}, 20);
    TFormRows right(in, {RightColumn.LabelLeft, RightColumn.ControlLeft, RightColumn.ControlWidth, 30}, 20);
    CB_WPAMode = modeRow.Combo("Lb_WPAMode", "WPA Mode ", "CB_WPAMode");
    CB_CipherType = right.Combo("Lb_CipherType", "Cipher Type ", "CB_CipherType");
    TFormRows intervalRow(in, {LeftColumn.LabelLeft, 190, 100, 34}, modeRow.Top());
    Ed_UpdateInterval = intervalRow.Edit("Lb_UpdateInterval", "Group Key Update Interval  ", "Ed_UpdateInterval");
    in.Label("Lb_Sec", "Sec", 296, 54, 30);
    TFormRows left(in, {LeftColumn.LabelLeft, LeftColumn.ControlLeft, LeftColumn.ControlWidth, 30}, intervalRow.Top());
    right.Skip(34);
    const int passTop = left.Top();
    Ed_Passphrase = left.Edit("Lb_Passphrase", "PassPhrase", "Ed_Passphrase", 0, &Lb_Passphrase);
    Ed_ConfirmPass = right.Edit("Lb_ConfirmPass", "Confirm PassPhrase", "Ed_ConfirmPass", 0, &Lb_ConfirmPass);
    Ed_Passphrase->SetPasswordChar('*');
    Ed_ConfirmPass->SetPasswordChar('*');

    // The RADIUS server takes the pass phrase's place.
    GroupBox7 = in.Group("GroupBox7", "", 4, passTop, 570, 70);
    TFormBuilder radius = build.In(GroupBox7);
    TFormRows radiusLeft(radius, {LeftColumn.LabelLeft - 4, LeftColumn.ControlLeft - 4, LeftColumn.ControlWidth, 30}, 4);
    TFormRows radiusRight(radius, {RightColumn.LabelLeft - 4, RightColumn.ControlLeft - 4, RightColumn.ControlWidth, 30}, 4);
    Edt_RadiusServer = radiusLeft.Edit("Lb_RadiusServer", "RADIUS Server", "Edt_RadiusServer");
    Edt_RadiusPort = radiusRight.Edit("Lb_RadiusPort", "RADIUS Port", "Edt_RadiusPort");
    Edt_RadiusSecret = radiusLeft.Edit("Lb_RadiusSecret", "RADIUS Secret", "Edt_RadiusSecret");
    Edt_RadiusSecret->SetPasswordChar('*');
    // What the entry's checks refuse; nothing is emptied.
    DeclareCheck(Ed_UpdateInterval,
                 InTurn({FilledCheck(IntervalText, "Warning"), EditCheck(
                                                                   [](const AnsiString& text) {
                                                                       const long long seconds = DecimalOrZero(text);
                                                                       return seconds >= 300 && seconds <= 9999999;
                                                                   },
                                                                   IntervalText, "Error")}));
    DeclareCheck(Ed_Passphrase, PassphraseCheck("The ComPassphrase length is between 8 and 63."));
    DeclareCheck(Edt_RadiusServer, RadiusServerCheck());
    DeclareCheck(Edt_RadiusPort, RadiusPortCheck());
    DeclareCheck(Edt_RadiusSecret, RadiusSecretCheck());
    // A WEP key under the key type it is judged with, of either size the form offers (the
    // Save holds it to the size chosen, CheckWepKeyLength); a key shown masked is the
    // device's own.
    TEditCheck key = EditCheckWith(CB_KeyType, [this](const AnsiString& text, const AnsiString& type) {
        const int length = text.Length();
        if (CB_KeyType->Items()->IndexOf(type) != 1)
            return IsMasked(text) || length == 5 || length == 13;
        return IsMasked(text) || ((length == 10 || length == 26) && IsHexDigits(text));
    }, "");
    key.Refusal = [this](const AnsiString& text) {
        const int length = text.Length();
        return CB_KeyType->ItemIndex() == 1 && (length == 10 || length == 26) ? AnsiString(HexDigitsText)
                                                                              : WepKeyLengthText();
    };
    DeclareCheck(Ed_Key, key);
}

void TFM_MultiSSIDNewForm::BuildHiddenControls(TFormBuilder& build)
{
    GroupBox6 = build.Group("GroupBox6", "", 0, 0, 100, 100);
    GroupBox6->SetVisible(false);
    TFormBuilder hidden = build.In(GroupBox6);
    CB_ApMode = hidden.HiddenCombo("CB_ApMode");
    CB_VlanStatus = hidden.HiddenCombo("CB_VlanStatus");
    CB_IdvState = hidden.HiddenCombo("CB_IdvState");
    CB_dot11Authentication = hidden.HiddenCombo("CB_dot11Authentication");
    CB_Clipher = hidden.HiddenCombo("CB_Clipher");
    Edt_Priority = hidden.HiddenEdit("Edt_Priority");
    MulSSIDListView = hidden.HiddenList("MulSSIDListView", 0);
    CB_AccountMode = hidden.HiddenCombo("CB_AccountMode");
    Fill(CB_AccountMode, {"Disable", "Enable"});
    for (const char* name : {"Edt_BackupRadiusServer", "Edt_BackupRadiusPort", "Edt_BackupRadiusSecret"})
        BackupRadiusEdits.push_back(hidden.HiddenEdit(name));
    for (const char* name : {"Edt_AccountServer", "Edt_AccountPort", "Edt_AccountSecret",
                             "Edt_BackupAccountServer", "Edt_BackupAccountPort", "Edt_BackupAccountSecret"})
        AccountingEdits.push_back(hidden.HiddenEdit(name));
}

// --- creation and reads ------------------------------------------------------------

bool TFM_MultiSSIDNewForm::Read(KwSNMPRequest2Edits* request)
{
    return ReadGroup(request);
}

void TFM_MultiSSIDNewForm::FormCreate(TObject* Sender)
{
    CB_Index->SetItemIndex(0);

    ApModeRequest = GroupRequest(dot11ApModeVars3, MVT_SV, 0, 10000, 0);
    ApModeRequest->BindComboBox(0, CB_ApMode);
    ApModeRequest->AttachStatusBar(StatusBar);
    Read(ApModeRequest);

    BandRequest = GroupRequest(dot11BandVars2, MVT_SV, 0, 10000, 0);
    BandRequest->BindComboBox(0, CB_Band);
    Read(BandRequest);

    StateRequest = GroupRequest(dot11MssidStateVars, MVT_SV, 0, 10000, 0);
    StateRequest->BindCheckBox(0, IfEnabMuSSID);
    StateRequest->AttachStatusBar(StatusBar);
    if (Read(StateRequest))
        warnApMode_ = true;

    PriorityStateRequest = GroupRequest(dot11MssidPriorityStateVars, MVT_SV, 0, 10000, 0);
    PriorityStateRequest->BindCheckBox(0, IfEnablePriority);
    PriorityStateRequest->AttachStatusBar(StatusBar);
    priorityStateRead_ = Read(PriorityStateRequest);

    VlanRequest = GroupRequest(dot11VlanStatusVars2, SVT_SV, 0, 10000, 0);
    VlanRequest->BindComboBox(0, CB_VlanStatus);
    Read(VlanRequest);

    TableRequest = GroupRequest(dot11MssidIndexVars, MVT_UMV, 1, 10000, 1);
    TableRequest->BindListView(MulSSIDListView, true);
    TableRequest->ShowsRowsIn(LV_MultiSSID_User);
    TableRequest->BindLabel(colIndex, Lb_Ssidindex);
    TableRequest->BindComboBox(colState, CB_IdvState);
    TableRequest->BindFormat(colSsid, "%s", Ed_SSID);
    TableRequest->BindComboBox(colSuppress, CB_SsidBroadcast);
    TableRequest->BindComboBox(colAuthentication, CB_dot11Authentication);
    TableRequest->BindComboBox(colEncryption, CB_MssidEncryption);
    TableRequest->BindComboBox(colWepKeyIndex, CB_DefaultKey);
    TableRequest->BindComboBox(colKeyType, CB_KeyType);
    TableRequest->BindComboBox(colCipher, CB_Clipher);
    TableRequest->BindFormat(colPassPhrase, "%s", Ed_Passphrase);
    TableRequest->BindFormat(colWepKey, "%s", Ed_Key);
    TableRequest->BindComboBox(colWmm, CB_WMM);
    TableRequest->BindFormat(colInterval, "%s", Ed_UpdateInterval);
    TableRequest->BindFormat(colRadiusServer, "%s", Edt_RadiusServer);
    TableRequest->BindFormat(colRadiusPort, "%s", Edt_RadiusPort);
    TableRequest->BindFormat(colRadiusSecret, "%s", Edt_RadiusSecret);
    TableRequest->BindFormat(colPriority, "%s", Edt_Priority);
    TableRequest->OnBeforeGet = [this] { rowColumns_ = TableRequest->ColumnVariables(); };
    TableRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { MssidGetDone(S, E); };
    TableRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { MssidSetDone(S, E); };
    TPressTarget chosenEntry{MulSSIDListView, [this] { return EntryChosen(); }, [this] { return ChosenEntryRow(); },
                             [this](const TListItem* row) { return EntryNumber(row); }};
    chosenEntry.bringBack = [this](TListItem* row) { ShowEntryAgain(row); };
    chosenEntry.fixedShows = [this] { return AnsiString(CB_Index->ItemIndex() + 1); };
    ReadAgainOnPress({TableRequest}, chosenEntry);
    if (ReadFailed())
        ShowStatus(ReadFailureText("Get Fail!"));
    ReadGroup(TableRequest);

    // UpdateIndexCombo; with the list unread too, the editor is as the switch has it
    FollowMultiSsidSwitch(IfEnabMuSSID->Checked());
    EnableEntryControls(0);
    IfEnablePriorityClick(Sender);
    ShowSecurityGroups(true);  // the panel of the entry's security, none until the list gives one
}

void TFM_MultiSSIDNewForm::MssidGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error))
        return;
    if (CB_ApMode->ItemIndex() < 0)
        Read(ApModeRequest);
    // A failed read of the creation stays in view until the user has seen it once.
    ShowStatus(ReadFailed() ? ReadFailureText("Get Fail!") : AnsiString("Get OK!"));
    ClearReadFailure();
    CB_Index->SetItemIndex(0);
    CB_IndexChange(this);
}

void TFM_MultiSSIDNewForm::MssidSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    const bool added = addSent_;
    addSent_ = false;
    if (Error.Code != 0 && added) {
        AddToVerdict(modeBefore_.WriteBack(CaptionOf(Ed_SSID)));
        return void(ReportSave("", Error.Message));
    }
    if (ShowFailure(Error))
        return;
    MarkColumns(true);
    ReadGroup(TableRequest);
    // What Add's write left out of what the user changed (a key kept with the device's
    // security) stays named, and the verdict stays after the table's read.
    if (added)
        ReportSaveThroughReads("Save SSID...!", "Save SSID...!");
    else
        ReportSaved("Delete OK!");
}

bool TFM_MultiSSIDNewForm::RunsWep(int row) const
{
    const AnsiString auth = RowText(row, colAuthentication);
    return RowText(row, colEncryption) == "Enable" && (auth == "opensystem" || auth == "sharedkey");
}

AnsiString TFM_MultiSSIDNewForm::RowText(int row, int column) const
{
    TListItems* items = MulSSIDListView->Items();
    if (row < 0 || row >= items->Count())
        return "";
    for (std::size_t k = 0; k < rowColumns_.size(); ++k) {
        if (rowColumns_[k] != column)
            continue;
        TListItem* item = items->Item(row);
        if (k == 0)
            return item->Caption();
        TStrings* sub = item->SubItems();
        return int(k) - 1 < sub->Count() ? sub->Strings(int(k) - 1) : AnsiString();
    }
    return "";
}

// --- showing an entry ----------------------------------------------------------------

void TFM_MultiSSIDNewForm::EnableEntryControls(int index)
{
    const bool enable = index != 0;
    for (TWinControl* control : std::initializer_list<TWinControl*>{CB_Index, Ed_SSID, CB_SsidBroadcast,
                                                                    CB_SecurityMode, CB_WMM, CB_MssidEncryption})
        control->SetEnabled(enable);
    // The settings of a security Add keeps take no input: Add would not write them.
    const bool settings = enable && !keepSecurity_;
    for (TWinControl* control :
         std::initializer_list<TWinControl*>{CB_KeyType, CB_WepEncryp, CB_DefaultKey, Ed_Key, Ed_ConfirmKey,
                                             CB_WPAMode, CB_CipherType, Ed_UpdateInterval, Ed_Passphrase,
                                             Ed_ConfirmPass, Edt_RadiusServer, Edt_RadiusPort, Edt_RadiusSecret,
                                             CB_AccountMode})
        control->SetEnabled(settings);
    for (TEdit* edit : BackupRadiusEdits)
        edit->SetEnabled(settings);
    for (TEdit* edit : AccountingEdits)
        edit->SetEnabled(settings);
}

void TFM_MultiSSIDNewForm::CB_IndexChange(TObject* Sender)
{
    const int k = CB_Index->ItemIndex();
    // The entry is always shown as the device has it, also when it is chosen again.
    MulSSIDListView->ClearSelection();
    if (k >= 0 && k < MulSSIDListView->Items()->Count())
        MulSSIDListView->SetItemIndex(k);
    CB_Priority->SetItemIndex(CB_Priority->Items()->IndexOf(Edt_Priority->Text()));
    SetSecurityLists();
    KeySizeFromLength();
    Ed_ConfirmKey->SetText(Ed_Key->Text());
    Ed_ConfirmPass->SetText(Ed_Passphrase->Text());
    shownPassphrase_ = Ed_Passphrase->Text();
    shownSecret_ = Edt_RadiusSecret->Text();
    SetKeyMaxLength();
    SetEditLimits();
    EnableEntryControls(IfEnabMuSSID->Checked() ? k : 0);
    IfEnabMuSSIDClick(Sender);
}

void TFM_MultiSSIDNewForm::SetSecurityLists()
{
    const int apMode = CB_ApMode->ItemIndex();
    switch (apMode) {
    case apWdsWithAp:
        Fill(CB_SecurityMode, {"Open System", "WPA-Personal", "WPA-Enterprise"});
        Fill(CB_WPAMode, {"AUTO(WPA or WPA2)", "WPA2 Only"});
        CB_WPAMode->SetEnabled(true);
        break;
    case apWds:
        Fill(CB_SecurityMode, {"Open System", "WPA-Personal"});
        Fill(CB_WPAMode, {"WPA2 Only"});
        CB_WPAMode->SetItemIndex(0);
        CB_WPAMode->SetEnabled(false);
        break;
    case apClient:
        Fill(CB_SecurityMode, {"Open System", "WPA-Personal"});
        Fill(CB_WPAMode, {"AUTO(WPA or WPA2)", "WPA2 Only", "WPA Only"});
        CB_WPAMode->SetEnabled(true);
        break;
    default:
        Fill(CB_SecurityMode, {"Open System", "WPA-Personal", "WPA-Enterprise"});
        Fill(CB_WPAMode, {"AUTO(WPA or WPA2)", "WPA2 Only", "WPA Only"});
        CB_WPAMode->SetEnabled(true);
        break;
    }
    const AnsiString auth = CB_dot11Authentication->Text();
    CB_SecurityMode->SetItemIndex(-1);
    if (apMode != apWds)
        CB_WPAMode->SetItemIndex(-1);
    for (const SecurityPick& pick : SecurityPicks(apMode)) {
        if (auth == pick.Auth) {
            CB_SecurityMode->SetItemIndex(pick.Security);
            CB_WPAMode->SetItemIndex(pick.WpaMode);
            break;
        }
    }
    // A security the lists lack shows as another one, or as none: Add keeps the device's
    // until the user chooses one. The primary entry's security is never written here.
    keepSecurity_ = TableRead() && CB_Index->ItemIndex() > 0 && !ShowsDeviceSecurity();
    cipherChosen_ = false;
}

int TFM_MultiSSIDNewForm::AuthenticationItemShown() const
{
    const int apMode = CB_ApMode->ItemIndex();
    const int security = CB_SecurityMode->ItemIndex();
    const int wpa = CB_WPAMode->ItemIndex();
    int item = -1;
    if (security == secOpen) {
        item = 0;
    } else if (apMode == apWds) {
        if (security == secPersonal && wpa == 0)
            item = 4;
    } else if (wpa >= 0 && wpa <= 2) {
        static const int personal[] = {6, 4, 2};  // by WPA mode item
        static const int enterprise[] = {7, 5, 3};
        if (security == secPersonal)
            item = personal[wpa];
        else if (security == secEnterprise && apMode != apClient)
            item = enterprise[wpa];
    }
    return item;
}

void TFM_MultiSSIDNewForm::UiToAuthentication()
{
    const int item = AuthenticationItemShown();
    if (item >= 0)
        CB_dot11Authentication->SetItemIndex(item);
}

bool TFM_MultiSSIDNewForm::ShowsDeviceSecurity() const
{
    const int shown = AuthenticationItemShown();
    return shown >= 0 && shown == CB_dot11Authentication->ItemIndex();
}

bool TFM_MultiSSIDNewForm::KeepsDeviceCipher() const
{
    // While the device's WPA security is shown, a cipher its list lacks (or a security
    // that has no list) shows another cipher: Add keeps the device's until the user
    // chooses one.
    const int security = CB_SecurityMode->ItemIndex();
    if (cipherChosen_ || !TableRead() || CB_Index->ItemIndex() <= 0 ||
        (security != secPersonal && security != secEnterprise) || !ShowsDeviceSecurity())
        return false;
    return !cipherListFilled_ || CB_CipherType->Items()->IndexOf(CB_Clipher->Text()) < 0;
}

void TFM_MultiSSIDNewForm::SecurityChosen()
{
    keepSecurity_ = false;
    EnableEntryControls(IfEnabMuSSID->Checked() ? CB_Index->ItemIndex() : 0);
    UpdateKeptNote();
}

void TFM_MultiSSIDNewForm::UpdateKeptNote()
{
    // Add writes the entry only while the feature is on.
    const bool editing = IfEnabMuSSID->Checked() && CB_Index->ItemIndex() > 0;
    ShowKeptNote(Lb_KeptSecurity, editing && keepSecurity_, editing && KeepsDeviceCipher(),
                 CB_dot11Authentication->Text(), CB_Clipher->Text(), "Add");
    if (!Lb_KeptSecurity->Visible())
        return;
    // Under the list, left of Save and Cancel, down to the status bar.
    const int top = GroupBox4->Top() + GroupBox4->Height() + 1;
    Lb_KeptSecurity->SetBounds(GroupBox4->Left(), top, ApplyBtn->Left() - GroupBox4->Left() - 5,
                               ClientHeight() - StatusBar->Height() - top);
}

void TFM_MultiSSIDNewForm::CipherTypeToClipher()
{
    const AnsiString cipher = CB_CipherType->Text();
    if (cipher == "Auto")
        CB_Clipher->SetItemIndex(0);
    else if (cipher == "AES")
        CB_Clipher->SetItemIndex(1);
    else if (cipher == "TKIP")
        CB_Clipher->SetItemIndex(2);
}

void TFM_MultiSSIDNewForm::KeySizeFromLength()
{
    const int wanted = CB_KeyType->ItemIndex() == 1 ? 26 : 13;
    CB_WepEncryp->SetItemIndex(Ed_Key->Text().Length() == wanted ? 1 : 0);
}

void TFM_MultiSSIDNewForm::SetKeyMaxLength()
{
    const bool hex = CB_KeyType->ItemIndex() == 1;
    const bool wide = CB_WepEncryp->ItemIndex() == 1;
    const int length = hex ? (wide ? 26 : 10) : (wide ? 13 : 5);
    Ed_Key->SetMaxLength(length);
    Ed_ConfirmKey->SetMaxLength(length);
}

void TFM_MultiSSIDNewForm::SetEditLimits()
{
    Ed_SSID->SetMaxLength(32);
    Ed_UpdateInterval->SetMaxLength(7);
    Ed_Passphrase->SetMaxLength(63);
    Ed_ConfirmPass->SetMaxLength(63);
    const int limits[] = {15, 5, 64};  // server, port, secret
    Edt_RadiusServer->SetMaxLength(limits[0]);
    Edt_RadiusPort->SetMaxLength(limits[1]);
    Edt_RadiusSecret->SetMaxLength(limits[2]);
    for (std::size_t i = 0; i < BackupRadiusEdits.size(); ++i)
        BackupRadiusEdits[i]->SetMaxLength(limits[i % 3]);
    if (CB_AccountMode->ItemIndex() == 1)
        for (std::size_t i = 0; i < AccountingEdits.size(); ++i)
            AccountingEdits[i]->SetMaxLength(limits[i % 3]);
}

void TFM_MultiSSIDNewForm::CB_KeyTypeChange(TObject* Sender) { SetKeyMaxLength(); }

void TFM_MultiSSIDNewForm::CB_MssidEncryptionChange(TObject* Sender)
{
    if (Sender == CB_MssidEncryption)
        SecurityChosen();
    const bool on = CB_MssidEncryption->ItemIndex() != 0 && !keepSecurity_;
    for (TWinControl* control :
         std::initializer_list<TWinControl*>{CB_WepEncryp, CB_KeyType, CB_DefaultKey, Ed_Key, Ed_ConfirmKey})
        control->SetEnabled(on);
}

void TFM_MultiSSIDNewForm::CB_AccountModeChange(TObject* Sender)
{
    for (TEdit* edit : AccountingEdits)
        edit->SetEnabled(CB_AccountMode->ItemIndex() != 0);
}

void TFM_MultiSSIDNewForm::CB_SecurityModeChange(TObject* Sender)
{
    if (Sender == CB_SecurityMode)
        SecurityChosen();
    ShowSecurityGroups(CB_Index->ItemIndex() == 0);
}

void TFM_MultiSSIDNewForm::CB_WPAModeChange(TObject* Sender)
{
    // A WPA mode alone is no security: the device's stays until one is chosen.
    if (CB_SecurityMode->ItemIndex() >= 0)
        keepSecurity_ = false;
    UpdateKeptNote();
}

void TFM_MultiSSIDNewForm::CB_CipherTypeChange(TObject* Sender)
{
    cipherChosen_ = true;
    UpdateKeptNote();
}

void TFM_MultiSSIDNewForm::ShowSecurityGroups(bool primary)
{
    GroupBox1->SetVisible(true);
    GroupBox4->SetVisible(true);
    const bool multi = IfEnabMuSSID->Checked();
    if (multi)
        CB_MssidEncryption->SetEnabled(CB_Index->ItemIndex() != 0);

    const int h = TFormBuilder::ButtonHeight;
    auto place = [&](int addTop, int panelBottom) {
        AddButton->SetTop(addTop);
        DelButton->SetTop(addTop);
        GroupBox4->SetTop(addTop + h);
        ApplyBtn->SetTop(panelBottom + 10 + h);
        CancelBtn->SetTop(panelBottom + 10 + h);
        SetHeight(panelBottom + 90 + h);
    };
    const int security = CB_SecurityMode->ItemIndex();
    switch (security) {
    case secOpen:
        GroupBox2->SetVisible(true);
        GroupBox3->SetVisible(false);
        GroupBox2->SetTop(163);
        place(291, 431);
        break;
    case secPersonal:
        GroupBox3->SetCaption("PassPhrase Settings");
        GroupBox3->SetVisible(true);
        for (TControl* control : std::initializer_list<TControl*>{Ed_Passphrase, Ed_ConfirmPass, Lb_Passphrase,
                                                                 Lb_ConfirmPass})
            control->SetVisible(true);
        GroupBox2->SetVisible(false);
        GroupBox7->SetVisible(false);
        GroupBox3->SetBounds(GroupBox1->Left(), 163, GroupBox3->Width(), 130);
        place(295, 435);
        break;
    case secEnterprise:
        GroupBox3->SetCaption("RADIUS Server Settings");
        GroupBox3->SetVisible(true);
        GroupBox7->SetVisible(true);
        GroupBox7->SetTop(Ed_Passphrase->Top());
        GroupBox2->SetVisible(false);
        for (TControl* control : std::initializer_list<TControl*>{Ed_Passphrase, Ed_ConfirmPass, Lb_Passphrase,
                                                                 Lb_ConfirmPass})
            control->SetVisible(false);
        GroupBox3->SetBounds(GroupBox1->Left(), 163, GroupBox3->Width(), 161);
        place(324, 469);
        break;
    default:  // a security the list lacks: neither keys nor a passphrase to show
        GroupBox2->SetVisible(false);
        GroupBox3->SetVisible(false);
        place(291, 431);
        break;
    }

    const int apMode = CB_ApMode->ItemIndex();
    bool refilled = false;
    if (security == secPersonal) {
        if (apMode == apWdsWithAp)
            Fill(CB_CipherType, {"Auto", "AES"});
        else
            Fill(CB_CipherType, {"Auto", "AES", "TKIP"});
        refilled = true;
    } else if (security == secEnterprise && apMode == apAccessPoint) {
        Fill(CB_CipherType, {"Auto", "AES", "TKIP"});
        CB_AccountModeChange(this);
        refilled = true;
    }
    if (refilled) {
        CB_CipherType->SetEnabled(CB_Index->ItemIndex() != 0 && !keepSecurity_);
        const int at = CB_CipherType->Items()->IndexOf(CB_Clipher->Text());
        CB_CipherType->SetItemIndex(at >= 0 ? at : 0);
        cipherChosen_ = false;
    }
    cipherListFilled_ = refilled;
    if (GroupBox2->Visible() && !primary && multi)
        CB_MssidEncryptionChange(this);
    UpdateKeptNote();
}

// --- the feature switches and the visible list ----------------------------------------

void TFM_MultiSSIDNewForm::IfEnablePriorityClick(TObject* Sender)
{
    CB_Priority->SetEnabled(IfEnablePriority->Checked());
}

bool TFM_MultiSSIDNewForm::ApModeNeedsSwitch() const
{
    const int apMode = CB_ApMode->ItemIndex();
    return apMode == apWds || apMode == apClient;
}

void TFM_MultiSSIDNewForm::IfEnabMuSSIDClick(TObject* Sender)
{
    if (!IfEnabMuSSID->Checked()) {
        EnableEntryControls(0);
        FollowMultiSsidSwitch(false);
        if (priorityStateRead_) {
            // A Multi-SSID switch shown as not set leaves the priority as the device has
            // it, and so does a priority switch the box cannot show.
            if (IfEnabMuSSID->State() == cbUnchecked && IfEnablePriority->State() != cbGrayed)
                IfEnablePriority->SetChecked(false);
        }
        LV_MultiSSID_User->Items()->Clear();
        warnApMode_ = true;
    } else {
        EnableEntryControls(CB_Index->ItemIndex());
        FollowMultiSsidSwitch(true);
        if (!inListClick_)
            FillUserList();
        if (warnApMode_) {
            if (ApModeNeedsSwitch())
                Application->MessageBox("If you enable Multi-SSID, AP Mode will be set to 'Access Point'!",
                                        "Warning", MB_OK);
            warnApMode_ = false;
        }
    }
    ShowSecurityGroups(CB_Index->ItemIndex() == 0);
}

void TFM_MultiSSIDNewForm::FollowMultiSsidSwitch(bool on)
{
    CB_Index->SetEnabled(on);
    AddButton->SetEnabled(on);
    if (priorityStateRead_)
        IfEnablePriority->SetEnabled(on);
}

void TFM_MultiSSIDNewForm::FillUserList()
{
    LV_MultiSSID_User->Items()->Clear();
    const int rows = MulSSIDListView->Items()->Count();
    for (int row = 0; row < rows; ++row) {
        if (RowText(row, colState) != "Enable")
            continue;
        TListItem* item = LV_MultiSSID_User->Items()->Add();
        const int index = int(DecimalOrZero(RowText(row, colIndex)));
        item->SetCaption(row == 0 ? AnsiString(PrimaryCaption) : AnsiString(ListCaption) + AnsiString(index - 1));
        item->SubItems()->Add(RowText(row, colSsid));
        item->SubItems()->Add(CB_Band->Text());
        item->SubItems()->Add(AuthToText(RowText(row, colEncryption), RowText(row, colAuthentication)));
    }
}

TListItem* TFM_MultiSSIDNewForm::ChosenEntryRow() const
{
    const int k = CB_Index->ItemIndex();
    return k >= 0 && k < MulSSIDListView->Items()->Count() ? MulSSIDListView->Items()->Item(k) : nullptr;
}

void TFM_MultiSSIDNewForm::ShowEntryAgain(TListItem* row)
{
    const int number = int(DecimalOrZero(EntryNumber(row)));
    if (number < 2 || number > CB_Index->Items()->Count())
        return;
    const AnsiString listed = AnsiString(ListCaption) + AnsiString(number - 1);
    if (ClickRowWhere(LV_MultiSSID_User, [&](const TListItem* shown) { return shown->Caption() == listed; }))
        return;
    CB_Index->SetItemIndex(number - 1);
    CB_IndexChange(CB_Index);
}

void TFM_MultiSSIDNewForm::LV_MultiSSID_UserClick(TObject* Sender)
{
    inListClick_ = true;
    TListItem* selected = LV_MultiSSID_User->Selected();
    if (selected) {
        CB_Priority->SetItemIndex(CB_Priority->Items()->IndexOf(Edt_Priority->Text()));
        const AnsiString caption = selected->Caption();
        if (caption == PrimaryCaption) {
            CB_Index->SetItemIndex(0);
            ShowSecurityGroups(true);
            CB_IndexChange(Sender);
        } else {
            const int digit = caption.Length() >= 11 ? caption[11] - '0' : -1;
            if (digit >= 1 && digit <= 3)
                CB_Index->SetItemIndex(digit);
            CB_IndexChange(Sender);
            CB_AccountModeChange(Sender);
        }
    }
    inListClick_ = false;
}

// --- writes ---------------------------------------------------------------------------

void TFM_MultiSSIDNewForm::MarkColumn(int column, bool send)
{
    MarkVars(TableRequest, send ? smSend : smLeaveOut, column);
}

void TFM_MultiSSIDNewForm::MarkColumns(bool send)
{
    // The key and the individual state keep their words: every write of the table
    // carries the entry's state.
    MarkVars(StateRequest, send ? smSend : smLeaveOut, 0);
    for (int column = colSsid; column < ColumnCount; ++column)
        MarkColumn(column, send);
}

bool TFM_MultiSSIDNewForm::MayWriteTable()
{
    if (!MayChangeTable({TableRequest}))
        return false;
    // The row a write goes to is the chosen entry's, shown from the walked table.
    const int k = CB_Index->ItemIndex();
    if (k < 0 || k >= MulSSIDListView->Items()->Count())
        return RefuseInput(MultiSsidNotReadText, "Warning");
    if (MulSSIDListView->ItemIndex() != k)
        MulSSIDListView->SetItemIndex(k);
    return true;
}

bool TFM_MultiSSIDNewForm::SwitchToAccessPoint()
{
    // A refused switch leaves the device in its mode: so does the box, and the next
    // Add tries the switch again.
    const int deviceMode = CB_ApMode->ItemIndex();
    modeBefore_.RecordVariables(dot11ApModeVars3, MVT_SV, "AP Mode", ApModeRequest);
    CB_ApMode->SetItemIndex(apAccessPoint);
    if (WriteGroup(ApModeRequest))
        return true;
    CB_ApMode->SetItemIndex(deviceMode);
    return false;
}

bool TFM_MultiSSIDNewForm::SwitchedForFurtherSsids()
{
    modeBefore_.Clear();
    if (!IfEnabMuSSID->Checked() || !ApModeNeedsSwitch() || SwitchToAccessPoint())
        return true;
    MarkColumns(true);
    ReportSave("", "Save Fail!");
    return false;
}

bool TFM_MultiSSIDNewForm::CheckDuplicateSSID()
{
    const int selectedIndex = CB_Index->ItemIndex() + 1;
    const int rows = MulSSIDListView->Items()->Count();
    for (int row = 0; row < rows; ++row) {
        const int index = int(DecimalOrZero(RowText(row, colIndex)));
        if (RowText(row, colSsid) != Ed_SSID->Text() || index == selectedIndex ||
            RowText(row, colState) != "Enable")
            continue;
        AnsiString text = "The 11g SSID " + AnsiString(selectedIndex - 1);
        if (index == 1)
            text += "'s SSID is same as Primary SSID";
        else
            text += "'s SSID is same as SSID " + AnsiString(index - 1);
        return RefuseInput(text, "Warning", Ed_SSID);
    }
    return true;
}

bool TFM_MultiSSIDNewForm::CheckInterval() { return PassesCheck(Ed_UpdateInterval); }

bool TFM_MultiSSIDNewForm::CheckHexKey()
{
    if (IsMasked(Ed_Key->Text())) {
        MarkColumn(colWepKey, false);
        return true;
    }
    MarkColumn(colWepKey, true);
    if (IsHexDigits(Ed_Key->Text()))
        return true;
    NoteRefusal(Ed_Key);
    ShowMessage(HexDigitsText);
    if (Ed_Key->CanFocus())
        Ed_Key->SetFocus();
    return false;
}

AnsiString TFM_MultiSSIDNewForm::WepKeyLengthText() const
{
    const bool wide = CB_WepEncryp->ItemIndex() == 1;
    if (CB_KeyType->ItemIndex() != 1)
        return wide ? "The Length of the keymust be 13 ASCII numbers!" : "The Length of the key  must be 5 ASCII numbers!";
    return wide ? "The Length of the key must be 26 hexadecimal numbers!"
                : "The Length of the key must be 10 hexadecimal numbers!";
}

bool TFM_MultiSSIDNewForm::CheckWepKeyLength()
{
    const int length = Ed_Key->Text().Length();
    const bool wide = CB_WepEncryp->ItemIndex() == 1;
    const bool hex = CB_KeyType->ItemIndex() == 1;
    if (length != (hex ? (wide ? 26 : 10) : (wide ? 13 : 5)))
        return RefuseInput(WepKeyLengthText(), "Warning", Ed_Key);
    if (!hex) {
        MarkColumn(colWepKey, !IsMasked(Ed_Key->Text()));
        return true;
    }
    return CheckHexKey();
}

bool TFM_MultiSSIDNewForm::CheckRadius()
{
    return PassesCheck(Edt_RadiusServer) && PassesCheck(Edt_RadiusPort) && PassesCheck(Edt_RadiusSecret);
}

void TFM_MultiSSIDNewForm::WarnSharedKey()
{
    // Entries with WEP share the device's four keys: a key index in use elsewhere
    // changes what those entries use too.
    TListItems* rows = LV_MultiSSID_User->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        TListItem* row = rows->Item(i);
        TStrings* sub = row->SubItems();
        if (sub->Count() < 3 || sub->Strings(2) != "OpenSystem")
            continue;
        int hiddenRow = -1;
        if (row->Caption() == PrimaryCaption)
            hiddenRow = 0;
        else if (sub->Strings(0) != Ed_SSID->Text() && row->Caption().Length() >= 11)
            hiddenRow = row->Caption()[11] - '0';
        if (hiddenRow < 0 || RowText(hiddenRow, colWepKeyIndex) != CB_DefaultKey->Text())
            continue;
        Application->MessageBox("Key value is used by SSID! \nTo change Key value affects other SSID settings.",
                                "Warning", MB_OK);
        return;
    }
}

bool TFM_MultiSSIDNewForm::CheckEntry()
{
    if (IfEnabMuSSID->Checked() && !PassesCheck(Ed_SSID))
        return false;
    if (!CheckDuplicateSSID())
        return false;
    if (keepSecurity_) {
        // The device's security stays as it is: the entry's own settings alone.
        for (int column : {colSsid, colSuppress, colWmm, colPriority})
            MarkColumn(column, true);
        return true;
    }
    const bool keepCipher = KeepsDeviceCipher();
    UiToAuthentication();
    if (!keepCipher)
        CipherTypeToClipher();
    switch (CB_SecurityMode->ItemIndex()) {
    case secOpen:
        if (CB_MssidEncryption->ItemIndex() == 0) {
            for (int column : {colSsid, colSuppress, colAuthentication, colEncryption, colWmm, colPriority})
                MarkColumn(column, true);
            return true;
        }
        // WEP turned on puts the device's key index and type into effect: a value the form
        // cannot show is chosen first, and Add writes it. Where the device runs WEP
        // already, it stays its own.
        for (TComboBox* setting : {CB_DefaultKey, CB_KeyType})
            if (setting->ItemIndex() < 0 && !RunsWep(CB_Index->ItemIndex()))
                return RefuseInput(UnshownInEffectText(CaptionOf(setting), AddButton->Caption()), "Warning", setting);
        if (!CheckWepKeyLength())
            return false;
        if (Ed_Key->Text() != Ed_ConfirmKey->Text())
            return RefuseInput(ConfirmText, "Warning", Ed_Key);
        WarnSharedKey();
        for (int column : {colSsid, colSuppress, colAuthentication, colEncryption, colWepKeyIndex, colKeyType,
                           colWmm, colPriority})
            MarkColumn(column, true);
        return true;
    case secPersonal: {
        if (!CheckInterval() || !PassesCheck(Ed_Passphrase))
            return false;
        if (Ed_ConfirmPass->Text() != Ed_Passphrase->Text())
            return RefuseInput(ConfirmText, "Warning", Ed_Passphrase);
        for (int column : {colSsid, colSuppress, colAuthentication, colWmm, colPriority, colInterval})
            MarkColumn(column, true);
        MarkColumn(colCipher, !keepCipher);
        // An unchanged pass phrase is not sent again.
        MarkColumn(colPassPhrase, Ed_Passphrase->Text() != shownPassphrase_);
        return true;
    }
    case secEnterprise:
        if (!CheckInterval() || !CheckRadius())
            return false;
        for (int column : {colRadiusServer, colRadiusPort, colSsid, colSuppress, colAuthentication, colWmm,
                           colPriority, colInterval})
            MarkColumn(column, true);
        MarkColumn(colCipher, !keepCipher);
        MarkColumn(colRadiusSecret, Edt_RadiusSecret->Text() != shownSecret_);
        return true;
    default:
        return false;  // no security chosen: nothing to write
    }
}

bool TFM_MultiSSIDNewForm::WriteAdded()
{
    addSent_ = WriteWithoutReread(TableRequest);
    ShowStatus(addSent_ ? "Save SSID...!" : "Save Fail!");
    return addSent_;
}

void TFM_MultiSSIDNewForm::WriteEntry()
{
    CB_IdvState->SetItemIndex(1);  // Enable
    WriteAdded();
}

void TFM_MultiSSIDNewForm::AddButtonClick(TObject* Sender)
{
    if (!MayWriteTable())
        return;
    BeginSave();
    MarkColumns(false);
    // A priority beyond the list shows as none: it stays the device's.
    const bool priorityShown = CB_Priority->ItemIndex() >= 0;
    if (priorityShown)
        Edt_Priority->SetText(CB_Priority->Text());
    if (CB_Index->ItemIndex() == 0) {
        // Of the primary SSID only the priority is written here.
        if (!SwitchedForFurtherSsids())
            return;
        if (IfEnablePriority->Checked() && priorityShown) {
            MarkColumn(colPriority, true);
            WriteAdded();
        } else {
            ShowStatus(KwNothingToSetText());  // the press is answered, never left unsaid
        }
        MarkColumns(true);
        return;
    }
    // Every check runs before anything is written, the AP mode included.
    if (!CheckEntry()) {
        MarkColumns(true);
        return;
    }
    if (!SwitchedForFurtherSsids())
        return;
    MarkColumn(colPriority, priorityShown);
    WriteEntry();
    MarkColumns(true);
}

void TFM_MultiSSIDNewForm::DelButtonClick(TObject* Sender)
{
    TListItem* selected = LV_MultiSSID_User->Selected();
    if (!selected || selected->Caption() == PrimaryCaption)
        return;
    // The entry deleted is the one the selected row names, whatever CB_Index shows.
    const AnsiString caption = selected->Caption();
    const int digit = caption.Length() >= 11 ? caption[11] - '0' : -1;
    if (digit < 1 || digit > 3)
        return;
    CB_Index->SetItemIndex(digit);
    if (!MayWriteTable())
        return;
    MarkColumns(false);
    CB_IdvState->SetItemIndex(0);  // Disable
    MarkVars(TableRequest, smSend, colState);
    BeginSave();
    ShowStatus("Deleting...");
    if (!WriteWithoutReread(TableRequest))
        ShowStatus("Save Fail!");
    MarkColumns(true);
}

void TFM_MultiSSIDNewForm::ApplyBtnClick(TObject* Sender)
{
    if (!MaySave(StateRequest, StateGuard))
        return;
    BeginSave();
    MarkColumns(false);
    // The device refuses the further SSIDs outside Access Point: a refused switch
    // ends Save there, as it ends Add.
    if (!SwitchedForFurtherSsids())
        return;
    MarkVars(StateRequest, smSend, 0);
    if (!WriteGroup(StateRequest))
        AddToVerdict(modeBefore_.WriteBack(CaptionOf(IfEnabMuSSID)));
    // A priority switch that was never read is not written back in its default.
    if (priorityStateRead_)
        WriteGroup(PriorityStateRequest);
    MarkColumns(true);
    ReportSave("Save OK!", "Save Fail!");
}

void TFM_MultiSSIDNewForm::CancelBtnClick(TObject* Sender) { Close(); }

static const bool menuEntry = RegisterModalForm("Ad_MultiSSID", FM_MultiSSIDNewForm);
