// Advanced / DHCP Server, third page: the leases the device holds now. The device
// builds each list on request: the form writes the list's refresh variable and, once
// that write has ended, walks the table into a hidden list and copies the leases into
// the visible one. Each list reports in its own status bar.
#include "Catalogue.h"
#include "Dhcp.h"
#include "FormBuilder.h"
#include "KwReadSequence.h"
#include "KwSNMPRequest2Edits.h"
#include "ListCells.h"
#include "New_req2Edit.h"

namespace {
const int RefreshItem = 1;
const char* const EmptyMac = "000000000000";
}  // namespace

void TFM_DHCP::BuildLeasePage()
{
    TFormBuilder page(TabSheet3);
    TGroupBox* dynamicGroup = page.Group("GB_DynPool", "Current DHCP Dynamic Pools", 8, 8, 576, 190);
    TFormBuilder dynamicPart = page.In(dynamicGroup);
    LV_DynPool = dynamicPart.List("LV_DynPool",
                                  {{"Binding MAC Address", 135}, {"Assigned IP Address ", 130},
                                   {"Lease time ", 118}, {"Host Name", 72}},
                                  8, 20, 480, 140);
    LV_DynPool->SetGridLines(true);
    Bt_RefreshDynamicPool = dynamicPart.Button("Bt_RefreshDynamicPool", "Refresh", 492, 20,
                                               [this](TObject* S) { Bt_RefreshDynamicPoolClick(S); });
    StatusBar3 = dynamicPart.StatusBar("StatusBar3", {50});

    TGroupBox* staticGroup = page.Group("GB_StaticPool", "Current DHCP Static Pools", 8, 206, 576, 190);
    TFormBuilder staticPart = page.In(staticGroup);
    LV_StaticPool = staticPart.List("LV_StaticPool",
                                    {{"Binding MAC Address", 160}, {"Assigned IP Address ", 130},
                                     {"Host Name", 100}},
                                    8, 20, 480, 140);
    LV_StaticPool->SetGridLines(true);
    Bt_RefreshStaticPool = staticPart.Button("Bt_RefreshStaticPool", "Refresh", 492, 20,
                                             [this](TObject* S) { Bt_RefreshStaticPoolClick(S); });
    StatusBar4 = staticPart.StatusBar("StatusBar4", {50});

    LV_Dy = page.HiddenList("LV_Dy", 0);
    LV_Static = page.HiddenList("LV_Static", 0);
    NameControl(LV_Dy, dynamicGroup->Caption());  // the lists the user sees them in
    NameControl(LV_Static, staticGroup->Caption());
    CoboxDynamic = page.HiddenCombo("CoboxDynamic");
    CoboxStatic = page.HiddenCombo("CoboxStatic");
}

void TFM_DHCP::CreateLeaseRequests()
{
    DynamicRefreshRequest = BoundGroup(refreshCurrentDynamicListVars, SVT_SV, {CoboxDynamic}, 10000, 1);
    DynamicRefreshRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) {
        OnDynamicRefreshDone(S, E);
    };
    StaticRefreshRequest = BoundGroup(refreshCurrentStaticListVars, SVT_SV, {CoboxStatic}, 10000, 1);
    StaticRefreshRequest->OnSetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) {
        OnStaticRefreshDone(S, E);
    };

    const KwSNMPDoneEvent listDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnLeaseListDone(S, E); };
    DynamicLeaseRequest = GroupRequest<New_req2Edit>(currentDynamicIndexVars, MVT_FMV, 1, 10000, 1);
    DynamicLeaseRequest->BindListView(LV_Dy, true);
    DynamicLeaseRequest->SkipValue = EmptyMac;
    DynamicLeaseRequest->SkipIndex = 1;
    DynamicLeaseRequest->AttachStatusBar(StatusBar3);
    DynamicLeaseRequest->OnGetDone = listDone;
    StaticLeaseRequest = GroupRequest<New_req2Edit>(currentStaticIndexVars, MVT_FMV, 1, 10000, 1);
    StaticLeaseRequest->BindListView(LV_Static, true);
    StaticLeaseRequest->SkipValue = EmptyMac;
    StaticLeaseRequest->SkipIndex = 1;
    StaticLeaseRequest->AttachStatusBar(StatusBar4);
    StaticLeaseRequest->OnGetDone = listDone;

    if (KwReadSequence::SilentDeviceSeen()) {
        const AnsiString failure = KwReadSequence().FailureText();
        ShowFormStatus(StatusBar3, failure);
        ShowFormStatus(StatusBar4, failure);
        return;
    }
    StartLeaseWalk(DynamicLeaseRequest, Bt_RefreshDynamicPool);
    StartLeaseWalk(StaticLeaseRequest, Bt_RefreshStaticPool);
}

void TFM_DHCP::StartLeaseWalk(New_req2Edit* request, TButton* refresh)
{
    // One walk at a time per list: its Refresh waits until the walk has ended.
    refresh->SetEnabled(false);
    request->RowNumber = 1;
    request->Get();
}

void TFM_DHCP::Bt_RefreshDynamicPoolClick(TObject* Sender)
{
    if (!MayReadTable({DynamicLeaseRequest, DynamicRefreshRequest}, StatusBar3))
        return;
    Bt_RefreshDynamicPool->SetEnabled(false);
    ShowFormStatus(StatusBar3, "");
    CoboxDynamic->SetItemIndex(RefreshItem);
    WriteGroup(DynamicRefreshRequest);
}

void TFM_DHCP::Bt_RefreshStaticPoolClick(TObject* Sender)
{
    if (!MayReadTable({StaticLeaseRequest, StaticRefreshRequest}, StatusBar4))
        return;
    Bt_RefreshStaticPool->SetEnabled(false);
    ShowFormStatus(StatusBar4, "");
    CoboxStatic->SetItemIndex(RefreshItem);
    WriteGroup(StaticRefreshRequest);
}

void TFM_DHCP::OnDynamicRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        ShowFormStatus(StatusBar3, "Setting Error!");
        Bt_RefreshDynamicPool->SetEnabled(true);
        return;
    }
    ShowFormStatus(StatusBar3, "Setting Sucess!");
    StartLeaseWalk(DynamicLeaseRequest, Bt_RefreshDynamicPool);
}

void TFM_DHCP::OnStaticRefreshDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code != 0) {
        ShowFormStatus(StatusBar4, "Setting Error!");
        Bt_RefreshStaticPool->SetEnabled(true);
        return;
    }
    ShowFormStatus(StatusBar4, "Setting Sucess!");
    StartLeaseWalk(StaticLeaseRequest, Bt_RefreshStaticPool);
}

void TFM_DHCP::OnLeaseListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    // Each walk reports in the bar of its own list.
    const bool dynamicList = Sender == DynamicLeaseRequest;
    TStatusBar* bar = dynamicList ? StatusBar3 : StatusBar4;
    (dynamicList ? Bt_RefreshDynamicPool : Bt_RefreshStaticPool)->SetEnabled(true);
    if (Error.Code != 0) {
        ShowFormStatus(bar, "Setting Error!");  // after the request's own report of the failure
        return;
    }
    FillLeaseList(dynamicList ? DynamicLeaseRequest : StaticLeaseRequest);
    ShowFormStatus(bar, "Get OK");
}

void TFM_DHCP::FillLeaseList(New_req2Edit* request)
{
    const bool dynamicList = request == DynamicLeaseRequest;
    TListView* walked = dynamicList ? LV_Dy : LV_Static;
    TListView* shown = dynamicList ? LV_DynPool : LV_StaticPool;
    const int columns = dynamicList ? 4 : 3;
    shown->Items()->Clear();
    for (int i = 0; i < walked->Items()->Count(); ++i) {
        TListItem* row = walked->Items()->Item(i);
        TListItem* lease = shown->Items()->Add();
        lease->SetCaption(SubItemText(row, 0));  // the MAC address
        for (int column = 1; column < columns; ++column)
            lease->SubItems()->Add(SubItemText(row, column));
    }
}
