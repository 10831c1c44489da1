#pragma once
// The main window of the module: the device's front panel with its three LEDs, the
// status bar with the last poll's result, and the menus that open the settings forms.
// Its constructor and FormCreate do the whole start-up (message files, SNMP session,
// registry folders, command line and profile, single instance, first device reads).
#include "WinTypes.h"
#include "vcl.h"

#include <memory>

class KwSNMPRequest;
class KwSNMPRequest2Edits;
struct KwSNMPError;

// Model name, enterprise object identifier (the registry value name) and the refusal
// of a second module for the same device.
extern const char* const ModelName;          // "VKA-7410"
extern const char* const EnterpriseOid;      // "1.3.6.1.4.1.32473.10.37.37"
extern const char* const AnotherModuleText;  // "Another VKA-7410 module is running!"
extern const char* const NoHostText;         // "This module is only used in the NVane or HP-Openview."

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* Owner);
    ~TMainForm() override;

    // Front panel.
    TImage* Image1;
    TImage* Image2;
    TShape* power;
    TShape* lan;
    TShape* wlan;
    TShape* LED_APstatus;
    TImage* LED_Power;
    TImage* LED_Lan;
    TImage* LED_WLan;
    TStatusBar* MainStatusBar;

    TTimer* LedStatus;
    TTimer* LedBlink;
    TTimer* Timer1;

    // Device facts bound to requests, hidden or below the client area.
    TComboBox* CB_ApMode;
    TComboBox* CB_Radio;
    TComboBox* CB_Led2dot4G;
    TComboBox* CB_Led5G;
    TComboBox* CB_Fuction1;
    TComboBox* CB_Band;
    TComboBox* CB_DeviceApplySetting;
    TComboBox* CB_Restart;
    TEdit* IPAddressEdit;
    TEdit* SubMaskEdit;
    TEdit* Ed_FwVer;
    TEdit* Ed_Countrycode;
    TEdit* ED_Turbomode;
    TEdit* APModeSupport;
    TEdit* ifMultiSSID_Edit;
    TEdit* Ed_Rogue;
    TEdit* NewMultiSupport;
    TEdit* SyslogSupport;
    TEdit* Ed_ClientAddSSID;
    TEdit* Ed_KeyTypeSup;
    TEdit* Ed_IfCluster;
    TEdit* Ed_Green;
    TEdit* Ed_DelFunction;
    TEdit* Ed_SSIDBroadDisable;
    TEdit* Ed_RptModeToSuper;
    TEdit* Ifclientinfosupported;
    TEdit* Ed_SysIpaddress;
    TEdit* ApmodeStringChangeSupport;
    TEdit* repeaterWpasupport;
    TEdit* mssidAndWdssupport;
    TListBox* IpConfigList;

    // Menu bar.
    TMainMenu* MainMenu1;
    TMenuItem* Home1;
    TMenuItem* Information1;
    TMenuItem* hWirelessBand1;
    TMenuItem* hLan1;
    TMenuItem* InternetConnect1;
    TMenuItem* advanced2;
    TMenuItem* adPerformance1;
    TMenuItem* adFilter;
    TMenuItem* Mac1;
    TMenuItem* WLANPartition1;
    TMenuItem* Ad_MultiSSID;
    TMenuItem* DHCPServer1;
    TMenuItem* Intrusion1;
    TMenuItem* Scheduling1;
    TMenuItem* QosSetting1;
    TMenuItem* VlanSetting1;
    TMenuItem* RouterSettings1;
    TMenuItem* ParentalControl1;
    TMenuItem* AdvancePortForwarding1;
    TMenuItem* MACFilter1;
    TMenuItem* FirewallDMZ1;
    TMenuItem* AdvancedNetwork1;
    TMenuItem* tools2;
    TMenuItem* tAdmin2;
    TMenuItem* tSystem2;
    TMenuItem* Firmware1;
    TMenuItem* Time;
    TMenuItem* tUpdate2;
    TMenuItem* status2;
    TMenuItem* stDeviceInfo2;
    TMenuItem* Client1;
    TMenuItem* WDSInformation1;
    TMenuItem* stStats1;
    TMenuItem* Ethernet1;
    TMenuItem* WLAN1;
    TMenuItem* SystemLog;
    TMenuItem* ViewLog1;
    TMenuItem* LogSettings1;
    TMenuItem* Help;
    TMenuItem* About1;
    TMenuItem* WirelessLan;
    TMenuItem* Test11;
    TMenuItem* ACLManagement1;

    // Requests of start-up and polling.
    std::unique_ptr<KwSNMPRequest> StatusRequest;
    KwSNMPRequest2Edits* DhcpControlRequest = nullptr;
    KwSNMPRequest2Edits* RadioRequest = nullptr;
    KwSNMPRequest2Edits* ApModeRequest = nullptr;
    KwSNMPRequest2Edits* Led24Request = nullptr;
    KwSNMPRequest2Edits* Led5Request = nullptr;
    KwSNMPRequest2Edits* IpInfoRequest = nullptr;

    AnsiString DeviceAddress;
    AnsiString PageName;
    AnsiString LastStatusText;
    int Timer1Ticks = 0;
    // Time-out of the status poll in hundredths of a second.
    int StatusPollTimeout = 6000;

    // Start-up and polling.
    void FormCreate(TObject* Sender);
    void LedStatusTimer(TObject* Sender);
    void OnLedStatusReply(KwSNMPError& Result);
    void LedBlinkTimer(TObject* Sender);
    void Timer1Timer(TObject* Sender);

    // Menus.
    void About1Click(TObject* Sender);
    void Exit1Click(TObject* Sender);

    // The menu entries' handlers: each opens its form modally and frees it.
    void Information1Click(TObject* Sender);
    void hWirelessBand1Click(TObject* Sender);
    void hLan1Click(TObject* Sender);
    void InternetConnect1Click(TObject* Sender);
    void adPerformance1Click(TObject* Sender);
    void Mac1Click(TObject* Sender);
    void WLANPartition1Click(TObject* Sender);
    void Ad_MultiSSIDClick(TObject* Sender);
    void DHCPServer1Click(TObject* Sender);
    void Intrusion1Click(TObject* Sender);
    void Scheduling1Click(TObject* Sender);
    void QosSetting1Click(TObject* Sender);
    void VlanSetting1Click(TObject* Sender);
    void ParentalControl1Click(TObject* Sender);
    void AdvancePortForwarding1Click(TObject* Sender);
    void MACFilter1Click(TObject* Sender);
    void FirewallDMZ1Click(TObject* Sender);
    void AdvancedNetwork1Click(TObject* Sender);
    void tAdmin1Click(TObject* Sender);
    void tSystem1Click(TObject* Sender);
    void Firmware1Click(TObject* Sender);
    void TimeClick(TObject* Sender);
    void tUpdate1Click(TObject* Sender);
    void stEthernet1Click(TObject* Sender);
    void Client1Click(TObject* Sender);
    void WDSInformation1Click(TObject* Sender);
    void Ethernet1Click(TObject* Sender);
    void WLAN1Click(TObject* Sender);
    void ViewLog1Click(TObject* Sender);
    void LogSettings1Click(TObject* Sender);

    // Handlers no menu item is bound to: the grouping form, and generic pages of
    // catalogue tables by their page names.
    void UserLimitClick(TObject* Sender);
    void adSecSettingKey1Click(TObject* Sender);
    void Function1Click(TObject* Sender);
    void DynamicTable1Click(TObject* Sender);
    void adStatic2Click(TObject* Sender);
    void adSecServSet1Click(TObject* Sender);
    void dot11g1Click(TObject* Sender);
    void dot11b1Click(TObject* Sender);
    void N80211a3Click(TObject* Sender);
    void N80211g3Click(TObject* Sender);
    // The generic page `pageName`, shown modally.
    void OpenGenericPage(const AnsiString& pageName);
    // Shows the internet-connection and router entries for operating-mode item 4 and
    // the multi-SSID and VLAN entries for any other item (also -1, nothing read).
    void ApplyModeVisibility(int apModeItemIndex);

    // Address checks for the settings forms.
    bool IsValidIpAddress(const AnsiString& Text);
    bool IsValidSubnetMask(const AnsiString& Text);

    // Timers stopped for good: start-up refused to run or failed half-way. A poll still
    // outstanding shows its answer but starts neither the blink nor the next poll.
    void StopTimers();

private:
    void BuildFrontPanel();
    void BuildHiddenFields();
    void BuildTimers();
    void BuildMainMenu();
    TMenuItem* AddMenuItem(TMenuItem* parent, const char* name, const char* caption);
    void BindMenuForms(TMenuItem* item);
    void SetLedsWhite();
    void ShowStatusText(const AnsiString& text);
    void StartUp();
    void CreateDeviceRequests();

    HANDLE instanceMutex_ = nullptr;
    bool shuttingDown_ = false;
    bool timersStopped_ = false;
};

extern TMainForm* MainForm;
