#include "Routermacfilter.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"
#include "ListCells.h"

TFM_RouterMACFilter* FM_RouterMACFilter = nullptr;

namespace {
const char* const EmptyMac = "000000000000";
const int MacColumn = 0;
}  // namespace

TFM_RouterMACFilter::TFM_RouterMACFilter(TComponent* Owner)
    : TRouterValueListForm(Owner, FormFrame("FM_RouterMACFilter", "Advanced \\ MAC Filter", FM_RouterMACFilter))
{
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
    LV_UserMACFilter->OnClick = [this](TObject* S) { LV_UserMACFilterClick(S); };
    rows.Skip(190);
    LV_MACFilter = FinishPage(build, LV_UserMACFilter, "MAC Filter List", Btn_Del, "LV_MACFilter", {320, 400, rows.Top(), 492});
}

void TFM_RouterMACFilter::FormCreate(TObject* Sender)
{
    CreateValueRequests({macAccessControlFilterControlStatusVars, macAccessControlFilterListIndexVars,
                         macAccessControlFilterMacAddressAddVars, macAccessControlFilterMacAddressDeleteVars},
                        CB_Telnet, "%h", Edt_MACAddress, Edt_MACAddress);
    Edt_MACAddress->SetMaxLength(12);
    CB_TelnetChange(Sender);  // adding as the mode offers it, also while the list is unread
}

void TFM_RouterMACFilter::CB_TelnetChange(TObject* Sender)
{
    OfferAdding(CB_Telnet, Edt_MACAddress, Btn_Add);
}

void TFM_RouterMACFilter::OnListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error))
        return;
    ShowStatus("Get OK!");
    CB_TelnetChange(this);
    ShowKeyAndValue([](TListItem* row) { return SubItemText(row, MacColumn) != EmptyMac; });
    EmptyAfterWalk(Edt_MACAddress);
    Edt_MACAddress->SetMaxLength(12);
}

void TFM_RouterMACFilter::LV_UserMACFilterClick(TObject* Sender)
{
    // The table row of the clicked address, by its key, not by its position.
    rows_->ChooseHiddenOfSelected();
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
    if (!AddRequest || !MayChangeRules())
        return;
    if (RefusedAsFull(false, MaxFilters, "Maximum Numbers of MAC Access Control Filter List is 25!")) {
        Edt_MACAddress->SetText("");
        return;
    }
    if (CB_Telnet->ItemIndex() == DisabledItem || !CheckMacText())
        return;
    // One address whatever the letter case it was typed in.
    if (TableHolds(MacColumn, Edt_MACAddress->Text()))
        return void(RefuseInput("Reject: The MAC already exists ", "Warning"));
    BeginSave();
    ShowStatus("");
    WriteWithoutReread(AddRequest);
}

void TFM_RouterMACFilter::Btn_DelClick(TObject* Sender)
{
    if (!DeleteRequest || !MayChangeRules())
        return;
    // A chosen row is deleted by its own address (already in the edit); a typed
    // address must be a whole one: nothing else is sent.
    if (!CheckMacText())
        return;
    BeginSave();
    ShowStatus("");
    WriteGroup(DeleteRequest);
}

void TFM_RouterMACFilter::OnActionSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (Error.Code == 0)
        Edt_MACAddress->SetText("");  // before the walk: the list's bindings may fill it
    RereadAfterChange(Error, "Set Success", LV_MACFilter);
}

const char* const MacFilterNotReadText =
    "The MAC filter mode has not been read from the device. Close the form and open it again.";

void TFM_RouterMACFilter::Btn_ApplyClick(TObject* Sender)
{
    SaveMode(CB_Telnet, MacFilterNotReadText, "Set Ok!", "Set error!");
}

static const bool menuEntry = RegisterModalForm("MACFilter1", FM_RouterMACFilter);
