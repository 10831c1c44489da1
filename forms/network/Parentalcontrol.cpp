#include "Parentalcontrol.h"

#include "Catalogue.h"
#include "FormBuilder.h"
#include "InputChecks.h"
#include "KwSNMPRequest2Edits.h"

TFM_ParentalCtr* FM_ParentalCtr = nullptr;

namespace {
const int DisableItem = 0;
const int MaxUrlLength = 40;

AnsiString UrlOf(TListItem* row)
{
    return row->SubItems()->Count() > 0 ? row->SubItems()->Strings(0) : AnsiString();
}
}  // namespace

TFM_ParentalCtr::TFM_ParentalCtr(TComponent* Owner) : TSettingsForm(Owner)
{
    SetName("FM_ParentalCtr");
    SetCaption("Advanced \\ Parental Control");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(poMainFormCenter);

    TFormBuilder build(this);
    TFormRows rows(build, TRowColumns{16, 170, 200});
    CB_ParentContrl = rows.Combo("Lb_ParentContrl", "Enabled Parental Control ", "CB_ParentContrl");
    CB_ParentContrl->OnChange = [this](TObject* S) { CB_ParentContrlChange(S); };
    const int urlTop = rows.Top();
    Edt_WebURL = rows.Edit("Lb_WebURL", "Website URL", "Edt_WebURL", MaxUrlLength);
    Btn_Add = build.Button("Btn_Add", "Add", 380, urlTop, [this](TObject* S) { Btn_AddClick(S); });
    Btn_Delect = build.Button("Btn_Delect", "Delete", 460, urlTop, [this](TObject* S) { Btn_DelectClick(S); });
    LV_WebURLUser = build.List("LV_WebURLUser", {{"ID", 40}, {"Website URL", 300}}, 16, rows.Top(), 520, 180);
    LV_WebURLUser->SetGridLines(true);
    LV_WebURLUser->OnClick = [this](TObject* S) { LV_WebURLUserClick(S); };
    rows.Skip(190);
    Btn_Apply = build.Button("Btn_Apply", "Save", 380, rows.Top(), [this](TObject* S) { Btn_ApplyClick(S); });
    Btn_Cancel = build.Button("Btn_Cancel", "Cancel", 460, rows.Top(), [this](TObject* S) { Btn_CancelClick(S); });
    StatusBar1 = build.StatusBar("StatusBar1", {50});
    SetStatusBar(StatusBar1);
    LV_WebURL = build.HiddenList("LV_WebURL", 0);
    LA_Index = build.Label("LA_Index", "", 0, 0);
    LA_Index->SetVisible(false);
    Edt_WebURLDel = build.HiddenEdit("Edt_WebURLDel");
    rows_ = std::make_unique<TKeyedRows>(LV_WebURL, LV_WebURLUser);
    SetClientWidth(552);
    SetClientHeight(rows.Top() + TFormBuilder::ButtonHeight + 12 + 20);

    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

TFM_ParentalCtr::~TFM_ParentalCtr()
{
    if (FM_ParentalCtr == this)
        FM_ParentalCtr = nullptr;
}

void TFM_ParentalCtr::FormCreate(TObject* Sender)
{
    try {
        UrlStatusRequest = GroupRequest(parantalControlStatusVars, MVT_SV, 0, 10000, 0);
        UrlStatusRequest->BindComboBox(0, CB_ParentContrl);
        ReadGroup(UrlStatusRequest);

        UrlListRequest = GroupRequest(parantalControlListIndexVars, MVT_UMV, 1, 10000, 1);
        UrlListRequest->BindListView(LV_WebURL, true);
        UrlListRequest->BindLabel(0, LA_Index);
        UrlListRequest->BindFormat(1, "%s", Edt_WebURL);
        UrlListRequest->OnGetDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnListDone(S, E); };
        UrlListRequest->Get();

        const KwSNMPDoneEvent getDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnActionGetDone(S, E); };
        const KwSNMPDoneEvent setDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnActionSetDone(S, E); };
        UrlAddRequest = GroupRequest(parantalControlUrlAddVars, MVT_SV, 0, 10000, 1);
        UrlAddRequest->BindFormat(0, "%s", Edt_WebURL);
        UrlAddRequest->OnGetDone = getDone;
        UrlAddRequest->OnSetDone = setDone;
        UrlDeleteRequest = GroupRequest(parantalControlUrlDeleteVars, MVT_SV, 0, 10000, 1);
        UrlDeleteRequest->BindFormat(0, "%s", Edt_WebURLDel);
        UrlDeleteRequest->OnGetDone = getDone;
        UrlDeleteRequest->OnSetDone = setDone;
        UrlDeleteRequest->Get();
        CB_ParentContrlChange(this);
    } catch (const std::exception& e) {
        StatusBar1->SetSimpleText(e.what());
    }
    Edt_WebURL->SetMaxLength(MaxUrlLength);
}

void TFM_ParentalCtr::CB_ParentContrlChange(TObject* Sender)
{
    const bool on = CB_ParentContrl->ItemIndex() != DisableItem;
    Edt_WebURL->SetEnabled(on);
    Btn_Add->SetEnabled(on);
}

void TFM_ParentalCtr::OnListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error))
        return;
    ShowStatus("Get OK!");
    rows_->Fill([](TListItem* row) { return !UrlOf(row).IsEmpty(); },
                [](TListItem* row, TListItem* shown) {
                    shown->SetCaption(row->Caption());
                    shown->SubItems()->Add(UrlOf(row));
                });
    if (rows_->ShownCount() == 0 && UrlStatusRequest && GroupRead(UrlStatusRequest)) {
        // Nothing to control: the device is told so.
        CB_ParentContrl->SetItemIndex(DisableItem);
        UrlStatusRequest->Set(true, true, "", nullptr);
        CB_ParentContrlChange(this);
    }
    Edt_WebURL->SetText("");
    Edt_WebURL->SetMaxLength(MaxUrlLength);
}

void TFM_ParentalCtr::OnActionGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    Btn_Apply->SetEnabled(true);
    Btn_Delect->SetEnabled(true);
    ShowStatus(Error.Code != 0 ? Error.Message : AnsiString("Get OK!"));
}

void TFM_ParentalCtr::OnActionSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error)) {
        Btn_Apply->SetEnabled(true);
        Btn_Delect->SetEnabled(true);
        return;
    }
    ShowStatus("Refresh...");
    LV_WebURLUser->Items()->Clear();
    UrlListRequest->Get();
}

bool TFM_ParentalCtr::CheckUrl()
{
    const AnsiString url = Edt_WebURL->Text();
    if (url.IsEmpty() || !IsAsciiText(url) || !IsHostNameText(url))
        return RefuseInput("Invalid Website URL!", "Warning", Edt_WebURL);
    // A host name is the same whatever the letter case it was typed in.
    const AnsiString wanted = url.UpperCase();
    if (rows_->FirstHiddenRow([&wanted](TListItem* row) { return UrlOf(row).UpperCase() == wanted; }))
        return RefuseInput("Reject: The URL has already exist ", "Warning");
    return true;
}

void TFM_ParentalCtr::Btn_AddClick(TObject* Sender)
{
    if (!UrlAddRequest || !UrlStatusRequest)
        return;
    if (rows_->ShownCount() >= MaxUrls) {
        RefuseInput("Maximum Numbers of WebURL List is 10!", "Waring");
        Edt_WebURL->SetText("");
        return;
    }
    if (CB_ParentContrl->ItemIndex() == DisableItem)
        return;
    // Checked before anything is written: a refused address leaves the device as it was.
    if (!CheckUrl())
        return;
    UrlStatusRequest->Set(true, true, "", nullptr);
    ShowStatus("");
    UrlAddRequest->Set(true, true, "", nullptr);
}

void TFM_ParentalCtr::LV_WebURLUserClick(TObject* Sender)
{
    // The entry's own table row, by its key.
    rows_->ChooseHiddenOfSelected();
}

void TFM_ParentalCtr::Btn_DelectClick(TObject* Sender)
{
    const AnsiString key = rows_->SelectedKey();
    if (!UrlDeleteRequest || key.IsEmpty() || Edt_WebURL->Text().IsEmpty())
        return;
    if (Application->MessageBox("Are you sure that you want to delete this Website URL?", "Warning",
                                MB_OKCANCEL) != IDOK)
        return;
    Edt_WebURLDel->SetText(key);
    ShowStatus("");
    UrlDeleteRequest->Set(false, true, "", nullptr);
}

void TFM_ParentalCtr::Btn_ApplyClick(TObject* Sender)
{
    if (!UrlStatusRequest || CB_ParentContrl->ItemIndex() < 0)
        return;  // the status was never read: there is nothing to write back
    ShowStatus(UrlStatusRequest->Set(true, true, "", nullptr) ? "Set OK!" : "Set error!");
}

void TFM_ParentalCtr::Btn_CancelClick(TObject* Sender) { Close(); }
