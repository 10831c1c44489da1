#include "Dhcp.h"

#include "Catalogue.h"
#include "DhcpPoolRange.h"
#include "FormBuilder.h"
#include "KwReadSequence.h"
#include "KwSNMPRequest2Edits.h"
#include "New_req2Edit.h"

TFM_DHCP* FM_DHCP = nullptr;

namespace {
const int DisableItem = 0;
const int EnableItem = 1;
const int WirelessClientItem = 3;
const int RouterModeItem = 4;
const int DomainDynamicItem = 0;
const int DomainStaticItem = 1;
const char* const ListingText = "Listing data ... ";
}  // namespace

TFM_DHCP::TFM_DHCP(TComponent* Owner)
    : TSettingsForm(Owner, FormFrame("FM_DHCP", "Advanced \\ DHCP Server", FM_DHCP))
{
    SetClientWidth(600);
    SetClientHeight(440);

    TFormBuilder build(this);
    PageControl1 = build.Add<TPageControl>("PageControl1", 0, 0, 600, 440);
    PageControl1->SetAlign(alClient);  // its pages' status bars grow with the form
    PageControl1->OnChange = ReadSequence([this](TObject* S) { PageControl1Change(S); });
    TabSheet1 = new TTabSheet(this);
    TabSheet1->SetName("TabSheet1");
    TabSheet1->SetPageControl(PageControl1);
    TabSheet1->SetCaption(" Dynamic Pool Settings ");
    TabSheet2 = new TTabSheet(this);
    TabSheet2->SetName("TabSheet2");
    TabSheet2->SetPageControl(PageControl1);
    TabSheet2->SetCaption("Static Pool Settings  ");
    TabSheet3 = new TTabSheet(this);
    TabSheet3->SetName("TabSheet3");
    TabSheet3->SetPageControl(PageControl1);
    TabSheet3->SetCaption(" Current IP Mapping List  ");
    BuildPoolPage();
    BuildStaticPage();
    BuildLeasePage();
    // The two pool pages show the same captions ("Function Enable/Disable", "Subnet
    // Mask"): the form's notes name each of their controls with its page.
    for (TTabSheet* page : {TabSheet1, TabSheet2})
        for (int i = 0; i < page->ControlCount(); ++i)
            if (const AnsiString caption = ControlCaption(this, page->Controls(i), {}); !caption.IsEmpty())
                NameControl(page->Controls(i), caption + " (" + page->Caption().Trim() + ")");
    PageControl1->SetActivePage(TabSheet2);  // the form opens on the static pool
    SetStatusBar(StatusBar2);                  // whose status says what the form keeps

    // The static lists wait for the static table's first read: until then they hold
    // none of the device's rows to pick.
    EnableStaticLists(false);
    CB_Fuction2->Items()->Add("Disable");
    CB_Fuction2->Items()->Add("Enable");
    Bt_Apply->SetEnabled(false);
    Bt_Refresh->SetEnabled(false);
    Bt_Cancel->SetEnabled(false);

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

void TFM_DHCP::FormCreate(TObject* Sender)
{
    try {
        CreatePoolRequests();
        CreateStaticRequests();
        CreateLeaseRequests();
    } catch (const std::exception& e) {
        for (TStatusBar* bar : {StatusBar1, StatusBar2, StatusBar3})
            ShowFormStatus(bar, e.what());
    }
    HoldCloseWhileWriting({StaticRequest});
    LanRequest = BoundGroup(lanIfIpAddressVars, MVT_SV, {Ed_ext}, 1000, 1);
    if (!KwReadSequence::SilentDeviceSeen())
        LanRequest->Get();

    Ed_DomNa->SetMaxLength(63);
    for (TEdit* edit : {Ed_IPAF, Ed_SubMask, Ed_Gateway, Ed_Wins, Ed_DNS})
        edit->SetMaxLength(15);
    Btn_Del->SetEnabled(false);
    Bt_Edit->SetEnabled(false);
    Btn_Add->SetEnabled(true);
    EnableStaticEntry(false);
    // A read that failed or never started leaves nothing to wait for.
    AllowCancelWhenIdle();
}

void TFM_DHCP::AllowCancelWhenIdle()
{
    if (!StaticRequest || !Outstanding(StaticRequest))
        Bt_Cancel->SetEnabled(true);
}

void TFM_DHCP::Bt_CancelClick(TObject* Sender) { Close(); }

void TFM_DHCP::PageControl1Change(TObject* Sender)
{
    if (PageControl1->ActivePage() == TabSheet2)
        User_ListView->SetColor(CB_Fuction1->ItemIndex() == EnableItem ? clWindow : clBtnFace);
    if (DomainStatusRequest)
        DomainStatusRequest->Get();
    UpdateEditStates();
}

void TFM_DHCP::CB_Fuction1Change(TObject* Sender)
{
    CB_Fuction2->SetItemIndex(CB_Fuction1->ItemIndex());
    UpdateEditStates();
    if (CB_Fuction1->ItemIndex() == EnableItem)
        Bt_Apply->SetEnabled(true);
}

void TFM_DHCP::CB_Fuction2Change(TObject* Sender)
{
    CB_Fuction1->SetItemIndex(CB_Fuction2->ItemIndex());
    UpdateEditStates();
}

void TFM_DHCP::UpdateEditStates()
{
    const bool router = CB_APMode->ItemIndex() == RouterModeItem;
    switch (CB_Fuction1->ItemIndex()) {
    case DisableItem:
        for (TEdit* edit : {Ed_IPAF, Ed_PoolRan, Ed_SubMask, Ed_Gateway, Ed_Wins, Ed_DNS, Ed_DomNa, Ed_Lease})
            edit->SetEnabled(false);
        break;
    case EnableItem:
        for (TEdit* edit : {Ed_IPAF, Ed_PoolRan, Ed_SubMask, Ed_Gateway, Ed_Lease})
            edit->SetEnabled(true);
        Ed_Wins->SetEnabled(!router);
        Ed_DNS->SetEnabled(!router);
        Ed_DomNa->SetEnabled(CB_DNStatus->ItemIndex() != DomainStaticItem);
        break;
    default:
        break;
    }
    switch (CB_Fuction2->ItemIndex()) {
    case DisableItem:
        EnableStaticEntry(false);
        EnableStaticLists(false);
        break;
    case EnableItem:
        for (TEdit* edit : {ED_StaticAssignIP, ED_StaticAssignMAC, ED_StaticSubMask, ED_StaticGateway,
                            ED_StaticHostName})
            edit->SetEnabled(true);
        ED_StaticWins->SetEnabled(!router);
        ED_StaticDNS->SetEnabled(!router);
        ED_StaticDoname->SetEnabled(CB_DNStatus->ItemIndex() != DomainDynamicItem);
        EnableStaticLists(true);
        break;
    default:
        break;
    }
    Ed_PoolRan->SetMaxLength(3);
    Ed_Lease->SetMaxLength(8);
}

void TFM_DHCP::EnableStaticLists(bool on)
{
    LV_StaticPoolSet->SetEnabled(on);
    User_ListView->SetEnabled(on);
    User_ListView->SetColor(on ? clWindow : clBtnFace);
}

void TFM_DHCP::EnableStaticEntry(bool on)
{
    for (TEdit* edit : {ED_StaticAssignIP, ED_StaticAssignMAC, ED_StaticSubMask, ED_StaticDNS,
                        ED_StaticGateway, ED_StaticWins, ED_StaticDoname, ED_StaticHostName})
        edit->SetEnabled(on);
}

void TFM_DHCP::ConvertPoolRange(bool toEnd)
{
    AnsiString range = Ed_PoolRan->Text();
    if (toEnd ? PoolCountToEnd(Ed_IPAF->Text(), range) : PoolEndToCount(Ed_IPAF->Text(), range))
        Ed_PoolRan->SetText(range);
}

void TFM_DHCP::ShowReadPoolRange()
{
    // A last address no count is made of (from a first one the form cannot show) is
    // no size of the pool: none is shown.
    AnsiString range = Ed_PoolRan->Text();
    Ed_PoolRan->SetText(PoolEndToCount(Ed_IPAF->Text(), range) ? range : AnsiString());
    PoolRequest->Settle(Ed_PoolRan);
}

void TFM_DHCP::ClearRouterZeroServers(TEdit* wins, TEdit* dns)
{
    if (CB_APMode->ItemIndex() != RouterModeItem)
        return;
    for (TEdit* edit : {wins, dns})
        if (edit->Text() == "0.0.0.0")
            edit->SetText("");
}

void TFM_DHCP::CreatePoolRequests()
{
    ModeRequest = BoundGroup(dot11ApModeVars2, MVT_SV, {CB_APMode}, 0, 0);
    ReadGroup(ModeRequest);

    AddressRequest = BoundGroup(ipInformationIpVars, MVT_SV, {ED_IpAddr}, 1000, 0);
    ReadGroup(AddressRequest);

    PoolRequest =
        BoundGroup(dynamicIpPoolStartVars2, MVT_SV, {Ed_IPAF, Ed_PoolRan, Ed_SubMask, Ed_Gateway, Ed_Wins, Ed_DNS, Ed_DomNa, {Ed_Lease, "%u"}}, 10000, 0);
    PoolRequest->AttachStatusBar(StatusBar1);
    ShowFormStatus(StatusBar1, ListingText);
    if (ReadGroup(PoolRequest)) {
        ShowReadPoolRange();
        if (Ed_Gateway->Text() == "0.0.0.0")
            Ed_Gateway->SetText("");
        ClearRouterZeroServers(Ed_Wins, Ed_DNS);
        ShowFormStatus(StatusBar1, "Get OK!");
    } else {
        ShowPoolFailure(PoolRequest);  // never "Get OK!" for a read that failed
    }

    SwitchRequest = BoundGroup(dhcpServerControlVars, SVT_SV, {CB_Fuction1}, 10000, 0);
    const bool switchRead = ReadGroup(SwitchRequest);
    StaticSwitchRequest = BoundGroup(dhcpServerStaticControlVars, SVT_SV, {CB_Fuction2}, 10000, 0);
    if (ReadGroup(StaticSwitchRequest) && switchRead) {
        // The static page shows the server's switch: a user who puts it back changed nothing.
        CB_Fuction2->SetItemIndex(CB_Fuction1->ItemIndex());
        StaticSwitchRequest->ShownByForm(CB_Fuction2);
        UpdateEditStates();
    }
    if (CB_APMode->ItemIndex() == WirelessClientItem) {
        // A wireless client serves no addresses: shown off, and not to be changed.
        CB_Fuction1->SetItemIndex(DisableItem);
        CB_Fuction2->SetItemIndex(DisableItem);
        CB_Fuction1->SetEnabled(false);
        CB_Fuction2->SetEnabled(false);
    }

    DomainStatusRequest = BoundGroup(dhcpServerDomainNameStatusVars, SVT_SV, {CB_DNStatus}, 10000, 0);
    ReadGroup(DomainStatusRequest);
}

static const bool menuEntry = RegisterModalForm("DHCPServer1", FM_DHCP);
