// The main window's controls, as the form resource lays them out, and its constructor.
#include "Main.h"

#include "InputChecks.h"
#include "ExeName.h"
#include "KwErrors.h"
#include "KwSNMPRequest.h"
#include "KwSNMPSession.h"
#include "ShellAssets.h"
#include "SingleInstance.h"

TMainForm* MainForm = nullptr;

const char* const ModelName = "VKA-7410";
const char* const EnterpriseOid = "1.3.6.1.4.1.32473.10.37.37";
const char* const AnotherModuleText = "Another VKA-7410 module is running!";
const char* const NoHostText = "This module is only used in the NVane or HP-Openview.";

namespace {

template <class T>
T* Place(TMainForm* form, const char* name, int left, int top, int width, int height, bool visible)
{
    T* control = new T(form);
    control->SetName(name);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    control->SetVisible(visible);
    return control;
}

TShape* Led(TMainForm* form, const char* name, int centreX, int centreY)
{
    const int radius = 12;
    TShape* shape = Place<TShape>(form, name, centreX - radius, centreY - radius, 2 * radius,
                                  2 * radius, true);
    shape->SetShape(stCircle);
    shape->Brush()->SetColor(clWhite);
    return shape;
}

}  // namespace

TMainForm::TMainForm(TComponent* Owner) : TForm(Owner)
{
    SetName("MainForm");
    SetCaption(ModelName);
    SetBounds(200, 120, 528, 220);
    BuildFrontPanel();
    BuildHiddenFields();
    BuildTimers();
    BuildMainMenu();
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };

    // The message files beside the program, then SNMPv3 until start-up says otherwise.
    const AnsiString folder = AnsiString(ExeFolder()) + "errMSg\\";
    LoadTextLines(SNMPClassErrorTexts, folder + "snmpclass.err");
    LoadTextLines(SNMPErrorTexts, folder + "snmp.err");
    LoadTextLines(StatusLineFormats, folder + "snmp.msg");
    LoadTextLines(KwSNMPErrorTexts, folder + "kwsnmp.err");
    LoadTextLines(SNMPv3ErrorTexts, folder + "snmpv3.err");
    LoadTextLines(USMErrorTexts, folder + "snmpusm.err");
    LoadTextLines(KwCommonErrorTexts, folder + "common.err");
    KwDefaultSecurity.Version = 3;
}

TMainForm::~TMainForm()
{
    // Nothing may reach the window from here on: timers off, the poll cancelled while
    // every control still exists.
    shuttingDown_ = true;
    StopTimers();
    StatusRequest.reset();
    if (instanceMutex_)
        CloseHandle(instanceMutex_);
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::BuildFrontPanel()
{
    Image2 = Place<TImage>(this, "Image2", 0, 0, 520, 148, true);
    Image2->SetAlign(alTop);
    Image2->SetAutoSize(true);
    Image1 = Place<TImage>(this, "Image1", 0, 0, 520, 148, true);
    Image1->SetAutoSize(true);
    LoadJpegAsset(Image2->Picture(), "front-panel.jpg");
    LoadJpegAsset(Image1->Picture(), "front-panel.jpg");

    power = Led(this, "power", 330, 64);
    lan = Led(this, "lan", 390, 64);
    wlan = Led(this, "wlan", 450, 64);

    LED_APstatus = Place<TShape>(this, "LED_APstatus", 8, 8, 16, 16, false);
    LED_Power = Place<TImage>(this, "LED_Power", 8, 8, 16, 16, false);
    LED_Lan = Place<TImage>(this, "LED_Lan", 8, 8, 16, 16, false);
    LED_WLan = Place<TImage>(this, "LED_WLan", 8, 8, 16, 16, false);

    MainStatusBar = new TStatusBar(this);
    MainStatusBar->SetName("MainStatusBar");
    MainStatusBar->SetParent(this);
    MainStatusBar->SetAlign(alBottom);
    MainStatusBar->SetSimplePanel(false);
    MainStatusBar->Panels()->Add()->SetWidth(50);
}

void TMainForm::BuildHiddenFields()
{
    CB_ApMode = Place<TComboBox>(this, "CB_ApMode", 8, 160, 145, 21, false);
    CB_Fuction1 = Place<TComboBox>(this, "CB_Fuction1", 160, 160, 145, 21, false);
    CB_Led2dot4G = Place<TComboBox>(this, "CB_Led2dot4G", 8, 208, 145, 21, true);
    CB_Led5G = Place<TComboBox>(this, "CB_Led5G", 8, 240, 145, 21, true);
    CB_Radio = Place<TComboBox>(this, "CB_Radio", 160, 256, 145, 21, true);
    CB_Band = Place<TComboBox>(this, "CB_Band", 8, 280, 145, 21, false);
    CB_DeviceApplySetting = Place<TComboBox>(this, "CB_DeviceApplySetting", 160, 280, 145, 21, false);
    CB_Restart = Place<TComboBox>(this, "CB_Restart", 312, 280, 145, 21, false);

    int top = 300;
    auto hiddenEdit = [&](const char* name) {
        TEdit* edit = Place<TEdit>(this, name, 8, top, 121, 21, false);
        top += 4;
        return edit;
    };
    IPAddressEdit = hiddenEdit("IPAddressEdit");
    SubMaskEdit = hiddenEdit("SubMaskEdit");
    Ed_FwVer = hiddenEdit("Ed_FwVer");
    Ed_Countrycode = hiddenEdit("Ed_Countrycode");
    ED_Turbomode = hiddenEdit("ED_Turbomode");
    APModeSupport = hiddenEdit("APModeSupport");
    ifMultiSSID_Edit = hiddenEdit("ifMultiSSID_Edit");
    Ed_Rogue = hiddenEdit("Ed_Rogue");
    NewMultiSupport = hiddenEdit("NewMultiSupport");
    SyslogSupport = hiddenEdit("SyslogSupport");
    Ed_ClientAddSSID = hiddenEdit("Ed_ClientAddSSID");
    Ed_KeyTypeSup = hiddenEdit("Ed_KeyTypeSup");
    Ed_IfCluster = hiddenEdit("Ed_IfCluster");
    Ed_Green = hiddenEdit("Ed_Green");
    Ed_DelFunction = hiddenEdit("Ed_DelFunction");
    Ed_SSIDBroadDisable = hiddenEdit("Ed_SSIDBroadDisable");
    Ed_RptModeToSuper = hiddenEdit("Ed_RptModeToSuper");
    Ifclientinfosupported = hiddenEdit("Ifclientinfosupported");
    Ed_SysIpaddress = hiddenEdit("Ed_SysIpaddress");
    ApmodeStringChangeSupport = hiddenEdit("ApmodeStringChangeSupport");
    repeaterWpasupport = hiddenEdit("repeaterWpasupport");
    mssidAndWdssupport = hiddenEdit("mssidAndWdssupport");
    IpConfigList = Place<TListBox>(this, "IpConfigList", 160, 300, 121, 60, false);
}

void TMainForm::BuildTimers()
{
    auto timer = [this](const char* name, int interval, void (TMainForm::*handler)(TObject*)) {
        TTimer* t = new TTimer(this);
        t->SetName(name);
        t->SetInterval(interval);
        t->OnTimer = [this, handler](TObject* Sender) { (this->*handler)(Sender); };
        t->SetEnabled(true);
        return t;
    };
    LedStatus = timer("LedStatus", 2000, &TMainForm::LedStatusTimer);
    LedBlink = timer("LedBlink", 500, &TMainForm::LedBlinkTimer);
    Timer1 = timer("Timer1", 2000, &TMainForm::Timer1Timer);
}

void TMainForm::StopTimers()
{
    timersStopped_ = true;
    LedStatus->SetEnabled(false);
    LedBlink->SetEnabled(false);
    Timer1->SetEnabled(false);
}

bool TMainForm::IsValidIpAddress(const AnsiString& Text) { return IsValidHostAddressText(Text); }

bool TMainForm::IsValidSubnetMask(const AnsiString& Text) { return IsValidSubnetMaskText(Text); }
