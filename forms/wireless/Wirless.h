#pragma once
// Home / Wireless: the radio's band, operating mode, SSID, channel and width, the
// security of the primary SSID (WEP keys, WPA passphrase, RADIUS), the WDS peers, the
// site survey and MAC cloning.
//
// Values the user does not edit live in hidden controls bound like the visible ones;
// the security controls the user sees are derived from the hidden combo bound to
// dot11Authentication. One class, its routines in several files by concern:
//   Wirless.cpp          controls, requests, creation and Refresh
//   WirlessDisplay.cpp   security mapping, mode and security handlers, keys, layout
//   WirlessChannels.cpp  band, application, country and channel lists, channel width
//   WirlessPeers.cpp     WDS peer list and MAC clone
//   WirlessSave.cpp      Save: SSID checks, the plan of the mode and security, guards
//   WirlessSaveSequences.cpp  the write sequences: access point, WDS, client
//   WirlessChecks.cpp, WirlessSurvey.cpp  the checks of Save, the site survey
#include "EarlierSets.h"
#include "KeptSecurity.h"
#include "SettingsFormBase.h"
#include "SystemTexts.h"
#include "WirlessLayout.h"
#include "WirlessRules.h"
#include "WirlessSaveRules.h"

class KwSNMPRequest2Edits;
class TFormBuilder;

class TFM_Wirless : public TSettingsForm {
public:
    explicit TFM_Wirless(TComponent* Owner);
    // --- page and first group ----------------------------------------------------
    TPageControl* PageControl1;
    TTabSheet* TabSheet1;
    TGroupBox* GroupBox1;  // "Wireless Network Settings"
    TLabel* Label51;       // "Application "
    TComboBox* CB_Band;
    TComboBox* CB_Applicaiton;
    TComboBox* CB_APMode;
    TEdit* Ed_SSID;
    TComboBox* CB_SsidBroadcast;
    TComboBox* CB_AuSc;
    TComboBox* CB_Chanal;
    TComboBox* CB_ChannelWidth;
    TComboBox* CB_SecurityMode;
    // The captions of the rows from "Mode " down, which move up with the application row.
    std::vector<TControl*> RowsBelowApplication;

    // --- key settings ------------------------------------------------------------
    TGroupBox* GroupBox5;  // "Key settings"
    TComboBox* CB_dot11Encryption;
    TComboBox* CB_DefaultKey;
    TComboBox* CB_WepEncryp[4];  // CB_WepEncryp1..4
    TComboBox* CB_KeyType[4];    // CB_KeyType1..4
    TEdit* Ed_Key[4];            // Ed_Key1..4
    TLabel* Lb_Key[4];
    TEdit* Ed_ConfirmKey;

    // --- passphrase and RADIUS -----------------------------------------------------
    TGroupBox* GroupBox6;  // "Passphrase Settings" / "RADIUS Server Settings"
    TComboBox* CB_WPAMode;
    TComboBox* CB_CipherType;
    TEdit* Ed_UpdateInterval;
    TLabel* Lb_Passphrase;
    TLabel* Lb_ConfirmPass;
    TEdit* Ed_Passphrase;
    TEdit* Ed_ConfirmPass;
    TGroupBox* GroupBox2;  // RADIUS server
    TComboBox* CB_NetProtect;
    TEdit* Edt_RadiusServer;
    TEdit* Edt_RadiusPort;
    TEdit* Edt_RadiusSecret;
    TEdit* Edt_BackRadiusServer;
    TEdit* Edt_BackRadiusPort;
    TEdit* Edt_BackRadiusSecret;
    TComboBox* CB_AccountMode;
    TEdit* Edt_AccountServer;
    TEdit* Edt_AccountPort;
    TEdit* Edt_AccountSecret;
    TEdit* Edt_BackAccountServer;
    TEdit* Edt_BackAccountPort;
    TEdit* Edt_BackAccountSecret;

    // --- WDS, site survey, MAC clone -------------------------------------------------
    TGroupBox* GroupBox3;       // "WDS"
    TEdit* Ed_ReMAddra[8];      // Ed_ReMAddra0..7, peers 1 to 8
    TGroupBox* GroupBox4;       // "Site Survey"
    TListView* LV_ClientSiteServey;
    TListView* LV_WdsSiteServey;
    TButton* SiteScan;
    TGroupBox* GroupBox7;       // "Clone MAC Address"
    TCheckBox* CBH_CloneMACStatus;
    TComboBox* CB_MACSource;
    TEdit* Edt_MACAddr;
    TButton* Btn_Scan;
    TListView* LV_CloneMACSurvey;

    TButton* Bt_Apply;
    TButton* Bt_Refresh;
    // Says that Save keeps the device's security or cipher, one the mode does not
    // offer; shown left of the buttons only then.
    TLabel* Lb_KeptSecurity;
    TButton* Bt_Close;
    TStatusBar* StatusBar;

    // --- hidden holders of device values ----------------------------------------------
    TComboBox* CB_dot11Authentication;
    TComboBox* CB_Clipher;
    TComboBox* CB_Auther;
    TComboBox* CB_MultEnable;
    TComboBox* CB_VlanStatus;
    TComboBox* CB_WMode1;
    TComboBox* CB_WMode2;
    TEdit* Ed_Channel;
    TEdit* Ed_Channeldatabase;
    TEdit* Ed_ChanListA;
    TEdit* Ed_ChanListG;
    TEdit* Ed_ChanListW;
    TEdit* Ed_APModeStatus;
    TEdit* Ed_Countrycode;
    TEdit* ED_Country;
    TEdit* ED_IndoorWdsChannelList;
    TEdit* ED_IndoorChannelList;
    TEdit* ED_OutdoorChannelList;
    TComboBox* CB_RemoveMac;
    TListView* Lv_RemoteMac;
    TListView* MssidListView;
    TComboBox* CB_SiteScan;
    TComboBox* CB_WdsSiteScan;
    TComboBox* CB_App;
    TComboBox* CB_CloneAddrReresh;

    // --- requests (owned by the form) ---------------------------------------------------
    KwSNMPRequest2Edits* CountryCodeRequest = nullptr;     // dot11Countrycode -> Ed_Countrycode
    KwSNMPRequest2Edits* VlanStatusRequest = nullptr;
    KwSNMPRequest2Edits* MssidTableRequest = nullptr;
    KwSNMPRequest2Edits* BandRequest = nullptr;
    KwSNMPRequest2Edits* SsidRequest = nullptr;
    KwSNMPRequest2Edits* DatabaseChannelRequest = nullptr;
    KwSNMPRequest2Edits* ChannelListRequest = nullptr;     // dot11GBand(Wds)ChannelList
    KwSNMPRequest2Edits* WifiModeRequest = nullptr;        // rebuilt for the band on every read
    KwSNMPRequest2Edits* MssidStateRequest = nullptr;
    KwSNMPRequest2Edits* ApModeStatusRequest = nullptr;
    KwSNMPRequest2Edits* PassPhraseRequest = nullptr;
    KwSNMPRequest2Edits* RadiusRequest = nullptr;
    KwSNMPRequest2Edits* AuthRequest = nullptr;
    KwSNMPRequest2Edits* WepKeyRequest[4] = {};
    KwSNMPRequest2Edits* RemoteMacAddRequest = nullptr;
    KwSNMPRequest2Edits* RemoteMacListRequest = nullptr;  // asynchronous walk
    KwSNMPRequest2Edits* RemoteMacDeleteAllRequest = nullptr;
    KwSNMPRequest2Edits* ClientScanRequest = nullptr;      // site survey: refresh and table
    KwSNMPRequest2Edits* ClientSurveyRequest = nullptr;
    KwSNMPRequest2Edits* WdsScanRequest = nullptr;
    KwSNMPRequest2Edits* WdsSurveyRequest = nullptr;
    KwSNMPRequest2Edits* ApModeRequest = nullptr;          // rebuilt by every band change
    KwSNMPRequest2Edits* CountryRequest = nullptr;         // dot11Countrycode -> ED_Country
    KwSNMPRequest2Edits* IndoorWdsListRequest = nullptr;
    KwSNMPRequest2Edits* IndoorListRequest = nullptr;
    KwSNMPRequest2Edits* OutdoorListRequest = nullptr;
    KwSNMPRequest2Edits* ApplicationRequest = nullptr;
    KwSNMPRequest2Edits* CloneMacRequest = nullptr;
    KwSNMPRequest2Edits* CloneRefreshRequest = nullptr;
    KwSNMPRequest2Edits* CloneSurveyRequest = nullptr;     // asynchronous walk

    // --- form state -----------------------------------------------------------------------
    bool Refreshed = false;            // set by Refresh (each builder builds its requests once)
    AnsiString ModeText;               // CB_APMode's text as last read from the device
    int ReadChannelIndex = 0;          // CB_Chanal's item after the last fill by country
    AnsiString ReadGroupKeyInterval;
    AnsiString ReadSecurityMode;
    bool ReadModeWasClient = false;
    int SavedIndex[4] = {0, 0, 0, 0};  // cipher; security for WDS, WDS with AP, the others
    bool VlanWarningShown = false;
    // The device holds a security the mode does not offer and the user has chosen none:
    // Save leaves authentication, encryption and keys as they are, and the key controls
    // take no input.
    bool KeepDeviceSecurity = false;
    // Likewise for a cipher the WPA security shown does not offer: Save leaves the
    // device's cipher as it is.
    bool KeepDeviceCipher = false;
    TLayoutMetrics LayoutMetrics;

    // --- creation and refresh (Wirless.cpp) ------------------------------------------
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Bt_RefreshClick(TObject* Sender);
    void Bt_CloseClick(TObject* Sender);

    // --- display (WirlessDisplay.cpp) -------------------------------------------------
    TWirelessMode Mode() const { return WirelessModeOf(CB_APMode->Text()); }
    bool RestrictedCase() const;
    bool MultiSsidOn() const;
    void ShowSecurityFromAuthentication();
    void CB_APModeChange(TObject* Sender);
    void CB_SecurityModeChange(TObject* Sender);
    void CB_dot11EncryptionChange(TObject* Sender);
    void CB_DefaultKeyChange(TObject* Sender);
    void CB_KeyTypeChange(TObject* Sender);
    void CB_CipherTypeChange(TObject* Sender);
    void CB_AuScClick(TObject* Sender);
    void CB_AccountModeChange(TObject* Sender);
    void CB_IEmodeChange(TObject* Sender) {}
    // Selects each key's size for its length, as the device's keys stand for it.
    void KeySizeFromLength();
    void CopyDefaultKeyToConfirm(int keyIndex);
    void ShowDefaultKeyRow();
    // The WEP keys are on (encryption, or shared key), and a key index is shown.
    bool KeysOn() const;
    bool KeyIndexShown() const;
    void EnableKeyControls();
    void ApplyKeyLengths();
    // The user's own choice of a security, or a cipher, ends keeping the device's.
    void SecurityChosen();
    void CipherChosen();
    void FillCipherList();
    void UpdateModeLayout();
    void SetEditLimits();
    void LayoutForCountry();
    // Read values the lists lack, shown as none: the device keeps them on Save.
    bool ModeUnlisted() const;
    bool ChannelUnlisted() const;
    bool EncryptionUnlisted() const;
    bool KeyIndexUnlisted() const;
    TModeGroups GroupsOfMode() const;
    TSecurityGroup SecurityGroupShown() const;

    // --- channels (WirlessChannels.cpp) ------------------------------------------------
    void Read5GHzChannelLists();
    void ReadCountry();
    void ReadApplication();
    void FillApplicationCombo();
    void CB_BandChange(TObject* Sender);
    // Reads the mode into CB_APMode and records it in ModeText.
    void ReadApMode();
    // The device's mode is one of the full mode list (a value that is no mode is not).
    bool DeviceModeKnown() const;
    void CB_ApplicaitonChange(TObject* Sender);
    void CB_ChanalChange(TObject* Sender);
    void FillChannelsByCountry();
    void UpdateChannelWidth();
    // Fills `combo` from the channels of `list` and selects `channel`'s text (none when
    // it is not there); true when found.
    static bool FillChannelCombo(TEdit* list, TComboBox* combo, TEdit* channel);

    // --- WDS peers and MAC clone (WirlessPeers.cpp) --------------------------------------
    void ReadRemoteMacs();
    void RemoteMacListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void ResetRemoteMacEdits();
    void ClearZeroRemoteMacs();
    // The peers the device holds as last walked.
    std::vector<AnsiString> DevicePeers() const;
    // After a Save whose delete-all of the peers the device took and whose add it
    // refused: the peers it had are added back; where none are back, the mode goes back
    // as the device had it before the Save (modeBefore_). Said in the verdict; the peer
    // edits then show what the device holds.
    void PutPeersBack(const std::vector<AnsiString>& had);
    // After the answer to the peers' add was lost: whether the device lists the peers
    // typed (read at once), which then show as the device holds them; not known where
    // the list does not come back whole.
    TEarlierSets::TJudged PeersJudged();
    void CreateCloneMacRequests();
    void CBH_CloneMACStatusClick(TObject* Sender);
    void CB_MACSourceChange(TObject* Sender);
    void Btn_ScanClick(TObject* Sender);
    void LV_CloneMACSurveyClick(TObject* Sender);

    // --- Save (WirlessSave.cpp, WirlessSaveSequences.cpp), its checks (WirlessChecks.cpp)
    void Bt_ApplyClick(TObject* Sender);
    // Every variable of the written groups sent (true) or left out (false).
    void MarkWirelessVars(bool send);
    void SecurityToAuthentication();
    void ApplicationToHidden();
    void WriteApplication();
    void CopyCipherToHidden();
    void MarkCipher();
    bool CheckWepKey(int key);  // key 0 to 3: the default key's length and digits
    // What the device holds of a security edit as far as the form knows.
    AnsiString DeviceSecurityText(const TEdit* edit) const { return deviceSecurity_.DeviceText(edit); }
    bool CheckHexKeyText(TEdit* edit);
    bool CheckWdsPeers();
    bool CheckDuplicateRemoteMacs();
    void DeclareChecks();
    void WarnOfSharedKey();

    // --- site survey (WirlessSurvey.cpp) ------------------------------------------------
    void SiteScanClick(TObject* Sender);
    void SurveyRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void SurveyWalkDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
    void LV_ClientSiteServeyClick(TObject* Sender);
    void LV_WdsSiteServeyClick(TObject* Sender);
    // Puts a surveyed BSSID into the first free peer edit; false when it is not placed.
    bool PickWdsPeer(const AnsiString& mac);

    // The first read failure of the last creation or Refresh ("" when all succeeded).
    AnsiString ReadFailure() const { return ReadFailureText(); }

private:
    // A synchronous request on a catalogue group.
    KwSNMPRequest2Edits* SyncRequest(const KwSNMPVar* table, KwSNMPItemType itemType, int keyCount,
                                     int timeout);
    bool Read(KwSNMPRequest2Edits* request);
    void ReadCountryCode();
    void ReadVlanStatus();
    void ReadMssidTable();
    void ReadBandGroup();
    void ReadWifiMode();
    void ReadAuthGroup();
    void ReadPassPhrase();
    void ReadRadius();
    void BuildSiteSurveyRequests();
    void ReportReads(bool refresh);
    // The controls, group by group, and the handlers the user reaches.
    void BuildNetworkGroup(TFormBuilder& page);
    void BuildKeyGroup(TFormBuilder& page);
    void BuildPassphraseGroup(TFormBuilder& page);
    void BuildWdsGroup(TFormBuilder& page);
    void BuildSurveyGroup(TFormBuilder& page);
    void BuildCloneGroup(TFormBuilder& page);
    void BuildHiddenControls(TFormBuilder& build);
    void ConnectHandlers();
    void PlaceGroups(const TWirelessLayout& layout);
    void PlaceNote();

    struct TSavePlan {
        TSaveSequence Sequence = ssNoSequence;
        TSecurityBranch Branch = sbNone;
        int Key = -1;  // the default key (0 to 3) of a WEP branch, -1 for none
    };
    TSavePlan PlanSave() const;
    bool MaySaveGroups(const TSavePlan& plan);
    bool RunSaveChecks(const TSavePlan& plan);
    bool WriteSavePlan(const TSavePlan& plan);
    bool WriteAccessPointSequence(const TSavePlan& plan);
    bool WriteWdsSequence(const TSavePlan& plan);
    bool WriteClientSequence(const TSavePlan& plan);
    void MarkClone();
    void MarkWep();
    void CopyChosenChannel();
    bool WriteDefaultKey(int key);
    bool WriteOpenOrWep(const TSavePlan& plan);
    bool WritePeers();
    bool CheckDefaultKey(int key);
    // The key (0 to 3) is typed, or put into effect by a switch the user turned or by
    // another size chosen for it: Save checks and writes it.
    bool KeyInEffect(int key) const;
    // The user chose another type or size for the key (0 to 3) than the device's.
    bool KeyTypeOrSizeChanged(int key) const;
    bool CheckPassphrase();
    bool CheckRadius();
    void MarkPassphrase();
    bool Send(KwSNMPRequest2Edits* request);
    void EnableSurveyButtons(bool enabled);
    KwSNMPRequest2Edits* SurveyTableFor(bool clientList) const;
    // A change of mode or band by the user; what was typed in a security it starts
    // keeping is put back as read, and the user told.
    void ChangeMode(const std::function<void()>& change);
    void RememberSecurityTexts();
    // The settings of the security (keys, passphrase, RADIUS server) as last read. Only a
    // WEP key the user edited is checked and written: the device's own, whatever it
    // holds, never holds up a Save.
    TDeviceTexts deviceSecurity_;
    // Each key's size item as the key read stands for it; the size is no variable of the
    // device's, written only with a key of that length.
    int readKeySize_[4] = {-1, -1, -1, -1};
    bool cloneRescan_ = false;  // a clone scan waits for the walk under way
    bool peersRead_ = false;    // the peer edits hold the device's list as last walked
    TEarlierSets modeBefore_{this};   // the mode as a WDS Save found it on the device
    TEarlierSets mssidBefore_{this};  // the further SSIDs' switch, which a Save to WDS or client turns off
};

extern TFM_Wirless* FM_Wirless;

// The status text of a Refresh whose reads all succeeded.
extern const char* const RefreshOkText;
// Save's refusals before the groups it writes were read, and while the peer list's
// read is outstanding.
extern const char* const WirelessNotReadText;
extern const char* const WirelessReadPendingText;
// Save's refusal while the mode shows none: the device's is not in the list.
extern const char* const ModeNotListedText;
