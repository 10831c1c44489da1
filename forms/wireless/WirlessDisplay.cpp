// Home / Wireless: the security controls derived from dot11Authentication, the mode and
// security handlers, the WEP key controls, and the layout of the groups by mode.
#include "Wirless.h"

#include "KeptSecurity.h"

#include <cstring>

const char* const MultiSsidWarningText =
    "Multi-SSID will be disabled when VKA-7410 is configured in 'WDS' or 'Wireless Client'.";
const char* const VlanWarningText = "VLAN will be disabled when Authentication is not configured in 'WPA-Enterprise'.";

namespace {

bool Contains(const AnsiString& text, const char* part)
{
    return std::strstr(text.c_str(), part) != nullptr;
}

void FillItems(TComboBox* combo, const std::vector<const char*>& items)
{
    combo->Items()->Clear();
    for (const char* item : items)
        combo->Items()->Add(item);
}

}  // namespace

bool TFM_Wirless::RestrictedCase() const { return IsRestrictedCase(Ed_Countrycode->Text(), CB_Band->ItemIndex()); }

bool TFM_Wirless::MultiSsidOn() const { return CB_MultEnable->ItemIndex() == 1; }

void TFM_Wirless::ShowSecurityFromAuthentication()
{
    const TSecurityView view =
        SecurityViewFor(Mode(), MultiSsidOn(), RestrictedCase(), CB_dot11Authentication->Text());
    FillItems(CB_SecurityMode, view.SecurityItems);
    FillItems(CB_WPAMode, view.WpaModeItems);
    CB_SecurityMode->SetItemIndex(view.SecurityIndex);
    CB_WPAMode->SetItemIndex(view.WpaModeIndex);
    CB_WPAMode->SetEnabled(view.WpaModeEnabled);
    // A security the mode does not offer is shown as another one, or as none: Save
    // keeps the device's until the user chooses one.
    const TSaveSequence sequence = SaveSequenceFor(Mode(), RestrictedCase());
    KeepDeviceSecurity = AuthRequest && GroupRead(AuthRequest) && sequence != ssNoSequence &&
                         !ShowsDeviceSecurity(sequence, CB_dot11Authentication->Text(), CB_SecurityMode->Text(),
                                              CB_WPAMode->ItemIndex());
}

void TFM_Wirless::SecurityChosen()
{
    KeepDeviceSecurity = false;
    PlaceNote();
}

void TFM_Wirless::CipherChosen()
{
    KeepDeviceCipher = false;
    PlaceNote();
}

// --- mode and security ------------------------------------------------------------------

void TFM_Wirless::CB_APModeChange(TObject* Sender)
{
    const TWirelessMode mode = Mode();
    const AnsiString status = Ed_APModeStatus->Text();
    // The survey button: never while the device holds a mode change it has not applied.
    if ((mode == wmWds || mode == wmWdsWithAp) && ReadModeWasClient)
        SiteScan->SetEnabled(false);
    else if (status == "changed")
        SiteScan->SetEnabled(false);
    else if (status == "unchanged")
        SiteScan->SetEnabled(true);

    // The warnings are for the user's own changes, not for the form's reads.
    const bool byUser = Sender != this;
    if (byUser && (mode == wmWds || mode == wmClient) && MultiSsidOn())
        RefuseInput(MultiSsidWarningText, "Warning");
    if (byUser && CB_SecurityMode->Text() == "WPA-Enterprise" && CB_VlanStatus->ItemIndex() == 1 &&
        CB_NetProtect->ItemIndex() == 1 && mode != wmAccessPoint && !VlanWarningShown) {
        RefuseInput(VlanWarningText, "Warning");
        VlanWarningShown = true;
    }

    ShowSecurityFromAuthentication();
    if (mode != WirelessModeOf(ModeText) && mode != wmAccessPoint && mode != wmClient) {
        // Back to the security item last chosen in this mode.
        const int saved = RestrictedCase() ? SavedIndex[3] : mode == wmWdsWithAp ? SavedIndex[2] : SavedIndex[1];
        if (saved >= 0 && saved < CB_SecurityMode->Items()->Count() && saved != CB_SecurityMode->ItemIndex()) {
            CB_SecurityMode->SetItemIndex(saved);
            KeepDeviceSecurity = false;  // the user's own choice in this mode
        }
    }
    ResetRemoteMacEdits();
    UpdateModeLayout();
    CB_SecurityModeChange(Sender);
    GroupBox3->SetCaption(mode == wmWdsWithAp ? "WDS with AP" : "WDS");
    if (mode == wmAccessPoint || mode == wmWdsWithAp || mode == wmWds) {
        CB_Chanal->SetItemIndex(ReadChannelIndex);
        Ed_UpdateInterval->SetEnabled(true);
        Ed_UpdateInterval->SetText(ReadGroupKeyInterval);
    }
    CB_IEmodeChange(Sender);
    UpdateChannelWidth();
    FillChannelsByCountry();
}

void TFM_Wirless::CB_SecurityModeChange(TObject* Sender)
{
    if (Sender == CB_SecurityMode)
        SecurityChosen();
    const TWirelessMode mode = Mode();
    const int item = CB_SecurityMode->ItemIndex();
    if (RestrictedCase())
        SavedIndex[3] = item;
    else if (mode == wmWdsWithAp)
        SavedIndex[2] = item;
    else if (mode == wmWds)
        SavedIndex[1] = item;
    else
        SavedIndex[3] = item;

    const AnsiString security = CB_SecurityMode->Text();
    if (Contains(security, "Share")) {
        // Shared key means WEP, but an encryption the device gave outside the list
        // stays shown as none until the user chooses the security.
        if (Sender == CB_SecurityMode || CB_dot11Encryption->ItemIndex() >= 0)
            CB_dot11Encryption->SetItemIndex(1);
        CB_dot11Encryption->SetEnabled(false);
    } else {
        CB_dot11Encryption->SetEnabled(true);
    }
    if (mode == wmAccessPoint || mode == wmClient)
        CB_CipherType->SetItemIndex(SavedIndex[0]);
    if (Sender != this && mode == wmAccessPoint && ReadSecurityMode == "WPA-Enterprise" &&
        CB_VlanStatus->ItemIndex() == 1 && CB_NetProtect->ItemIndex() == 1 && security != "WPA-Enterprise" &&
        !VlanWarningShown) {
        RefuseInput(VlanWarningText, "Warning");
        VlanWarningShown = true;
    }
    UpdateModeLayout();
    if (GroupBox5->Visible()) {
        CB_DefaultKeyChange(Sender);
        CB_dot11EncryptionChange(Sender);
    }
    UpdateChannelWidth();
}

void TFM_Wirless::CB_CipherTypeChange(TObject* Sender)
{
    SavedIndex[0] = CB_CipherType->ItemIndex();
    if (Sender == CB_CipherType)
        CipherChosen();
}

void TFM_Wirless::CB_AuScClick(TObject* Sender) { CB_Chanal->SetEnabled(CB_AuSc->ItemIndex() != 1); }

void TFM_Wirless::CB_AccountModeChange(TObject* Sender)
{
    const bool on = CB_AccountMode->ItemIndex() != 0;
    for (TEdit* edit : {Edt_AccountServer, Edt_AccountPort, Edt_AccountSecret, Edt_BackAccountServer,
                        Edt_BackAccountPort, Edt_BackAccountSecret})
        edit->SetEnabled(on);
}

void TFM_Wirless::FillCipherList()
{
    const TWirelessMode mode = Mode();
    FillItems(CB_CipherType, CipherItemsFor(mode));
    CB_CipherType->SetEnabled(true);
    CB_CipherType->SetItemIndex(CipherIndexFor(mode, CB_Clipher->Text()));
    if (mode == wmWds)
        CB_WPAMode->SetItemIndex(0);
    // A cipher the list lacks shows as its first item: Save keeps the device's until the
    // user chooses one. WDS writes no cipher at all.
    KeepDeviceCipher = mode != wmWds && PassPhraseRequest && GroupRead(PassPhraseRequest) &&
                       !OffersCipher(mode, CB_Clipher->Text());
}

// --- WEP keys --------------------------------------------------------------------------------

void TFM_Wirless::CB_dot11EncryptionChange(TObject* Sender)
{
    if (Sender == CB_dot11Encryption)
        SecurityChosen();
    EnableKeyControls();
    if (KeysOn() && !Contains(CB_SecurityMode->Text(), "WPA"))
        ShowDefaultKeyRow();
    UpdateChannelWidth();
}

bool TFM_Wirless::KeysOn() const
{
    // No encryption shown: the device keeps its own, and open writes no key, so the
    // keys are offered only with shared key, which writes them.
    const int encryption = CB_dot11Encryption->ItemIndex();
    return encryption > 0 || (encryption < 0 && Contains(CB_SecurityMode->Text(), "Share"));
}

bool TFM_Wirless::KeyIndexShown() const
{
    const int key = CB_DefaultKey->ItemIndex();
    return key >= 0 && key <= 3;
}

void TFM_Wirless::EnableKeyControls()
{
    // The keys of a kept security take no input: Save would not write them. Nor do
    // they while no key index is shown: Save checks and writes the key in use only.
    const bool on = KeysOn() && !KeepDeviceSecurity;
    const bool editable = on && KeyIndexShown();
    for (int k = 0; k < 4; ++k) {
        CB_WepEncryp[k]->SetEnabled(editable);
        CB_KeyType[k]->SetEnabled(editable);
        Ed_Key[k]->SetEnabled(editable);
    }
    CB_DefaultKey->SetEnabled(on);
    Ed_ConfirmKey->SetEnabled(editable);
}

void TFM_Wirless::ShowDefaultKeyRow()
{
    // Without a key index one row stands for all four, taking no input.
    const int shown = KeyIndexShown() ? CB_DefaultKey->ItemIndex() : 0;
    for (int k = 0; k < 4; ++k) {
        const bool visible = k == shown;
        Lb_Key[k]->SetVisible(visible);
        CB_KeyType[k]->SetVisible(visible);
        CB_WepEncryp[k]->SetVisible(visible);
        Ed_Key[k]->SetVisible(visible);
    }
}

void TFM_Wirless::ApplyKeyLengths()
{
    for (int k = 0; k < 4; ++k) {
        const int length = KeyMaxLengthFor(CB_KeyType[k]->ItemIndex(), CB_WepEncryp[k]->ItemIndex());
        if (length > 0)
            Ed_Key[k]->SetMaxLength(length);
    }
}

namespace {

void ConfirmLimitOfFirstVisibleKey(TEdit* const keys[4], TEdit* confirm)
{
    for (int k = 0; k < 4; ++k)
        if (keys[k]->Visible()) {
            confirm->SetMaxLength(keys[k]->MaxLength());
            return;
        }
}

}  // namespace

void TFM_Wirless::CB_KeyTypeChange(TObject* Sender)
{
    ApplyKeyLengths();
    ConfirmLimitOfFirstVisibleKey(Ed_Key, Ed_ConfirmKey);
}

void TFM_Wirless::CB_DefaultKeyChange(TObject* Sender)
{
    ApplyKeyLengths();
    ShowDefaultKeyRow();
    ConfirmLimitOfFirstVisibleKey(Ed_Key, Ed_ConfirmKey);
    if (Sender == CB_DefaultKey) {
        EnableKeyControls();
        PlaceNote();
    }
}

void TFM_Wirless::KeySizeFromLength()
{
    for (int k = 0; k < 4; ++k) {
        const int size = KeySizeIndexFor(CB_KeyType[k]->ItemIndex(), Ed_Key[k]->Text().Length());
        if (size >= 0)
            CB_WepEncryp[k]->SetItemIndex(size);
        readKeySize_[k] = CB_WepEncryp[k]->ItemIndex();
    }
}

void TFM_Wirless::CopyDefaultKeyToConfirm(int keyIndex)
{
    if (keyIndex >= 0 && keyIndex <= 3)
        Ed_ConfirmKey->SetText(Ed_Key[keyIndex]->Text());
}

// --- layout ------------------------------------------------------------------------------

TModeGroups TFM_Wirless::GroupsOfMode() const
{
    switch (Mode()) {
    case wmWdsWithAp: return RestrictedCase() ? mgSurveyClone : mgWdsSurvey;
    case wmWds: return mgWdsSurvey;
    case wmClient: return mgSurveyClone;
    default: return mgSecurityOnly;
    }
}

TSecurityGroup TFM_Wirless::SecurityGroupShown() const
{
    const AnsiString security = CB_SecurityMode->Text();
    if (security == "Open System" || security == "Shared Key")
        return sgKeys;
    if (security == "WPA-Personal")
        return sgPersonal;
    if (security == "WPA-Enterprise")
        return sgEnterprise;
    return sgNone;
}

void TFM_Wirless::UpdateModeLayout()
{
    for (TControl* control : std::initializer_list<TControl*>{CB_dot11Encryption, CB_AuSc, CB_SsidBroadcast,
                                                              CB_Chanal, CB_ChannelWidth})
        control->SetEnabled(true);
    CB_Applicaiton->SetEnabled(false);
    Ed_UpdateInterval->SetEnabled(!Contains(CB_APMode->Text(), "Client"));

    const TWirelessMode mode = Mode();
    const TModeGroups groups = GroupsOfMode();
    LV_ClientSiteServey->SetVisible(groups == mgSurveyClone);
    LV_WdsSiteServey->SetVisible(groups == mgWdsSurvey);
    if (groups == mgWdsSurvey) {
        GroupBox3->SetCaption(mode == wmWdsWithAp ? "WDS with AP" : "WDS");
        CB_AuSc->SetItemIndex(0);
        CB_AuSc->SetEnabled(false);
    } else if (mode == wmClient) {
        CB_SsidBroadcast->SetItemIndex(1);
        CB_AuSc->SetItemIndex(1);
        CB_ChannelWidth->SetItemIndex(1);
        for (TControl* control : std::initializer_list<TControl*>{CB_SsidBroadcast, CB_AuSc, CB_ChannelWidth, CB_Chanal})
            control->SetEnabled(false);
        FillChannelsByCountry();
    } else if (groups == mgSurveyClone) {  // WDS with AP in the restricted case
        CB_SsidBroadcast->SetItemIndex(1);
        CB_SsidBroadcast->SetEnabled(false);
        CB_AuSc->SetItemIndex(0);
        CB_AuSc->SetEnabled(false);
        CB_Chanal->SetEnabled(false);
        CB_ChannelWidth->SetEnabled(false);
    } else {
        CB_AuScClick(this);
    }

    const TSecurityGroup security = SecurityGroupShown();
    KeepDeviceCipher = false;  // until the cipher list is shown
    if (CB_SecurityMode->Text() == "Shared Key") {
        if (CB_dot11Encryption->ItemIndex() >= 0)
            CB_dot11Encryption->SetItemIndex(1);
        CB_dot11Encryption->SetEnabled(false);
    }
    if (security == sgPersonal || security == sgEnterprise) {
        const bool personal = security == sgPersonal;
        GroupBox6->SetCaption(personal ? "Passphrase Settings" : "RADIUS Server Settings");
        for (TControl* control : std::initializer_list<TControl*>{Lb_Passphrase, Ed_Passphrase, Lb_ConfirmPass,
                                                                  Ed_ConfirmPass})
            control->SetVisible(personal);
        GroupBox2->SetVisible(!personal);
        GroupBox2->SetTop(Lb_Passphrase->Top() - LayoutMetrics.Margin);
        FillCipherList();
        if (!personal)
            CB_AccountModeChange(this);
    }
    PlaceGroups(WirelessLayoutFor(groups, security, LayoutMetrics));
}

void TFM_Wirless::PlaceGroups(const TWirelessLayout& layout)
{
    auto place = [](TControl* group, int top) {
        group->SetVisible(top >= 0);
        if (top >= 0)
            group->SetTop(top);
    };
    place(GroupBox3, layout.WdsTop);
    place(GroupBox4, layout.SurveyTop);
    place(GroupBox7, layout.CloneTop);
    place(GroupBox5, layout.KeyTop);
    place(GroupBox6, layout.PassphraseTop);
    if (layout.PassphraseHeight > 0)
        GroupBox6->SetHeight(layout.PassphraseHeight);
    PageControl1->SetHeight(layout.PageHeight);
    for (TButton* button : {Bt_Apply, Bt_Refresh, Bt_Close})
        button->SetTop(layout.ButtonsTop);
    // The layout's height is the client area's: the window's frame comes on top of it,
    // whether the form is shown yet or not.
    SetClientHeight(layout.FormHeight);
    PlaceNote();
}

bool TFM_Wirless::ModeUnlisted() const
{
    return ApModeRequest && GroupRead(ApModeRequest) && CB_APMode->ItemIndex() < 0;
}

bool TFM_Wirless::ChannelUnlisted() const
{
    // A client writes the channel it holds, not the one of the list.
    const TSaveSequence sequence = SaveSequenceFor(Mode(), RestrictedCase());
    return SsidRequest && GroupRead(SsidRequest) && CB_Chanal->ItemIndex() < 0 && sequence != ssClient;
}

bool TFM_Wirless::KeyIndexUnlisted() const
{
    return AuthRequest && GroupRead(AuthRequest) && !KeepDeviceSecurity && SecurityGroupShown() == sgKeys &&
           KeysOn() && !KeyIndexShown();
}

bool TFM_Wirless::EncryptionUnlisted() const
{
    return AuthRequest && GroupRead(AuthRequest) && SecurityGroupShown() == sgKeys &&
           CB_dot11Encryption->ItemIndex() < 0;
}

void TFM_Wirless::PlaceNote()
{
    ShowKeptNote(Lb_KeptSecurity, KeepDeviceSecurity, KeepDeviceCipher, CB_dot11Authentication->Text(),
                 CB_Clipher->Text(), "Save");
    std::vector<const char*> unlisted;
    if (BandRequest && GroupRead(BandRequest) && CB_Band->ItemIndex() < 0)
        unlisted.push_back("band");
    if (ChannelUnlisted())
        unlisted.push_back("channel");
    // A kept security keeps its encryption too.
    if (EncryptionUnlisted() && !KeepDeviceSecurity)
        unlisted.push_back("encryption");
    if (KeyIndexUnlisted())
        unlisted.push_back("key index");
    const AnsiString note = UnlistedNote(ModeUnlisted(), unlisted,
                                         KeepDeviceSecurity ? "security" : KeepDeviceCipher ? "cipher" : "");
    if (!note.IsEmpty()) {
        Lb_KeptSecurity->SetCaption(note);
        Lb_KeptSecurity->SetVisible(true);
    }
    if (!Lb_KeptSecurity->Visible())
        return;
    // Left of the buttons, from just below the page to the status bar: the note adds
    // nothing to the form's height.
    const int top = PageControl1->Top() + PageControl1->Height() + 1;
    Lb_KeptSecurity->SetBounds(Lb_KeptSecurity->Left(), top, Bt_Apply->Left() - Lb_KeptSecurity->Left() - 5,
                               StatusBar->Top() - top);
}

void TFM_Wirless::SetEditLimits()
{
    Ed_SSID->SetMaxLength(32);
    for (TEdit* peer : Ed_ReMAddra)
        peer->SetMaxLength(12);
    Ed_UpdateInterval->SetMaxLength(7);
    for (TEdit* server : {Edt_RadiusServer, Edt_BackRadiusServer, Edt_AccountServer, Edt_BackAccountServer})
        server->SetMaxLength(15);
    for (TEdit* secret : {Edt_RadiusSecret, Edt_BackRadiusSecret, Edt_AccountSecret, Edt_BackAccountSecret})
        secret->SetMaxLength(64);
    Ed_Passphrase->SetMaxLength(63);
    ApplyKeyLengths();
}

void TFM_Wirless::LayoutForCountry()
{
    LayoutMetrics = TLayoutMetrics{};
    // The first group is as high in every country. Without the application row the rows
    // below it move up into its place; with it (JP) the room comes from between the
    // rows: each row from the application row down moves up its share, the last one
    // the whole row. A row of its own would make a client's form too tall for the
    // screen.
    const int d = CB_Applicaiton->Height() + 6;
    const bool shown = ED_Country->Text() == "JP";
    Label51->SetVisible(shown);
    CB_Applicaiton->SetVisible(shown);
    const int rows = static_cast<int>(RowsBelowApplication.size()) / 2 + 1;
    auto moveUp = [&](TControl* control, int row) { control->SetTop(control->Top() - (shown ? d * row / rows : d)); };
    if (shown) {
        moveUp(Label51, 1);
        moveUp(CB_Applicaiton, 1);
    }
    for (std::size_t i = 0; i < RowsBelowApplication.size(); ++i)
        moveUp(RowsBelowApplication[i], static_cast<int>(i) / 2 + 2);
    LayoutMetrics.FirstGroup -= d;
    GroupBox1->SetHeight(LayoutMetrics.FirstGroup);
}
