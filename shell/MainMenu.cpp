// The main window's menu tree, its mode-dependent entries and the About box.
#include "Main.h"

#include "About.h"
#include "MenuForms.h"

#include <map>

TMenuItem* TMainForm::AddMenuItem(TMenuItem* parent, const char* name, const char* caption)
{
    TMenuItem* item = new TMenuItem(this);
    if (name && *name)
        item->SetName(name);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

void TMainForm::BuildMainMenu()
{
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem* bar = MainMenu1->Items();

    Home1 = AddMenuItem(bar, "Home1", "Home");
    Information1 = AddMenuItem(Home1, "Information1", "Information");
    hWirelessBand1 = AddMenuItem(Home1, "hWirelessBand1", "Wireless");
    hLan1 = AddMenuItem(Home1, "hLan1", "LAN");
    InternetConnect1 = AddMenuItem(Home1, "InternetConnect1", "Internet Connection");

    advanced2 = AddMenuItem(bar, "advanced2", "Advanced");
    adPerformance1 = AddMenuItem(advanced2, "adPerformance1", "Performance");
    adFilter = AddMenuItem(advanced2, "adFilter", "Filters");
    Mac1 = AddMenuItem(adFilter, "Mac1", "Wireless MAC ACL");
    WLANPartition1 = AddMenuItem(adFilter, "WLANPartition1", "WLAN Partition");
    Ad_MultiSSID = AddMenuItem(advanced2, "Ad_MultiSSID", "Multi-SSID");
    DHCPServer1 = AddMenuItem(advanced2, "DHCPServer1", "DHCP Server");
    Intrusion1 = AddMenuItem(advanced2, "Intrusion1", "Intrusion");
    Scheduling1 = AddMenuItem(advanced2, "Scheduling1", "Schedule");
    QosSetting1 = AddMenuItem(advanced2, "QosSetting1", "QoS");
    VlanSetting1 = AddMenuItem(advanced2, "VlanSetting1", "VLAN");
    RouterSettings1 = AddMenuItem(advanced2, "RouterSettings1", "Router Settings");
    ParentalControl1 = AddMenuItem(RouterSettings1, "ParentalControl1", "Parental Control");
    AdvancePortForwarding1 =
        AddMenuItem(RouterSettings1, "AdvancePortForwarding1", "Advance Port Forwarding");
    MACFilter1 = AddMenuItem(RouterSettings1, "MACFilter1", "MAC Filter");
    FirewallDMZ1 = AddMenuItem(RouterSettings1, "FirewallDMZ1", "Firewall && DMZ");
    AdvancedNetwork1 = AddMenuItem(RouterSettings1, "AdvancedNetwork1", "Advanced Network");

    tools2 = AddMenuItem(bar, "tools2", "Tools");
    tAdmin2 = AddMenuItem(tools2, "tAdmin2", "Administrator Settings");
    tSystem2 = AddMenuItem(tools2, "tSystem2", "System");
    Firmware1 = AddMenuItem(tools2, "Firmware1", "Firmware and SSL Certification Upload");
    Time = AddMenuItem(tools2, "Time", "Time and Date");
    tUpdate2 = AddMenuItem(tools2, "tUpdate2", "Configuration File");

    status2 = AddMenuItem(bar, "status2", "Status");
    stDeviceInfo2 = AddMenuItem(status2, "stDeviceInfo2", "Device Information");
    Client1 = AddMenuItem(status2, "Client1", "Client Information");
    WDSInformation1 = AddMenuItem(status2, "WDSInformation1", "WDS Information");
    stStats1 = AddMenuItem(status2, "stStats1", "Stats");
    Ethernet1 = AddMenuItem(stStats1, "Ethernet1", "Ethernet");
    WLAN1 = AddMenuItem(stStats1, "WLAN1", "WLAN");
    SystemLog = AddMenuItem(status2, "SystemLog", "Log");
    ViewLog1 = AddMenuItem(SystemLog, "ViewLog1", "View Log");
    LogSettings1 = AddMenuItem(SystemLog, "LogSettings1", "Log Settings");

    Help = AddMenuItem(bar, "Help", "Help");
    About1 = AddMenuItem(Help, "About1", "About");
    About1->OnClick = [this](TObject* Sender) { About1Click(Sender); };

    // Hidden from the start: pages of earlier devices.
    WirelessLan = AddMenuItem(bar, "WirelessLan", "Wireless LAN");
    for (const char* band : {"802.11g", "802.11"}) {
        TMenuItem* sub = AddMenuItem(WirelessLan, "", band);
        for (const char* entry : {"Basic Information", "Access Control List", "WEP", "MAC"})
            AddMenuItem(sub, "", entry);
        AddMenuItem(sub, "", "-");
        AddMenuItem(sub, "", "Physical");
    }
    WirelessLan->SetVisible(false);

    Test11 = AddMenuItem(bar, "Test11", "MIB II");
    AddMenuItem(Test11, "", "IP Counters");
    AddMenuItem(Test11, "", "IP Routing");
    AddMenuItem(Test11, "", "IP Address Table");
    AddMenuItem(Test11, "", "-");
    AddMenuItem(Test11, "", "ICMP Counters");
    AddMenuItem(Test11, "", "UDP Counters");
    AddMenuItem(Test11, "", "SNMP Counters");
    AddMenuItem(Test11, "", "-");
    TMenuItem* exitItem = AddMenuItem(Test11, "Exit1", "Exit");
    exitItem->OnClick = [this](TObject* Sender) { Exit1Click(Sender); };
    Test11->SetVisible(false);

    ACLManagement1 = AddMenuItem(bar, "ACLManagement1", "AP Management");
    for (const char* entry : {"System", "Wireless Table", "IEEE802.1x", "TFTP", "DHCP", "IKCP", "IAPP"})
        AddMenuItem(ACLManagement1, "", entry);
    AddMenuItem(ACLManagement1, "", "SNMP")->SetVisible(false);
    ACLManagement1->SetVisible(false);

    for (TMenuItem* top : {Home1, advanced2, tools2, status2})
        BindMenuForms(top);
}

// Every leaf of a visible menu opens the form its unit registered under the item's name;
// leaves whose form is not part of this program are disabled.
void TMainForm::BindMenuForms(TMenuItem* item)
{
    if (item->Count() > 0) {
        for (int i = 0; i < item->Count(); ++i)
            BindMenuForms(item->Items(i));
        return;
    }
    const AnsiString name = item->Name();
    static const std::map<AnsiString, void (TMainForm::*)(TObject*)> handlers = {
        {"Information1", &TMainForm::Information1Click},
        {"hWirelessBand1", &TMainForm::hWirelessBand1Click},
        {"hLan1", &TMainForm::hLan1Click},
        {"InternetConnect1", &TMainForm::InternetConnect1Click},
        {"adPerformance1", &TMainForm::adPerformance1Click},
        {"Mac1", &TMainForm::Mac1Click},
        {"WLANPartition1", &TMainForm::WLANPartition1Click},
        {"Ad_MultiSSID", &TMainForm::Ad_MultiSSIDClick},
        {"DHCPServer1", &TMainForm::DHCPServer1Click},
        {"Intrusion1", &TMainForm::Intrusion1Click},
        {"Scheduling1", &TMainForm::Scheduling1Click},
        {"QosSetting1", &TMainForm::QosSetting1Click},
        {"VlanSetting1", &TMainForm::VlanSetting1Click},
        {"ParentalControl1", &TMainForm::ParentalControl1Click},
        {"AdvancePortForwarding1", &TMainForm::AdvancePortForwarding1Click},
        {"MACFilter1", &TMainForm::MACFilter1Click},
        {"FirewallDMZ1", &TMainForm::FirewallDMZ1Click},
        {"AdvancedNetwork1", &TMainForm::AdvancedNetwork1Click},
        {"tAdmin2", &TMainForm::tAdmin1Click},
        {"tSystem2", &TMainForm::tSystem1Click},
        {"Firmware1", &TMainForm::Firmware1Click},
        {"Time", &TMainForm::TimeClick},
        {"tUpdate2", &TMainForm::tUpdate1Click},
        {"stDeviceInfo2", &TMainForm::stEthernet1Click},
        {"Client1", &TMainForm::Client1Click},
        {"WDSInformation1", &TMainForm::WDSInformation1Click},
        {"Ethernet1", &TMainForm::Ethernet1Click},
        {"WLAN1", &TMainForm::WLAN1Click},
        {"ViewLog1", &TMainForm::ViewLog1Click},
        {"LogSettings1", &TMainForm::LogSettings1Click},
    };
    auto handler = handlers.find(name);
    if (handler != handlers.end())
        item->OnClick = [this, method = handler->second](TObject* Sender) { (this->*method)(Sender); };
    else
        item->OnClick = [name](TObject*) { OpenMenuForm(name); };
    item->SetEnabled(HasMenuForm(name));
}

void TMainForm::ApplyModeVisibility(int apModeItemIndex)
{
    const bool router = apModeItemIndex == 4;
    InternetConnect1->SetVisible(router);
    RouterSettings1->SetVisible(router);
    Ad_MultiSSID->SetVisible(!router);
    VlanSetting1->SetVisible(!router);
}

void TMainForm::About1Click(TObject* Sender)
{
    TAboutForm* about = new TAboutForm(this);
    try {
        about->ShowModal();
    } catch (...) {
        delete about;
        throw;
    }
    delete about;
}

void TMainForm::Exit1Click(TObject* Sender) { Close(); }
