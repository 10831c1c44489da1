#pragma once
// Advanced \ Multi-SSID: switches the device's multiple-SSID feature and edits its
// multi-SSID table. Entry 1 is the primary SSID (only its priority is written here),
// entries 2 to 4 are the additional SSIDs with their text, visibility, security (open
// with or without WEP, WPA-Personal, WPA-Enterprise with a RADIUS server), WMM and
// priority. The table is walked into a hidden list view and shown in the form's own
// words in the visible one; each write chooses its columns by access words.
#include "EarlierSets.h"
#include "SettingsFormBase.h"

#include <vector>

class KwSNMPRequest2Edits;
class TFormBuilder;

class TFM_MultiSSIDNewForm : public TSettingsForm {
public:
    explicit TFM_MultiSSIDNewForm(TComponent* Owner);
    TGroupBox* GroupBox1;  // "Multi-SSID Settings"
    TCheckBox* IfEnabMuSSID;
    TCheckBox* IfEnablePriority;
    TComboBox* CB_Priority;
    TComboBox* CB_Index;
    TComboBox* CB_Band;
    TEdit* Ed_SSID;
    TComboBox* CB_SsidBroadcast;
    TComboBox* CB_SecurityMode;
    TComboBox* CB_MssidEncryption;
    TComboBox* CB_WMM;
    TLabel* Lb_Ssidindex;

    TGroupBox* GroupBox2;  // "Key Settings"
    TComboBox* CB_WepEncryp;
    TComboBox* CB_KeyType;
    TComboBox* CB_DefaultKey;
    TEdit* Ed_Key;
    TEdit* Ed_ConfirmKey;

    TGroupBox* GroupBox3;  // pass phrase or RADIUS settings
    TComboBox* CB_WPAMode;
    TComboBox* CB_CipherType;
    TEdit* Ed_UpdateInterval;
    TLabel* Lb_Passphrase;
    TEdit* Ed_Passphrase;
    TLabel* Lb_ConfirmPass;
    TEdit* Ed_ConfirmPass;
    TGroupBox* GroupBox7;  // RADIUS server
    TEdit* Edt_RadiusServer;
    TEdit* Edt_RadiusPort;
    TEdit* Edt_RadiusSecret;

    TGroupBox* GroupBox4;  // the list
    TListView* LV_MultiSSID_User;
    TButton* AddButton;
    TButton* DelButton;
    TButton* ApplyBtn;
    TButton* CancelBtn;
    TStatusBar* StatusBar;
    // Says that Add keeps a security or a cipher the entry holds but the lists lack.
    TLabel* Lb_KeptSecurity;

    // Never shown: device values, the walked table, and the backup RADIUS and
    // accounting settings (enabled and limited with the others, never sent).
    TGroupBox* GroupBox6;
    TComboBox* CB_ApMode;
    TComboBox* CB_VlanStatus;
    TComboBox* CB_IdvState;
    TComboBox* CB_dot11Authentication;
    TComboBox* CB_Clipher;
    TEdit* Edt_Priority;
    TListView* MulSSIDListView;
    TComboBox* CB_AccountMode;
    std::vector<TEdit*> BackupRadiusEdits;  // server, port, secret
    std::vector<TEdit*> AccountingEdits;    // primary and backup server, port, secret

    // Built by FormCreate, owned by the form. All synchronous but the table.
    KwSNMPRequest2Edits* ApModeRequest = nullptr;
    KwSNMPRequest2Edits* BandRequest = nullptr;
    KwSNMPRequest2Edits* StateRequest = nullptr;
    KwSNMPRequest2Edits* PriorityStateRequest = nullptr;
    KwSNMPRequest2Edits* VlanRequest = nullptr;
    KwSNMPRequest2Edits* TableRequest = nullptr;

    // The table's columns.
    enum Column {
        colIndex, colState, colSsid, colSuppress, colAuthentication, colEncryption, colWepKeyIndex,
        colKeyType, colCipher, colPassPhrase, colWepKey, colWmm, colInterval, colRadiusServer,
        colRadiusPort, colRadiusSecret, colPriority, ColumnCount
    };

    void FormCreate(TObject* Sender);
    void IfEnabMuSSIDClick(TObject* Sender);
    // The index, Add and the priority switch as the Multi-SSID switch offers them.
    void FollowMultiSsidSwitch(bool on);
    void IfEnablePriorityClick(TObject* Sender);
    void CB_IndexChange(TObject* Sender);
    void CB_SecurityModeChange(TObject* Sender);
    void CB_KeyTypeChange(TObject* Sender);
    void CB_MssidEncryptionChange(TObject* Sender);
    void CB_WPAModeChange(TObject* Sender);
    void CB_CipherTypeChange(TObject* Sender);
    void CB_AccountModeChange(TObject* Sender);
    void LV_MultiSSID_UserClick(TObject* Sender);
    void AddButtonClick(TObject* Sender);
    void ApplyBtnClick(TObject* Sender);
    void DelButtonClick(TObject* Sender);
    void CancelBtnClick(TObject* Sender);

    bool PriorityStateRead() const { return priorityStateRead_; }
    bool TableRead() const { return GroupRead(TableRequest); }

private:
    void BuildSettingsGroup(TFormBuilder& build);
    void BuildKeyGroup(TFormBuilder& build);
    void BuildPassphraseGroup(TFormBuilder& build);
    void BuildHiddenControls(TFormBuilder& build);
    bool Read(KwSNMPRequest2Edits* request);
    void MssidGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void MssidSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void EnableEntryControls(int index);
    void SetSecurityLists();
    void UiToAuthentication();
    // The authentication item the security and WPA mode shown stand for; -1 for none.
    int AuthenticationItemShown() const;
    bool ShowsDeviceSecurity() const;
    bool KeepsDeviceCipher() const;
    void SecurityChosen();
    void UpdateKeptNote();
    void CipherTypeToClipher();
    void ShowSecurityGroups(bool primary);
    void FillUserList();
    void MarkColumns(bool send);
    void MarkColumn(int column, bool send);
    void KeySizeFromLength();
    void SetKeyMaxLength();
    void SetEditLimits();
    bool MayWriteTable();
    bool ApModeNeedsSwitch() const;
    bool SwitchToAccessPoint();
    // With the feature on, the switch to Access Point its write needs first; false
    // (with "Save Fail!") when the device refused it and nothing more may be written.
    bool SwitchedForFurtherSsids();
    bool CheckEntry();
    bool CheckDuplicateSSID();
    bool CheckInterval();
    bool CheckWepKeyLength();
    bool CheckHexKey();
    // The refusal of a key of another length than its type and size take.
    AnsiString WepKeyLengthText() const;
    bool CheckRadius();
    void WarnSharedKey();
    // Add's write of the table; true when it was sent (Add's verdict follows its answer).
    bool WriteAdded();
    void WriteEntry();
    AnsiString RowText(int row, int column) const;
    // What a press on the table acts on: the further SSID shown (CB_Index), known by the
    // number its table row gives it, which the index box shows also while the table is
    // unread; once the table is read again it is shown again, as the user's choice in
    // the list or in the index box shows it.
    bool EntryChosen() const { return CB_Index->ItemIndex() > 0; }
    TListItem* ChosenEntryRow() const;
    AnsiString EntryNumber(const TListItem* row) const { return row ? RowText(row->Index(), colIndex) : AnsiString(); }
    void ShowEntryAgain(TListItem* row);
    // True when the device runs the entry of `row` with WEP: encryption on under open
    // system or shared key (a WPA entry holds encryption on as well).
    bool RunsWep(int row) const;

    std::vector<int> rowColumns_;  // the variables of the hidden list's columns, as walked
    AnsiString shownPassphrase_;   // as they stood when the entry was shown
    AnsiString shownSecret_;
    bool inListClick_ = false;
    // The entry shown holds a security the mode's lists lack and the user has chosen
    // none: Add leaves authentication, encryption, keys and cipher as they are, and the
    // controls of those settings take no input.
    bool keepSecurity_ = false;
    // The cipher list was filled for the security shown; the user chose from it.
    bool cipherListFilled_ = false;
    bool cipherChosen_ = false;
    bool priorityStateRead_ = false;
    bool addSent_ = false;  // Add's write is out: MssidSetDone says what it did not write
    // The AP-mode warning: armed once the feature's state was read and whenever the
    // user switches the feature off; shown at most once per arming, per form.
    bool warnApMode_ = false;
    // The AP mode as the device had it before an Add or Save switched it to Access
    // Point, written back when the entry or the Multi-SSID switch is refused.
    TEarlierSets modeBefore_{this};
};

extern TFM_MultiSSIDNewForm* FM_MultiSSIDNewForm;

// Refusals of a write while the table has not been read or a read or write of it is
// still under way.
extern const char* const MultiSsidNotReadText;
extern const char* const MultiSsidPendingText;
