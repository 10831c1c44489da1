#include "Wirless.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "InputChecks.h"
#include "KeptSecurity.h"
#include "KwSNMPRequest2Edits.h"

TFM_Wirless* FM_Wirless = nullptr;

const char* const RefreshOkText = "Refresh Ok!";

namespace {
const int LabelLeft = 16;
const int GroupWidth = 490;
}  // namespace

TFM_Wirless::TFM_Wirless(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_Wirless", "Home \\ Wireless", FM_Wirless))
{
    SetClientWidth(GroupWidth + 30);

    TFormBuilder build(this);
    PageControl1 = build.Add<TPageControl>("PageControl1", 5, 5, GroupWidth + 20, 400);
    TabSheet1 = new TTabSheet(this);
    TabSheet1->SetName("TabSheet1");
    TabSheet1->SetPageControl(PageControl1);
    TabSheet1->SetCaption("IEEE 802.11");
    TFormBuilder page = build.In(TabSheet1);

    BuildNetworkGroup(page);
    BuildKeyGroup(page);
    BuildPassphraseGroup(page);
    BuildWdsGroup(page);
    BuildSurveyGroup(page);
    BuildCloneGroup(page);

    Bt_Apply = build.Button("Bt_Apply", "Save", 250, 0, [this](TObject* S) { Bt_ApplyClick(S); });
    Bt_Refresh = build.Button("Bt_Refresh", "Refresh", 335, 0, ReadSequence([this](TObject* S) { Bt_RefreshClick(S); }));
    Bt_Close = build.Button("Bt_Close", "Close", 420, 0, [this](TObject* S) { Bt_CloseClick(S); });
    // A note, not the caption of a control.
    Lb_KeptSecurity = AddKeptNote(build, "Lb_KeptSecurity");
    StatusBar = build.StatusBar("StatusBar", {50});
    SetStatusBar(StatusBar);

    BuildHiddenControls(build);
    ConnectHandlers();
    // Hidden choices the user turns through the ones on screen are named by those.
    NameControl(CB_dot11Authentication, CaptionOf(CB_SecurityMode));
    NameControl(CB_Clipher, CaptionOf(CB_CipherType));
    NameControl(CB_App, CaptionOf(CB_Applicaiton));

    CB_Band->SetItemIndex(0);
    DeclareChecks();
    // Save copies the security the user chooses into the authentication.
    TurnedThrough(CB_dot11Authentication, {CB_SecurityMode, CB_WPAMode});
    TurnedThrough(CB_Clipher, {CB_CipherType});
    // WDS and the client run without the further SSIDs: switched off, they go back with the mode.
    SwitchesOffFor(CB_APMode, mssidBefore_);
    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFM_Wirless::BuildNetworkGroup(TFormBuilder& page)
{
    // The first group: one row a setting, the application row second.
    GroupBox1 = page.Group("GroupBox1", "Wireless Network Settings", 5, LayoutMetrics.Margin, GroupWidth,
                           LayoutMetrics.FirstGroup);
    TFormBuilder first = page.In(GroupBox1);
    TFormRows rows(first, {LabelLeft, 150, 300, 27}, 18);
    // The rows under the application row move up when it is hidden.
    TLabel* label = nullptr;
    auto below = [this, &label](auto* control) {
        RowsBelowApplication.push_back(label);
        RowsBelowApplication.push_back(control);
        return control;
    };
    CB_Band = rows.Combo("Label1", "Band", "CB_Band", {"2.4GHz", "5GHz"});
    CB_Applicaiton = rows.Combo("Label51", "Application ", "CB_Applicaiton", {}, &Label51);
    CB_APMode = below(rows.Combo("Label2", "Mode ", "CB_APMode", {}, &label));
    Ed_SSID = below(rows.Edit("Label3", "SSID ", "Ed_SSID", 32, &label));
    CB_SsidBroadcast = below(rows.Combo("Label4", "SSID Visibility   ", "CB_SsidBroadcast", {"Disable", "Enable"}, &label));
    CB_AuSc = below(rows.Combo("Label5", "Auto Channel Scan", "CB_AuSc", {"Disable", "Enable"}, &label));
    CB_Chanal = below(rows.Combo("Label6", "Wireless Channel  ", "CB_Chanal", {}, &label));
    CB_ChannelWidth = below(rows.Combo("Label7", "Channel Width", "CB_ChannelWidth", {"20MHz", "Auto 20/40 MHz"}, &label));
    CB_SecurityMode = below(rows.Combo("Label8", "Authentication ", "CB_SecurityMode", {}, &label));
}

void TFM_Wirless::BuildKeyGroup(TFormBuilder& page)
{
    // Key settings: one row of key controls, the row of the key in use.
    GroupBox5 = page.Group("GroupBox5", "Key settings", 5, 0, GroupWidth, LayoutMetrics.Key);
    TFormBuilder keys = page.In(GroupBox5);
    keys.Label("Label9", "Encryption", LabelLeft, 19);
    CB_dot11Encryption = keys.Combo("CB_dot11Encryption", {"Disable", "Enable"}, 90, 16, 90);
    keys.Label("Label10", "Key Index", 250, 19);
    CB_DefaultKey = keys.Combo("CB_DefaultKey", {"First", "Second", "Third", "Fourth"}, 330, 16, 90);
    static const char* const typeNames[] = {"CB_KeyType1", "CB_KeyType2", "CB_KeyType3", "CB_KeyType4"};
    static const char* const sizeNames[] = {"CB_WepEncryp1", "CB_WepEncryp2", "CB_WepEncryp3", "CB_WepEncryp4"};
    static const char* const keyNames[] = {"Ed_Key1", "Ed_Key2", "Ed_Key3", "Ed_Key4"};
    static const char* const keyLabels[] = {"Lb_Key1", "Lb_Key2", "Lb_Key3", "Lb_Key4"};
    static const char* const keyCaptions[] = {"Key 1", "Key 2", "Key 3", "Key 4"};
    for (int k = 0; k < 4; ++k) {
        Lb_Key[k] = keys.Label(keyLabels[k], keyCaptions[k], LabelLeft, 46);
        CB_KeyType[k] = keys.Combo(typeNames[k], {"ASCII", "HEX"}, 90, 43, 70);
        CB_WepEncryp[k] = keys.Combo(sizeNames[k], {"64Bits", "128Bits"}, 170, 43, 80);
        Ed_Key[k] = keys.Edit(keyNames[k], 260, 43, 210, 32);
        Ed_Key[k]->SetPasswordChar('*');
        Lb_Key[k]->SetFocusControl(Ed_Key[k]);  // the key, not its type, is read as "Key n"
        CB_KeyType[k]->SetAccessibleName(AnsiString(keyCaptions[k]) + " Type");
        CB_WepEncryp[k]->SetAccessibleName(AnsiString(keyCaptions[k]) + " Size");
    }
    keys.Label("Label11", "Confirm Key", 170, 73);
    Ed_ConfirmKey = keys.Edit("Ed_ConfirmKey", 260, 70, 210);
    Ed_ConfirmKey->SetPasswordChar('*');
}

void TFM_Wirless::BuildPassphraseGroup(TFormBuilder& page)
{
    // Passphrase settings, and the RADIUS server in the passphrase fields' place.
    GroupBox6 = page.Group("GroupBox6", "Passphrase Settings", 5, 0, GroupWidth, PersonalGroupHeight);
    TFormBuilder pass = page.In(GroupBox6);
    // WPA mode and cipher share the first row, so that four rows fit the group.
    TFormRows modeRow(pass, {LabelLeft, 100, 160, 24}, 19);
    CB_WPAMode = modeRow.Combo("Label12", "WPA Mode", "CB_WPAMode");
    TFormRows cipherRow(pass, {270, 350, 130, 24}, 19);
    CB_CipherType = cipherRow.Combo("Label13", "Cipher Type", "CB_CipherType");
    TFormRows passRows(pass, {LabelLeft, 190, 200, 24}, modeRow.Top());
    Ed_UpdateInterval = passRows.Edit("Label14", "Group Key Update Interval", "Ed_UpdateInterval", 7);
    Ed_Passphrase = passRows.Edit("Lb_Passphrase", "Passphrase", "Ed_Passphrase", 63, &Lb_Passphrase);
    Ed_ConfirmPass = passRows.Edit("Lb_ConfirmPass", "Confirm Passphrase", "Ed_ConfirmPass", 0, &Lb_ConfirmPass);
    GroupBox2 = pass.Group("GroupBox2", "RADIUS Server", 8, Lb_Passphrase->Top() - LayoutMetrics.Margin,
                           GroupWidth - 16, 120);
    TFormBuilder radius = pass.In(GroupBox2);
    TFormRows radiusRows(radius, {LabelLeft, 182, 200, 24}, 20);
    CB_NetProtect = radiusRows.Combo("Label15", "Network Access Protection", "CB_NetProtect", {"Disable", "Enable"});
    Edt_RadiusServer = radiusRows.Edit("Label16", "RADIUS Server", "Edt_RadiusServer", 15);
    Edt_RadiusPort = radiusRows.Edit("Label17", "RADIUS Port", "Edt_RadiusPort");
    Edt_RadiusSecret = radiusRows.Edit("Label18", "Shared Secret", "Edt_RadiusSecret", 64);
    CB_NetProtect->OnChange = [this](TObject* S) { CB_AccountModeChange(S); };
    Edt_BackRadiusServer = radius.HiddenEdit("Edt_BackRadiusServer");
    Edt_BackRadiusPort = radius.HiddenEdit("Edt_BackRadiusPort");
    Edt_BackRadiusSecret = radius.HiddenEdit("Edt_BackRadiusSecret");
    CB_AccountMode = radius.HiddenCombo("CB_AccountMode");
    CB_AccountMode->Items()->Add("Disable");
    CB_AccountMode->Items()->Add("Enable");
    CB_AccountMode->OnChange = [this](TObject* S) { CB_AccountModeChange(S); };
    Edt_AccountServer = radius.HiddenEdit("Edt_AccountServer");
    Edt_AccountPort = radius.HiddenEdit("Edt_AccountPort");
    Edt_AccountSecret = radius.HiddenEdit("Edt_AccountSecret");
    Edt_BackAccountServer = radius.HiddenEdit("Edt_BackAccountServer");
    Edt_BackAccountPort = radius.HiddenEdit("Edt_BackAccountPort");
    Edt_BackAccountSecret = radius.HiddenEdit("Edt_BackAccountSecret");
}

void TFM_Wirless::BuildWdsGroup(TFormBuilder& page)
{
    // WDS peers: even ones on the left, odd ones on the right; 5 to 8 hidden.
    GroupBox3 = page.Group("GroupBox3", "WDS", 5, 0, GroupWidth, LayoutMetrics.Wds);
    TFormBuilder wds = page.In(GroupBox3);
    static const char* const peerNames[] = {"Ed_ReMAddra0", "Ed_ReMAddra1", "Ed_ReMAddra2", "Ed_ReMAddra3",
                                            "Ed_ReMAddra4", "Ed_ReMAddra5", "Ed_ReMAddra6", "Ed_ReMAddra7"};
    static const char* const peerLabels[] = {"LbPeer1", "LbPeer2", "LbPeer3", "LbPeer4",
                                             "LbPeer5", "LbPeer6", "LbPeer7", "LbPeer8"};
    static const char* const peerCaptions[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
    for (int i = 0; i < 8; ++i) {
        const int left = i % 2 == 0 ? LabelLeft : 250;
        const int rowTop = 20 + (i / 2) * 30;
        TLabel* label = wds.Label(peerLabels[i], peerCaptions[i], left, rowTop + 3);
        Ed_ReMAddra[i] = wds.Edit(peerNames[i], left + 24, rowTop, 160, 12);
        Ed_ReMAddra[i]->SetText("");  // empty until a peer is read or typed
        NameControl(Ed_ReMAddra[i], AnsiString("WDS peer ") + peerCaptions[i]);  // its label is its number alone
        if (i >= 4) {
            label->SetVisible(false);
            Ed_ReMAddra[i]->SetVisible(false);
        }
    }
}

void TFM_Wirless::BuildSurveyGroup(TFormBuilder& page)
{
    // Site survey: the client and WDS lists share one place.
    GroupBox4 = page.Group("GroupBox4", "Site Survey", 5, 0, GroupWidth, LayoutMetrics.Survey - SurveyTrim);
    TFormBuilder survey = page.In(GroupBox4);
    LV_ClientSiteServey = survey.List("LV_ClientSiteServey", {}, 10, 20, 380, 62);
    LV_WdsSiteServey = survey.List("LV_WdsSiteServey", {}, 10, 20, 380, 62);
    LV_WdsSiteServey->SetVisible(false);
    SiteScan = survey.Button("SiteScan", "Scan", 400, 16, [this](TObject* S) { SiteScanClick(S); });
    LV_ClientSiteServey->OnClick = [this](TObject* S) { LV_ClientSiteServeyClick(S); };
    LV_WdsSiteServey->OnClick = [this](TObject* S) { LV_WdsSiteServeyClick(S); };
}

void TFM_Wirless::BuildCloneGroup(TFormBuilder& page)
{
    // MAC clone.
    // The clone group starts three gaps below the survey group, yet the security group
    // follows one gap after the clone metric: the group is that much shorter.
    GroupBox7 = page.Group("GroupBox7", "Clone MAC Address", 5, 0, GroupWidth,
                           LayoutMetrics.Clone - 3 * LayoutMetrics.Gap);
    TFormBuilder clone = page.In(GroupBox7);
    CBH_CloneMACStatus = clone.Check("CBH_CloneMACStatus", "Enable", LabelLeft, 20, 90);
    clone.Label("Label19", "MAC Source", 120, 23);
    CB_MACSource = clone.Combo("CB_MACSource", {"Auto", "Manual"}, 200, 20, 90);
    clone.Label("Label20", "MAC Address", LabelLeft, 48);
    Edt_MACAddr = clone.Edit("Edt_MACAddr", 120, 45, 150, 12);
    Btn_Scan = clone.Button("Btn_Scan", "Scan", 290, 44, [this](TObject* S) { Btn_ScanClick(S); });
    LV_CloneMACSurvey = clone.List("LV_CloneMACSurvey", {{"ID", 50}, {"MAC Address", 150}}, LabelLeft, 72, 300, 64);
    CBH_CloneMACStatus->OnClick = [this](TObject* S) { CBH_CloneMACStatusClick(S); };
    CB_MACSource->OnChange = [this](TObject* S) { CB_MACSourceChange(S); };
    LV_CloneMACSurvey->OnClick = [this](TObject* S) { LV_CloneMACSurveyClick(S); };
}

void TFM_Wirless::BuildHiddenControls(TFormBuilder& build)
{
    CB_dot11Authentication = build.HiddenCombo("CB_dot11Authentication");
    CB_Clipher = build.HiddenCombo("CB_Clipher");
    CB_Auther = build.HiddenCombo("CB_Auther");
    CB_MultEnable = build.HiddenCombo("CB_MultEnable");
    CB_VlanStatus = build.HiddenCombo("CB_VlanStatus");
    CB_WMode1 = build.HiddenCombo("CB_WMode1");
    CB_WMode2 = build.HiddenCombo("CB_WMode2");
    Ed_Channel = build.HiddenEdit("Ed_Channel");
    Ed_Channeldatabase = build.HiddenEdit("Ed_Channeldatabase");
    Ed_ChanListA = build.HiddenEdit("Ed_ChanListA");
    Ed_ChanListG = build.HiddenEdit("Ed_ChanListG");
    Ed_ChanListW = build.HiddenEdit("Ed_ChanListW");
    Ed_APModeStatus = build.HiddenEdit("Ed_APModeStatus");
    Ed_Countrycode = build.HiddenEdit("Ed_Countrycode");
    ED_Country = build.HiddenEdit("ED_Country");
    ED_IndoorWdsChannelList = build.HiddenEdit("ED_IndoorWdsChannelList");
    ED_IndoorChannelList = build.HiddenEdit("ED_IndoorChannelList");
    ED_OutdoorChannelList = build.HiddenEdit("ED_OutdoorChannelList");
    CB_RemoveMac = build.HiddenCombo("CB_RemoveMac");
    Lv_RemoteMac = build.HiddenList("Lv_RemoteMac", 0);
    MssidListView = build.HiddenList("MssidListView", 0);
    NameControl(Lv_RemoteMac, GroupBox3->Caption());  // the peers it shows
    NameControl(MssidListView, "SSID List");
    CB_SiteScan = build.HiddenCombo("CB_SiteScan");
    CB_WdsSiteScan = build.HiddenCombo("CB_WdsSiteScan");
    CB_App = build.HiddenCombo("CB_App");
    CB_CloneAddrReresh = build.HiddenCombo("CB_CloneAddrReresh");
}

void TFM_Wirless::ConnectHandlers()
{
    CB_Band->OnChange = [this](TObject* S) { ChangeMode([&] { CB_BandChange(S); }); };
    CB_APMode->OnChange = [this](TObject* S) { ChangeMode([&] { CB_APModeChange(S); }); };
    CB_SecurityMode->OnChange = [this](TObject* S) { CB_SecurityModeChange(S); };
    CB_dot11Encryption->OnChange = [this](TObject* S) { CB_dot11EncryptionChange(S); };
    CB_DefaultKey->OnChange = [this](TObject* S) { CB_DefaultKeyChange(S); };
    for (int k = 0; k < 4; ++k) {
        CB_KeyType[k]->OnChange = [this](TObject* S) { CB_KeyTypeChange(S); };
        CB_WepEncryp[k]->OnChange = [this](TObject* S) { CB_KeyTypeChange(S); };
    }
    CB_CipherType->OnChange = [this](TObject* S) { CB_CipherTypeChange(S); };
    CB_AuSc->OnChange = [this](TObject* S) { CB_AuScClick(S); };
    CB_Chanal->OnChange = [this](TObject* S) { CB_ChanalChange(S); };
}

// --- requests ------------------------------------------------------------------------

KwSNMPRequest2Edits* TFM_Wirless::SyncRequest(const KwSNMPVar* table, KwSNMPItemType itemType, int keyCount,
                                              int timeout)
{
    return GroupRequest(table, itemType, keyCount, timeout, 0);
}

bool TFM_Wirless::Read(KwSNMPRequest2Edits* request) { return request && ReadGroup(request); }


void TFM_Wirless::ReadCountryCode()
{
    if (!CountryCodeRequest) {
        CountryCodeRequest = SyncRequest(dot11CountrycodeVars, MVT_SV, 0, 1000);
        CountryCodeRequest->BindFormat(0, "%s", Ed_Countrycode);
    }
    Read(CountryCodeRequest);
}

void TFM_Wirless::ReadVlanStatus()
{
    if (!VlanStatusRequest) {
        VlanStatusRequest = SyncRequest(dot11VlanStatusVars2, SVT_SV, 0, 10000);
        VlanStatusRequest->BindComboBox(0, CB_VlanStatus);
    }
    Read(VlanStatusRequest);
}

void TFM_Wirless::ReadMssidTable()
{
    if (!MssidTableRequest) {
        MssidTableRequest = SyncRequest(dot11MssidIndexVars, MVT_UMV, 1, 5000);
        MssidTableRequest->BindListView(MssidListView, false);
    }
    Read(MssidTableRequest);
}

void TFM_Wirless::ReadWifiMode()
{
    // Built afresh with the labels of the band now chosen.
    delete WifiModeRequest;
    const bool band5 = CB_Band->ItemIndex() == 1;
    WifiModeRequest = SyncRequest(band5 ? dot11WifiModeVars3 : dot11WifiModeVars2, MVT_SV, 0, 10000);
    WifiModeRequest->BindComboBox(0, band5 ? CB_WMode2 : CB_WMode1);
    Read(WifiModeRequest);
}

void TFM_Wirless::ReadBandGroup()
{
    if (!BandRequest) {
        BandRequest = SyncRequest(dot11BandVars2, MVT_SV, 0, 2000);
        BandRequest->BindComboBox(0, CB_Band);
        SsidRequest = SyncRequest(dot11SsidVars2, MVT_SV, 0, 2000);
        SsidRequest->BindFormat(0, "%s", Ed_SSID);
        SsidRequest->BindComboBox(1, CB_SsidBroadcast);
        SsidRequest->BindFormat(2, "%s", Ed_Channel);
        SsidRequest->BindFormat(3, "%s", Ed_ChanListA);
        SsidRequest->BindComboBox(4, CB_AuSc);
        SsidRequest->BindComboBox(5, CB_ChannelWidth);
        const TSendMark marks[] = {smSend, smSend, smSend, smKeep, smSend, smSend};
        for (int i = 0; i < 6; ++i)
            MarkVars(SsidRequest, marks[i], i);
        SsidRequest->AttachStatusBar(StatusBar);
        DatabaseChannelRequest = SyncRequest(dataBaseChannelVars, MVT_SV, 0, 2000);
        DatabaseChannelRequest->BindFormat(0, "%s", Ed_Channeldatabase);
        ChannelListRequest = SyncRequest(dot11GBandChannelListVars, MVT_SV, 0, 2000);
        ChannelListRequest->BindFormat(0, "%s", Ed_ChanListG);
        ChannelListRequest->BindFormat(1, "%s", Ed_ChanListW);
        MarkVars(ChannelListRequest, smKeep);
        ChannelListRequest->AttachStatusBar(StatusBar);
        MssidStateRequest = SyncRequest(dot11MssidStateVars, MVT_SV, 0, 1000);
        MssidStateRequest->BindComboBox(0, CB_MultEnable);
        MarkVars(MssidStateRequest, smSend);
        ApModeStatusRequest = SyncRequest(dot11ApModeStatusVars, MVT_SV, 0, 1000);
        ApModeStatusRequest->BindFormat(0, "%s", Ed_APModeStatus);
        MarkVars(ApModeStatusRequest, smSend);
    }
    Read(BandRequest);
    Read(SsidRequest);
    Read(DatabaseChannelRequest);
    FillChannelCombo(Ed_ChanListA, CB_Chanal, CB_AuSc->ItemIndex() == 1 ? Ed_Channeldatabase : Ed_Channel);
    Read(ChannelListRequest);
    FillChannelsByCountry();
    CB_BandChange(this);
    ReadWifiMode();
    ReadChannelIndex = CB_Chanal->ItemIndex();
    Read(MssidStateRequest);
    Read(ApModeStatusRequest);
    if (Ed_APModeStatus->Text() == "changed")
        SiteScan->SetEnabled(false);
    else if (Ed_APModeStatus->Text() == "unchanged")
        SiteScan->SetEnabled(true);
    ReadModeWasClient = CB_APMode->ItemIndex() == 3;
    CB_ChanalChange(this);
}

void TFM_Wirless::ReadAuthGroup()
{
    if (!AuthRequest) {
        AuthRequest = SyncRequest(dot11AuthenticationVars, MVT_SV, 0, 5000);
        AuthRequest->BindComboBox(0, CB_dot11Authentication);
        AuthRequest->BindComboBox(1, CB_DefaultKey);
        AuthRequest->BindComboBox(2, CB_dot11Encryption);
        MarkVars(AuthRequest, smSend);
        AuthRequest->AttachStatusBar(StatusBar);
        const KwSNMPVar* const keyTables[] = {dot11KeyEntryMethodVars, dot11KeyEntryMethodVars2,
                                              dot11KeyEntryMethodVars3, dot11KeyEntryMethodVars4};
        for (int k = 0; k < 4; ++k) {
            WepKeyRequest[k] = SyncRequest(keyTables[k], MVT_SV, 0, 1000);
            WepKeyRequest[k]->BindComboBox(0, CB_KeyType[k]);
            WepKeyRequest[k]->BindFormat(1, "%s", Ed_Key[k]);
        }
    }
    Read(AuthRequest);
    ShowSecurityFromAuthentication();
    ReadSecurityMode = CB_SecurityMode->Text();
    for (KwSNMPRequest2Edits* request : WepKeyRequest)
        Read(request);
    CopyDefaultKeyToConfirm(CB_DefaultKey->ItemIndex());
    KeySizeFromLength();
}

void TFM_Wirless::ReadPassPhrase()
{
    if (!PassPhraseRequest) {
        PassPhraseRequest = SyncRequest(dot11PassPhraseVars, MVT_SV, 0, 1000);
        PassPhraseRequest->BindFormat(0, "%s", Ed_Passphrase);
        PassPhraseRequest->BindComboBox(1, CB_Clipher);
        PassPhraseRequest->BindFormat(2, "%s", Ed_UpdateInterval);
        MarkVars(PassPhraseRequest, smSend);
        PassPhraseRequest->AttachStatusBar(StatusBar);
    }
    Read(PassPhraseRequest);
    ReadGroupKeyInterval = Ed_UpdateInterval->Text();
    Ed_ConfirmPass->SetText(Ed_Passphrase->Text());
}

void TFM_Wirless::ReadRadius()
{
    if (!RadiusRequest) {
        RadiusRequest = SyncRequest(dot11PrimaryRadiusServerVars, MVT_SV, 0, 1000);
        RadiusRequest->BindFormat(0, "%s", Edt_RadiusServer);
        RadiusRequest->BindFormat(1, "%u{n1x65535}", Edt_RadiusPort);
        RadiusRequest->BindFormat(2, "%s", Edt_RadiusSecret);
        RadiusRequest->BindComboBox(3, CB_NetProtect);
        RadiusRequest->AttachStatusBar(StatusBar);
    }
    Read(RadiusRequest);
    for (TEdit* server : {Edt_RadiusServer, Edt_BackRadiusServer, Edt_AccountServer, Edt_BackAccountServer})
        if (server->Text() == "0.0.0.0")
            server->Clear();
}

void TFM_Wirless::BuildSiteSurveyRequests()
{
    if (ClientScanRequest)
        return;
    ClientScanRequest = GroupRequest(dot11SiteSurveyRefreshVars, MVT_SV, 0, 1000);
    ClientScanRequest->BindComboBox(0, CB_SiteScan);
    ClientSurveyRequest = GroupRequest(dot11SiteSurveyIndexVars, MVT_UMV, 1, 1000);
    ClientSurveyRequest->BindListView(LV_ClientSiteServey, false);
    WdsScanRequest = GroupRequest(dot11WdsSiteSurveyRefreshVars, MVT_SV, 0, 1000);
    WdsScanRequest->BindComboBox(0, CB_WdsSiteScan);
    WdsSurveyRequest = GroupRequest(dot11WdsSiteSurveyIndexVars, MVT_UMV, 1, 1000);
    WdsSurveyRequest->BindListView(LV_WdsSiteServey, false);
    for (KwSNMPRequest2Edits* refresh : {ClientScanRequest, WdsScanRequest})
        refresh->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { SurveyRefreshDone(S, E); };
    for (KwSNMPRequest2Edits* table : {ClientSurveyRequest, WdsSurveyRequest})
        table->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { SurveyWalkDone(S, E); };
    // The index column is not shown: a row's caption is its index.
    for (TListView* list : {LV_ClientSiteServey, LV_WdsSiteServey})
        if (list->Columns()->Count() > 0)
            list->Columns()->Items(0)->SetWidth(0);
}

// --- creation, show, refresh -------------------------------------------------------------

void TFM_Wirless::FormCreate(TObject* Sender)
{
    ClearReadFailure();
    ReadCountryCode();
    ReadVlanStatus();
    ReadMssidTable();
    Read5GHzChannelLists();
    ReadCountry();
    ReadApplication();
    ReadBandGroup();
    ReadAuthGroup();
    ReadPassPhrase();
    ReadRadius();
    ReadRemoteMacs();
    BuildSiteSurveyRequests();
    CreateCloneMacRequests();
    LayoutForCountry();
    UpdateModeLayout();
    SetEditLimits();
    Btn_ScanClick(Sender);
    RememberSecurityTexts();
    ReportReads(false);
}

void TFM_Wirless::FormShow(TObject* Sender)
{
    if (GroupBox5->Visible()) {
        CB_DefaultKeyChange(Sender);
        CB_dot11EncryptionChange(Sender);
    }
}

void TFM_Wirless::Bt_RefreshClick(TObject* Sender)
{
    ClearReadFailure();
    Refreshed = true;
    ReadVlanStatus();
    ReadMssidTable();
    ReadBandGroup();
    ReadApMode();
    ReadAuthGroup();
    ReadPassPhrase();
    // The RADIUS group is read again too: Save compares the secret with the one read,
    // and a stale one would drop the user's change while reporting success.
    ReadRadius();
    ReadRemoteMacs();
    // The clone request is read and tidied as at creation, and its controls enabled
    // by what was read.
    CreateCloneMacRequests();
    UpdateModeLayout();
    SetEditLimits();
    ClearZeroRemoteMacs();
    UpdateChannelWidth();
    CB_dot11EncryptionChange(Sender);
    RememberSecurityTexts();
    ReportReads(true);
}

void TFM_Wirless::RememberSecurityTexts()
{
    deviceSecurity_.TakeShown({Ed_Key[0], Ed_Key[1], Ed_Key[2], Ed_Key[3], Ed_ConfirmKey, Ed_Passphrase,
                               Ed_ConfirmPass, Edt_RadiusServer, Edt_RadiusPort, Edt_RadiusSecret});
}

void TFM_Wirless::ChangeMode(const std::function<void()>& change)
{
    const bool kept = KeepDeviceSecurity;
    change();
    // The settings of a kept security take no input and are not written: they show the
    // device's again, and the user learns that the typed ones are not saved.
    if (kept || !KeepDeviceSecurity || !deviceSecurity_.AnyEdited())
        return;
    deviceSecurity_.PutBack();
    RefuseInput(TypedSecurityNotSavedText, "Warning");
}

void TFM_Wirless::ReportReads(bool refresh)
{
    // A read that failed is never reported as a successful refresh.
    if (ReadFailed()) {
        ShowStatus(ReadFailureText());
    } else if (refresh) {
        ShowStatus(RefreshOkText);
    }
}

void TFM_Wirless::Bt_CloseClick(TObject* Sender) { Close(); }

static const bool menuEntry = RegisterModalForm("hWirelessBand1", FM_Wirless);
