#include "Routermacfilter.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"

TFM_RouterMACFilter* FM_RouterMACFilter = nullptr;

namespace {
const int DisableItem = 0;
const char* const EmptyMac = "000000000000";

AnsiString MacOf(TListItem* row)
{
    return row->SubItems()->Count() > 0 ? row->SubItems()->Strings(0) : AnsiString();
}
}  // namespace

TFM_RouterMACFilter::TFM_RouterMACFilter(TComponent* Owner) : TSettingsForm(Owner)
{
    SetName("FM_RouterMACFilter");
    SetCaption("Advanced \\ MAC Filter");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(poMainFormCenter);

    TFormBuilder build(this);
    TFormRows rows(build, TRowColumns{16, 150, 160});
    CB_Telnet = rows.Combo("Lb_Telnet", "Access Control List ", "CB_Telnet");
    CB_Telnet->OnChange = [this](TObject* S) { CB_TelnetChange(S); };
    const int macTop = rows.Top();
    Edt_MACAddress = rows.Edit("Lb_MACAddress", "MAC Address ", "Edt_MACAddress", 12);
    Btn_Add = build.Button("Btn_Add", "Add", 320, macTop, [this](TObject* S) { Btn_AddClick(S); });
    Btn_Del = build.Button("Btn_Del", "Delete", 400, macTop, [this](TObject* S) { Btn_DelClick(S); });
    LV_UserMACFilter = build.List("LV_UserMACFilter", {{"ID", 40}, {"MAC Address", 120}}, 16, rows.Top(),
                                  460, 180);
    LV_UserMACFilter->SetGridLines(true);
    LV_UserMACFilter->OnClick = [this](TObject* S) { LV_UserMACFilterClick(S); };
    rows.Skip(190);
    Btn_Apply = build.Button("Btn_Apply", "Save", 320, rows.Top(), [this](TObject* S) { Btn_ApplyClick(S); });
    Btn_Cancel = build.Button("Btn_Cancel", "Cancel", 400, rows.Top(), [this](TObject* S) { Btn_CancelClick(S); });
    StatusBar1 = build.StatusBar("StatusBar1", {50});
    SetStatusBar(StatusBar1);
    LV_MACFilter = build.HiddenList("LV_MACFilter", 0);
    LA_Index = build.Label("LA_Index", "", 0, 0);
    LA_Index->SetVisible(false);
    rows_ = std::make_unique<TKeyedRows>(LV_MACFilter, LV_UserMACFilter);
    SetClientWidth(492);
    SetClientHeight(rows.Top() + TFormBuilder::ButtonHeight + 12 + 20);

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

TFM_RouterMACFilter::~TFM_RouterMACFilter()
{
    if (FM_RouterMACFilter == this)
        FM_RouterMACFilter = nullptr;
}

void TFM_RouterMACFilter::FormCreate(TObject* Sender)
{
    ModeRequest = GroupRequest(macAccessControlFilterControlStatusVars, MVT_SV, 0, 10000, 0);
    ModeRequest->BindComboBox(0, CB_Telnet);
    ReadGroup(ModeRequest);

    ListRequest = GroupRequest(macAccessControlFilterListIndexVars, MVT_UMV, 1, 10000, 1);
    ListRequest->BindListView(LV_MACFilter, true);
    ListRequest->BindLabel(0, LA_Index);
    ListRequest->BindFormat(1, "%h", Edt_MACAddress);
    ListRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnFilterListDone(S, E); };
    ListRequest->Get();
    Edt_MACAddress->SetMaxLength(12);

    const KwSNMPDoneEvent getDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnFilterActionGetDone(S, E); };
    const KwSNMPDoneEvent setDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnFilterActionSetDone(S, E); };
    AddRequest = GroupRequest(macAccessControlFilterMacAddressAddVars, MVT_SV, 0, 10000, 1);
    AddRequest->BindFormat(0, "%h", Edt_MACAddress);
    AddRequest->OnGetDone = getDone;
    AddRequest->OnSetDone = setDone;
    DeleteRequest = GroupRequest(macAccessControlFilterMacAddressDeleteVars, MVT_SV, 0, 10000, 1);
    DeleteRequest->BindFormat(0, "%h", Edt_MACAddress);
    DeleteRequest->OnGetDone = getDone;
    DeleteRequest->OnSetDone = setDone;
}

void TFM_RouterMACFilter::CB_TelnetChange(TObject* Sender)
{
    const bool filtering = CB_Telnet->ItemIndex() != DisableItem;
    Edt_MACAddress->SetEnabled(filtering);
    Btn_Add->SetEnabled(filtering);
}

void TFM_RouterMACFilter::OnFilterListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error))
        return;
    ShowStatus("Get OK!");
    CB_TelnetChange(this);
    FillFilterUserList();
    Edt_MACAddress->SetText("");
    Edt_MACAddress->SetMaxLength(12);
}

void TFM_RouterMACFilter::FillFilterUserList()
{
    rows_->Fill([](TListItem* row) { return MacOf(row) != EmptyMac; },
                [](TListItem* row, TListItem* shown) {
                    shown->SetCaption(row->Caption());
                    shown->SubItems()->Add(MacOf(row));
                });
}

void TFM_RouterMACFilter::LV_UserMACFilterClick(TObject* Sender)
{
    // The table row of the clicked address, by its key, not by its position.
    rows_->ChooseHiddenOfSelected();
}

bool TFM_RouterMACFilter::IsFilterMacUnique()
{
    // One address whatever the letter case it was typed in.
    const AnsiString mac = Edt_MACAddress->Text().UpperCase();
    if (!rows_->FirstHiddenRow([&mac](TListItem* row) { return MacOf(row).UpperCase() == mac; }))
        return true;
    return RefuseInput("Reject: The MAC already exists ", "Warning");
}

bool TFM_RouterMACFilter::CheckMacText()
{
    if (Edt_MACAddress->Text().Length() != 12)
        return RefuseInput("The length is 12 in MAC Address.", "Error", Edt_MACAddress);
    if (Edt_MACAddress->Text() == EmptyMac)
        return RefuseInput("Please input a valid MAC Address.", "Warning", Edt_MACAddress);
    return true;
}

void TFM_RouterMACFilter::Btn_AddClick(TObject* Sender)
{
    if (!AddRequest)
        return;
    if (rows_->ShownCount() >= MaxFilters) {
        RefuseInput("Maximum Numbers of MAC Access Control Filter List is 25!", "Waring");
        Edt_MACAddress->SetText("");
        return;
    }
    if (CB_Telnet->ItemIndex() == DisableItem)
        return;
    if (!CheckMacText() || !IsFilterMacUnique())
        return;
    ShowStatus("");
    AddRequest->Set(false, true, "", nullptr);
}

void TFM_RouterMACFilter::Btn_DelClick(TObject* Sender)
{
    if (!DeleteRequest)
        return;
    // A chosen row is deleted by its own address (already in the edit); a typed
    // address must be a whole one: nothing else is sent.
    if (!CheckMacText())
        return;
    ShowStatus("");
    DeleteRequest->Set(true, true, "", nullptr);
}

void TFM_RouterMACFilter::OnFilterActionSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error))
        return;
    ShowStatus("Set Success");
    LV_MACFilter->Items()->Clear();
    Edt_MACAddress->SetText("");
    ListRequest->Get();
    Edt_MACAddress->SetMaxLength(12);
}

void TFM_RouterMACFilter::OnFilterActionGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    ShowStatus(Error.Code != 0 ? Error.Message : AnsiString("Get OK!"));
}

void TFM_RouterMACFilter::Btn_ApplyClick(TObject* Sender)
{
    if (!ModeRequest || CB_Telnet->ItemIndex() < 0)
        return;  // the mode was never read: there is nothing to write back
    ShowStatus(ModeRequest->Set(true, true, "", nullptr) ? "Set Ok!" : "Set error!");
}

void TFM_RouterMACFilter::Btn_CancelClick(TObject* Sender) { Close(); }
