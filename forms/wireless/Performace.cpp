#include "Performace.h"

#include "Catalogue.h"
#include "ComCtrls.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"
#include "SysUtils.h"


TFM_Performace* FM_Performace = nullptr;

const char* const PerformanceNotReadText =
    "The performance settings have not been read from the device yet. "
    "Press Refresh, then Save again.";

namespace {
const TSaveGuardTexts SaveGuard = {PerformanceNotReadText, PerformanceNotReadText, "Error"};
const char* const NOnly = "802.11n Only";

enum ApModeItem { apAccessPoint, apWdsWithAp, apWds, apClient };

// A decimal number from low to high, blanks around it aside.
bool InRange(const AnsiString& typed, int low, int high)
{
    const AnsiString text = typed.Trim();
    bool decimal = !text.IsEmpty();
    for (int i = 1; decimal && i <= text.Length(); ++i)
        decimal = text[i] >= '0' && text[i] <= '9';
    const int value = decimal ? StrToIntDef(text, 0) : 0;
    return decimal && value >= low && value <= high;
}

// A number from low to high: refused with the message and caption "Error", the edit
// cleared and the focus left where it is.
TEditCheck RangeCheck(int low, int high, const char* message)
{
    TEditCheck check = EditCheck([low, high](const AnsiString& text) { return InRange(text, low, high); }, message,
                                 "Error", "");
    check.Focuses = false;
    return check;
}

// A rate as its shortest decimal ("5.50" and "5.5" are one rate); "" when the text is
// not a number.
AnsiString RateText(const AnsiString& text)
{
    // The platform's conversions: "." is the point whatever the desktop's locale.
    double value = 0;
    if (!TryStrToFloat(text.Trim(), value))
        return "";
    return FloatToStr(value);
}

}  // namespace

TFM_Performace::TFM_Performace(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_Performace", "Advanced \\ Performance", FM_Performace))
{
    TFormBuilder build(this);
    PageControl1 = build.Add<TPageControl>("PageControl1", 8, 8, 560, 480);
    TabSheet1 = new TTabSheet(this);
    TabSheet1->SetName("TabSheet1");
    TabSheet1->SetPageControl(PageControl1);
    TabSheet1->SetCaption("Advanced Wireless Settings");
    GroupBox1 = build.In(TabSheet1).Group("GroupBox1", "Advance Wireless Settings", 8, 8, 535, 425);

    TFormBuilder group = build.In(GroupBox1);
    TFormRows rows(group, TRowColumns{16, 215, 250, 30}, 24);
    CB_Radio = rows.Combo("Lb_Radio", "Wireless ", "CB_Radio");
    const int modeTop = rows.Top();
    CB_WMode1 = rows.Combo("Lb_WMode", "Wireless Mode", "CB_WMode1");
    CB_WMode2 = group.Combo("CB_WMode2", {}, rows.Columns().ControlLeft, modeTop, rows.Columns().ControlWidth);
    CB_WMode2->SetVisible(false);
    const int rateTop = rows.Top();
    CB_DRate = rows.Combo("Lb_DRate", "Data Rate", "CB_DRate");
    group.Label("Lb_Mbps", "(Mbps)", rows.Columns().ControlLeft + rows.Columns().ControlWidth + 6, rateTop + 4, 60);
    CB_TranPa = rows.Combo("Lb_TranPa", "Transmit Power", "CB_TranPa");
    CB_WMM = rows.Combo("Lb_WMM", "WMM(Wi-Fi Multimedia )", "CB_WMM");
    CB_ShortGI = rows.Combo("Lb_ShortGI", "Short GI", "CB_ShortGI");
    CB_IGMPSnooping = rows.Combo("Lb_IGMPSnooping", "IGMP Snooping", "CB_IGMPSnooping");
    CB_Grouping = rows.Combo("Lb_Grouping", "Connection Limit ", "CB_Grouping");
    Ed_ULimit = rows.Edit("Lb_ULimit", "User Limit(0-64)", "Ed_ULimit");
    Ed_BeInta = rows.Edit("Lb_BeInta", "Beacon Interval (25-500)", "Ed_BeInta");
    Ed_DTIMa = rows.Edit("Lb_DTIMa", "DTIM interval (1-15)", "Ed_DTIMa");
    const int ackTop = rows.Top();
    Ed_AckTimeOut = rows.Edit("Label_Ack", "Ack Time Out (2.4GHz, 64~200)", "Ed_AckTimeOut", 0, &Label_Ack);
    group.Label("Lb_AckUnit", "(us)", rows.Columns().ControlLeft + rows.Columns().ControlWidth + 6, ackTop + 4, 60);
    Bt_Refresh_a = group.Button("Bt_Refresh_a", "Refresh", rows.ButtonLeft(1), rows.Top() + 6,
                                ReadSequence([this](TObject* S) { Bt_Refresh_aClick(S); }));
    Bt_Apply_a = group.Button("Bt_Apply_a", "Save", rows.ButtonLeft(0), rows.Top() + 6,
                              ReadSequence([this](TObject* S) { Bt_Apply_aClick(S); }));

    CB_Wireless = build.HiddenCombo("CB_Wireless");
    CB_Wireless->Items()->Add("2.4GHz");
    CB_Wireless->Items()->Add("5GHz");
    CB_ApMode = build.HiddenCombo("CB_ApMode");
    ED_Country = build.HiddenEdit("ED_Country");
    CB_dot11Authentication = build.HiddenCombo("CB_dot11Authentication");
    CB_dot11Encryption = build.HiddenCombo("CB_dot11Encryption");
    CB_Clipher = build.HiddenCombo("CB_Clipher");
    Ed_TRate = build.HiddenEdit("Ed_TRate");
    Ed_24GDataRateList = build.HiddenEdit("Ed_24GDataRateList");
    Ed_5GDataRateList = build.HiddenEdit("Ed_5GDataRateList");
    CB_NetWork = build.HiddenCombo("CB_NetWork");
    CB_NetWork->SetEnabled(false);

    CB_WMode1->OnChange = [this](TObject* S) { CB_WMode1Change(S); };
    CB_WMode2->OnChange = [this](TObject* S) { CB_WMode2Change(S); };
    CB_Grouping->OnChange = [this](TObject* S) { CB_GroupingChange(S); };
    CB_DRate->OnChange = [this](TObject* S) { CB_DRateChange(S); };

    StatusBar = build.StatusBar("StatusBar");
    SetStatusBar(StatusBar);
    SetClientWidth(576);
    SetClientHeight(520);

    DeclareCheck(Ed_BeInta, RangeCheck(25, 500, "Please input a number between 25 and 500."));
    DeclareCheck(Ed_DTIMa, RangeCheck(1, 15, "Please input a number between 1 and 15."));
    // No user limit is 0; the focus goes to the edit.
    TEditCheck limit = RangeCheck(1, 64, "The range of 'User Limit' is from 0 to 64");
    limit.Takes = [](const AnsiString& text) { return text == "0" || InRange(text, 1, 64); };
    limit.Focuses = true;
    DeclareCheck(Ed_ULimit, limit);
    // The range of the device's band (the form shows it, and the user has no way to
    // change it).
    TEditCheck ack = RangeCheck(64, 200, "");
    ack.Other = CB_Wireless;
    ack.TakesWith = [](const AnsiString& text, const AnsiString& band) {
        return InRange(text, band == "5GHz" ? 50 : 64, 200);
    };
    ack.Refusal = [this](const AnsiString&) {
        return AnsiString(FiveGHz() ? "The Ack TimeOut value range is 50~200." : "The Ack TimeOut value range is 64~200.");
    };
    DeclareCheck(Ed_AckTimeOut, ack);

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

// --- creation and reads ------------------------------------------------------------

bool TFM_Performace::Read(KwSNMPRequest2Edits* request)
{
    return ReadGroup(request);
}

bool TFM_Performace::Write(KwSNMPRequest2Edits* request)
{
    return WriteGroup(request);
}

void TFM_Performace::FormCreate(TObject* Sender)
{
    try {
        CountryRequest = BoundGroup(dot11CountrycodeVars, MVT_SV, {ED_Country}, 5000, 0);

        SecurityRequest = BoundGroup(dot11AuthenticationVars, MVT_SV, {CB_dot11Authentication}, 5000, 0);
        MarkVars(SecurityRequest, smLeaveOut, 1);  // the key index
        SecurityRequest->BindComboBox(2, CB_dot11Encryption);

        CipherRequest = GroupRequest(dot11PassPhraseVars, MVT_SV, 0, 1000, 0);
        MarkVars(CipherRequest, smLeaveOut, 0);  // the pass phrase stays on the device
        CipherRequest->BindComboBox(1, CB_Clipher);
        MarkVars(CipherRequest, smLeaveOut, 2);

        ModeRequest = BoundGroup(dot11ApModeVars3, MVT_SV, {CB_ApMode}, 10000, 0);
        ModeRequest->AttachStatusBar(StatusBar);

        RadioRequest = GroupRequest(dot11BeaconIntervalVars, MVT_SV, 0, 10000, 0);
        RadioRequest->BindFormat(rvBeacon, "%s", Ed_BeInta);
        RadioRequest->BindFormat(rvDtim, "%s", Ed_DTIMa);
        RadioRequest->BindComboBox(rvTransmitPower, CB_TranPa);
        RadioRequest->BindComboBox(rvWmm, CB_WMM);
        RadioRequest->BindComboBox(rvShortGI, CB_ShortGI);
        RadioRequest->BindComboBox(rvIgmpSnooping, CB_IGMPSnooping);
        RadioRequest->BindComboBox(rvRadioWave, CB_Radio);
        RadioRequest->BindFormat(rvDataRate, "%s", Ed_TRate);
        RadioRequest->BindComboBox(rvLoadBalance, CB_Grouping);
        RadioRequest->BindFormat(rvUserLimit, "%s", Ed_ULimit);
        RadioRequest->BindFormat(rvAckTimeout, "%s", Ed_AckTimeOut);
        RadioRequest->BindFormat(rvRateList24, "%s", Ed_24GDataRateList);
        RadioRequest->BindFormat(rvRateList5, "%s", Ed_5GDataRateList);

        BandRequest = BoundGroup(dot11BandVars, MVT_SV, {CB_Wireless}, 10000, 0);
        BandRequest->AttachStatusBar(StatusBar);
        Read(BandRequest);

        // The mode lists are filled once: "802.11n Only", once taken out for the
        // security in force, stays out for the life of the form.
        Mode24Request = BoundGroup(dot11WifiModeVars2, MVT_SV, {CB_WMode1}, 10000, 0);
        Mode5Request = BoundGroup(dot11WifiModeVars3, MVT_SV, {CB_WMode2}, 10000, 0);

        Ed_BeInta->SetMaxLength(4);  // after the bindings, whose formats set their own
        Bt_Refresh_aClick(Sender);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

void TFM_Performace::Bt_Refresh_aClick(TObject* Sender)
{
    if (!Mode5Request)
        return;  // the creation failed; its message stays in the status bar
    ClearReadFailure();
    Read(CountryRequest);
    Read(SecurityRequest);
    Read(CipherRequest);
    mode24AtFirst_ = false;
    mode5AtFirst_ = false;

    // A client sends no beacons: its beacon and DTIM intervals are neither read nor sent.
    const TSendMark beacon = CB_ApMode->ItemIndex() == apClient ? smLeaveOut : smSend;
    MarkVars(RadioRequest, beacon, rvBeacon);
    MarkVars(RadioRequest, beacon, rvDtim);
    if (Read(RadioRequest))
        deviceNumbers_.TakeShown({Ed_BeInta, Ed_DTIMa, Ed_AckTimeOut});

    // The band decides what is shown below: it is read before it is used, so a band
    // changed on the device never leaves the other band's lists on view.
    Read(BandRequest);
    if (!FiveGHz()) {
        Label_Ack->SetCaption("Ack Time Out (2.4GHz, 64~200)");
        CB_WMode1->SetVisible(true);
        CB_WMode2->SetVisible(false);
        Read(Mode24Request);
        CB_WMode1Change(Sender);
    } else {
        Label_Ack->SetCaption("Ack Time Out (5GHz, 50~200)");
        CB_WMode2->SetVisible(true);
        CB_WMode1->SetVisible(false);
        Read(Mode5Request);
        CB_WMode2Change(Sender);
    }
    Read(ModeRequest);
    ApplyEnableRules();
    // "Get OK!" only when every read came back; otherwise the first failure.
    ShowStatus(ReadFailed() ? ReadFailureText() : AnsiString("Get OK!"));
}

// --- display rules -----------------------------------------------------------------

void TFM_Performace::RunBandModeHandler()
{
    if (FiveGHz())
        CB_WMode2Change(this);
    else
        CB_WMode1Change(this);
}

void TFM_Performace::ApplyEnableRules()
{
    TComboBox* modeList = BandModeList();
    for (TWinControl* control : {static_cast<TWinControl*>(modeList), static_cast<TWinControl*>(CB_DRate),
                                 static_cast<TWinControl*>(Ed_BeInta), static_cast<TWinControl*>(Ed_DTIMa),
                                 static_cast<TWinControl*>(CB_IGMPSnooping)})
        control->SetEnabled(true);

    switch (CB_ApMode->ItemIndex()) {
    case apAccessPoint:
        CB_Grouping->SetEnabled(true);
        CB_GroupingChange(this);
        RunBandModeHandler();
        CB_IGMPSnooping->SetEnabled(true);
        break;
    case apWdsWithAp:
    case apWds:
        CB_Grouping->SetEnabled(false);
        Ed_ULimit->SetEnabled(false);
        CB_NetWork->SetEnabled(false);
        RunBandModeHandler();
        CB_IGMPSnooping->SetEnabled(CB_ApMode->ItemIndex() == apWdsWithAp);
        break;
    case apClient:
        for (TWinControl* control :
             {static_cast<TWinControl*>(modeList), static_cast<TWinControl*>(CB_DRate),
              static_cast<TWinControl*>(Ed_BeInta), static_cast<TWinControl*>(Ed_DTIMa),
              static_cast<TWinControl*>(CB_ShortGI), static_cast<TWinControl*>(CB_IGMPSnooping),
              static_cast<TWinControl*>(CB_Grouping), static_cast<TWinControl*>(Ed_ULimit),
              static_cast<TWinControl*>(CB_NetWork)})
            control->SetEnabled(false);
        RunBandModeHandler();
        break;
    default:
        RunBandModeHandler();
        break;
    }
    RemoveNOnlyWhenNotAllowed();
}

void TFM_Performace::RemoveNOnlyWhenNotAllowed()
{
    // WEP and TKIP are not allowed with 802.11n.
    const AnsiString auth = CB_dot11Authentication->Text();
    const bool wep = (auth == "opensystem" || auth == "sharedkey") && CB_dot11Encryption->Text() == "Enable";
    const bool tkip = auth.Pos("wpa") > 0 && CB_Clipher->Text() == "tkip";
    if (!wep && !tkip)
        return;
    for (TComboBox* list : {CB_WMode1, CB_WMode2}) {
        const AnsiString selected = list->ItemIndex() >= 0 ? list->Text() : AnsiString();
        const int at = list->Items()->IndexOf(NOnly);
        if (at >= 0)
            list->Items()->Delete(at);
        const int again = selected.IsEmpty() ? -1 : list->Items()->IndexOf(selected);
        list->SetItemIndex(again >= 0 ? again : 0);
    }
}

void TFM_Performace::CB_WMode1Change(TObject* Sender) { ModeChanged(CB_WMode1, false, mode24AtFirst_); }
void TFM_Performace::CB_WMode2Change(TObject* Sender) { ModeChanged(CB_WMode2, true, mode5AtFirst_); }

void TFM_Performace::ModeChanged(TComboBox* list, bool fiveGHz, bool& atFirstItem)
{
    if (list->ItemIndex() < 0)
        list->SetItemIndex(0);
    const int item = list->ItemIndex();
    if (item == 1) {  // the mode without 802.11n
        FillDataRates(false);
        CB_ShortGI->SetEnabled(false);
        CB_ShortGI->SetItemIndex(0);
    } else {
        FillDataRates(true);
        const bool client = CB_ApMode->ItemIndex() == apClient;
        CB_ShortGI->SetEnabled(!client);
        if (client)
            CB_ShortGI->SetItemIndex(0);
    }
    if (FiveGHz() == fiveGHz) {
        if (item == 1) {
            CB_DRate->SetEnabled(true);
        } else {
            CB_DRate->SetItemIndex(0);
            CB_DRate->SetEnabled(false);
        }
    }
    if (item == 0)
        atFirstItem = true;
    if (atFirstItem)
        CB_DRate->SetItemIndex(0);
}

void TFM_Performace::FillDataRates(bool withN)
{
    static const char* const ofdm[] = {"54", "48", "36", "24", "18", "12", "9", "6"};
    static const char* const cck[] = {"11", "5.5", "2", "1"};
    TStrings* items = CB_DRate->Items();
    items->Clear();
    items->Add(withN ? "Best(up to 300)" : "Best(up to 54)");
    for (const char* rate : ofdm)
        items->Add(rate);
    if (!FiveGHz())
        for (const char* rate : cck)
            items->Add(rate);
    if (withN) {
        CB_DRate->SetItemIndex(0);
        CB_DRate->SetEnabled(false);
        return;
    }
    CB_DRate->SetEnabled(true);
    const AnsiString rate = Ed_TRate->Text();
    if (rate == "Auto" || rate == "Best(up to 300)" || rate == "Best(up to 54)") {
        CB_DRate->SetItemIndex(0);
        return;
    }
    const AnsiString shortest = RateText(rate);
    const int at = shortest.IsEmpty() ? -1 : items->IndexOf(shortest);
    CB_DRate->SetItemIndex(at >= 0 ? at : 0);
}

void TFM_Performace::CB_DRateChange(TObject* Sender) { Ed_TRate->SetText(CB_DRate->Text()); }

void TFM_Performace::CB_GroupingChange(TObject* Sender)
{
    Ed_ULimit->SetEnabled(CB_Grouping->ItemIndex() != 0);
    CB_NetWork->SetEnabled(false);
}

// --- Save ----------------------------------------------------------------------------

bool TFM_Performace::CheckInput()
{
    // A value the device gave is the device's, in range or not: only an edited one is
    // checked (and written).
    auto inRange = [this](TEdit* edit) { return !deviceNumbers_.Edited(edit) || PassesCheck(edit); };
    const int apMode = CB_ApMode->ItemIndex();
    if (apMode != apClient) {
        if (!inRange(Ed_BeInta) || !inRange(Ed_DTIMa))
            return false;
        // The user limit counts only where it is sent: an access point with the
        // connection limit on. Elsewhere the device's value never blocks a Save.
        const bool userLimitSent = apMode == apAccessPoint && CB_Grouping->ItemIndex() == 1;
        if (userLimitSent && !PassesCheck(Ed_ULimit))
            return false;
    }
    return inRange(Ed_AckTimeOut);
}

void TFM_Performace::MarkForMode()
{
    deviceNumbers_.MarkEdited(RadioRequest, rvBeacon, Ed_BeInta);
    deviceNumbers_.MarkEdited(RadioRequest, rvDtim, Ed_DTIMa);
    deviceNumbers_.MarkEdited(RadioRequest, rvAckTimeout, Ed_AckTimeOut);
    switch (CB_ApMode->ItemIndex()) {
    case apAccessPoint:
        MarkVars(RadioRequest, CB_Grouping->ItemIndex() == 1 ? smSend : smLeaveOut, rvUserLimit);
        break;
    case apWdsWithAp:
    case apWds:
        MarkVars(RadioRequest, smLeaveOut, rvLoadBalance);
        MarkVars(RadioRequest, smLeaveOut, rvUserLimit);
        break;
    case apClient:
        for (int i : {rvBeacon, rvDtim, rvShortGI, rvDataRate, rvIgmpSnooping, rvLoadBalance, rvUserLimit})
            MarkVars(RadioRequest, smLeaveOut, i);
        MarkVars(FiveGHz() ? Mode5Request : Mode24Request, smLeaveOut, 0);
        break;
    default:
        break;
    }
    MarkVars(RadioRequest, smLeaveOut, rvRateList24);
    MarkVars(RadioRequest, smLeaveOut, rvRateList5);
}

void TFM_Performace::RestoreMarks()
{
    MarkVars(RadioRequest, smSend);
    MarkVars(Mode24Request, smSend, 0);
    MarkVars(Mode5Request, smSend, 0);
}

void TFM_Performace::SaveRadioOff()
{
    // The switch alone: everything else stays as the device has it.
    MarkVars(RadioRequest, smKeep);
    MarkVars(RadioRequest, smSend, rvRadioWave);
    BeginSave();
    Write(RadioRequest);
    RestoreMarks();
    // Taken before the Refresh, whose read settles the user's changes.
    const AnsiString verdict = SaveVerdict("Save OK!", "Set Error!");
    Bt_Refresh_aClick(this);
    ShowStatus(verdict);
}

void TFM_Performace::SaveRadioOn()
{
    if (CB_WMode1->ItemIndex() == 0 || CB_WMode1->ItemIndex() == 2)
        Ed_TRate->SetText("0");
    if (CB_WMode2->ItemIndex() == 0 || CB_WMode2->ItemIndex() == 2)
        Ed_TRate->SetText("0");
    if (!CheckInput())
        return;

    MarkForMode();
    if (BandModeList()->ItemIndex() == 1)
        Ed_TRate->SetText(CB_DRate->Text());
    MarkVars(RadioRequest, smSend, rvDataRate);  // in every mode
    BeginSave();
    Write(RadioRequest);
    // A client keeps its band's wireless mode: then there is nothing to send.
    WriteMarkedGroup(FiveGHz() ? Mode5Request : Mode24Request);
    RestoreMarks();
    // The verdict is taken before the Refresh, whose read settles the user's changes;
    // the form reads everything again first, so its own result is what stays shown.
    const AnsiString verdict = SaveVerdict("Save OK!", "Set Error!");
    Bt_Refresh_aClick(this);
    ShowStatus(verdict);
}

void TFM_Performace::Bt_Apply_aClick(TObject* Sender)
{
    if (!Mode5Request)
        return;  // the creation failed: nothing was read
    // Controls that were never filled by the device hold no value to send.
    KwSNMPRequest2Edits* modeRequest = FiveGHz() ? Mode5Request : Mode24Request;
    for (KwSNMPRequest2Edits* request : {BandRequest, ModeRequest, RadioRequest, modeRequest})
        if (!MaySave(request, SaveGuard))
            return;
    if (CB_Radio->ItemIndex() == 0)
        SaveRadioOff();
    else
        SaveRadioOn();
}

static const bool menuEntry = RegisterModalForm("adPerformance1", FM_Performace);
