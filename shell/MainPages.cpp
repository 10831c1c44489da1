// The main window's form handlers: the menu entries', and those that no menu item
// reaches (the grouping form, the generic pages of the page framework). A form's unit
// registers its opener under the entry's name (MenuForms.h).
#include "Main.h"

#include "GUIConfigForm.h"
#include "KwSNMPRequest2Edits.h"
#include "MenuForms.h"

void TMainForm::Information1Click(TObject* Sender) { OpenMenuForm("Information1"); }
void TMainForm::hWirelessBand1Click(TObject* Sender) { OpenMenuForm("hWirelessBand1"); }
void TMainForm::hLan1Click(TObject* Sender) { OpenMenuForm("hLan1"); }
void TMainForm::InternetConnect1Click(TObject* Sender) { OpenMenuForm("InternetConnect1"); }
void TMainForm::adPerformance1Click(TObject* Sender) { OpenMenuForm("adPerformance1"); }
void TMainForm::Mac1Click(TObject* Sender) { OpenMenuForm("Mac1"); }
void TMainForm::WLANPartition1Click(TObject* Sender) { OpenMenuForm("WLANPartition1"); }
void TMainForm::Ad_MultiSSIDClick(TObject* Sender) { OpenMenuForm("Ad_MultiSSID"); }
void TMainForm::DHCPServer1Click(TObject* Sender) { OpenMenuForm("DHCPServer1"); }
void TMainForm::Intrusion1Click(TObject* Sender) { OpenMenuForm("Intrusion1"); }
void TMainForm::Scheduling1Click(TObject* Sender) { OpenMenuForm("Scheduling1"); }
void TMainForm::QosSetting1Click(TObject* Sender) { OpenMenuForm("QosSetting1"); }
void TMainForm::VlanSetting1Click(TObject* Sender) { OpenMenuForm("VlanSetting1"); }
void TMainForm::ParentalControl1Click(TObject* Sender) { OpenMenuForm("ParentalControl1"); }
void TMainForm::AdvancePortForwarding1Click(TObject* Sender) { OpenMenuForm("AdvancePortForwarding1"); }
void TMainForm::MACFilter1Click(TObject* Sender) { OpenMenuForm("MACFilter1"); }
void TMainForm::FirewallDMZ1Click(TObject* Sender) { OpenMenuForm("FirewallDMZ1"); }
void TMainForm::AdvancedNetwork1Click(TObject* Sender) { OpenMenuForm("AdvancedNetwork1"); }
void TMainForm::tAdmin1Click(TObject* Sender) { OpenMenuForm("tAdmin2"); }
void TMainForm::tSystem1Click(TObject* Sender) { OpenMenuForm("tSystem2"); }
void TMainForm::Firmware1Click(TObject* Sender) { OpenMenuForm("Firmware1"); }
void TMainForm::TimeClick(TObject* Sender) { OpenMenuForm("Time"); }
void TMainForm::tUpdate1Click(TObject* Sender) { OpenMenuForm("tUpdate2"); }
void TMainForm::stEthernet1Click(TObject* Sender) { OpenMenuForm("stDeviceInfo2"); }
void TMainForm::Client1Click(TObject* Sender) { OpenMenuForm("Client1"); }
void TMainForm::WDSInformation1Click(TObject* Sender) { OpenMenuForm("WDSInformation1"); }
void TMainForm::Ethernet1Click(TObject* Sender) { OpenMenuForm("Ethernet1"); }
void TMainForm::WLAN1Click(TObject* Sender) { OpenMenuForm("WLAN1"); }
void TMainForm::ViewLog1Click(TObject* Sender) { OpenMenuForm("ViewLog1"); }
void TMainForm::LogSettings1Click(TObject* Sender) { OpenMenuForm("LogSettings1"); }

void TMainForm::UserLimitClick(TObject* Sender) { OpenMenuForm("UserLimit"); }

void TMainForm::adSecSettingKey1Click(TObject* Sender) { OpenGenericPage("SecSettingKeyTable"); }
void TMainForm::Function1Click(TObject* Sender) { OpenGenericPage("AdDynamicFunction"); }
void TMainForm::DynamicTable1Click(TObject* Sender) { OpenGenericPage("AdDynamicTable"); }
void TMainForm::adStatic2Click(TObject* Sender) { OpenGenericPage("StaticTable"); }
void TMainForm::adSecServSet1Click(TObject* Sender) { OpenGenericPage("SecServSetting"); }
void TMainForm::dot11g1Click(TObject* Sender) { OpenGenericPage("PtMPReAPMACAddress_80211g"); }
void TMainForm::dot11b1Click(TObject* Sender) { OpenGenericPage("PtMPReAPMACAddress_80211a"); }
void TMainForm::N80211a3Click(TObject* Sender) { OpenGenericPage("PerformanceTable-80211a"); }
void TMainForm::N80211g3Click(TObject* Sender) { OpenGenericPage("PerformanceTable-80211g"); }

void TMainForm::OpenGenericPage(const AnsiString& pageName)
{
    PageName = pageName;
    TConfigForm* page = new TConfigForm(Application);
    page->SetCaption(PageName + " : " + DeviceAddress);
    // The page is handed a request without variables: it shows an empty page.
    KwSNMPRequest2Edits* request = new KwSNMPRequest2Edits(page);
    try {
        page->SetEditorRequest(request);
        if (request->Request.VarList.Count() > 0)
            request->Get();
        page->SetWidth(500);
        page->ShowModal();
    } catch (...) {
        delete page;
        throw;
    }
    // These two pages stay with the application until it ends.
    if (pageName != "AdDynamicFunction" && pageName != "AdDynamicTable")
        delete page;
}
