// The main window's handlers that no menu item reaches: the grouping form, and the
// generic pages of the page framework.
#include "Main.h"

#include "ConfigForm.h"
#include "KwSNMPRequest2Edits.h"
#include "MenuForms.h"

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
