#include "Parentalcontrol.h"

#include "Catalogue.h"
#include "InputChecks.h"
#include "FormBuilder.h"
#include "KwSNMPRequest2Edits.h"
#include "ListCells.h"

TFM_ParentalCtr* FM_ParentalCtr = nullptr;

namespace {
const int MaxUrlLength = 40;
const int UrlColumn = 0;
}  // namespace

TFM_ParentalCtr::TFM_ParentalCtr(TComponent* Owner)
    : TRouterValueListForm(Owner, FormFrame("FM_ParentalCtr", "Advanced \\ Parental Control", FM_ParentalCtr))
{
    TFormBuilder build(this);
    TFormRows rows(build, TRowColumns{16, 170, 200});
    CB_ParentContrl = rows.Combo("Lb_ParentContrl", "Enabled Parental Control ", "CB_ParentContrl");
    CB_ParentContrl->OnChange = [this](TObject* S) { CB_ParentContrlChange(S); };
    const int urlTop = rows.Top();
    Edt_WebURL = rows.Edit("Lb_WebURL", "Website URL", "Edt_WebURL", MaxUrlLength);
    Btn_Add = build.Button("Btn_Add", "Add", 380, urlTop, [this](TObject* S) { Btn_AddClick(S); });
    Btn_Delect = build.Button("Btn_Delect", "Delete", 460, urlTop, [this](TObject* S) { Btn_DelectClick(S); });
    LV_WebURLUser = build.List("LV_WebURLUser", {{"ID", 40}, {"Website URL", 300}}, 16, rows.Top(), 520, 180);
    LV_WebURLUser->OnClick = [this](TObject* S) { LV_WebURLUserClick(S); };
    rows.Skip(190);
    LV_WebURL = FinishPage(build, LV_WebURLUser, "Website URL List", Btn_Delect, "LV_WebURL", {380, 460, rows.Top(), 552});
    Edt_WebURLDel = build.HiddenEdit("Edt_WebURLDel");
}

void TFM_ParentalCtr::FormCreate(TObject* Sender)
{
    try {
        CreateValueRequests({parantalControlStatusVars, parantalControlListIndexVars, parantalControlUrlAddVars,
                             parantalControlUrlDeleteVars},
                            CB_ParentContrl, "%s", Edt_WebURL, Edt_WebURLDel);
        DeleteRequest->Get();
        CB_ParentContrlChange(this);
    } catch (const std::exception& e) {
        StatusBar1->SetSimpleText(e.what());
    }
    Edt_WebURL->SetMaxLength(MaxUrlLength);
}

void TFM_ParentalCtr::CB_ParentContrlChange(TObject* Sender)
{
    OfferAdding(CB_ParentContrl, Edt_WebURL, Btn_Add);
}

void TFM_ParentalCtr::OnListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    if (ShowFailure(Error))
        return;
    ShowStatus("Get OK!");
    ShowKeyAndValue([](TListItem* row) { return !SubItemText(row, UrlColumn).IsEmpty(); });
    if (rows_->ShownCount() == 0 && ModeRequest && GroupRead(ModeRequest)) {
        // Nothing to control: the device is told so.
        CB_ParentContrl->SetItemIndex(DisabledItem);
        WriteGroup(ModeRequest);
        CB_ParentContrlChange(this);
    }
    EmptyAfterWalk(Edt_WebURL);
    Edt_WebURL->SetMaxLength(MaxUrlLength);
}

void TFM_ParentalCtr::OnActionGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    Btn_Apply->SetEnabled(true);
    TRouterValueListForm::OnActionGetDone(Sender, Error);
}

void TFM_ParentalCtr::OnActionSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    KwSNMPError outcome = Error;
    const TEarlierSets::TJudged judged =
        outcome.Code != 0 && Sender == AddRequest ? AddressTakenAfterAll(Error.Code) : TEarlierSets::TJudged::NotTaken;
    if (judged == TEarlierSets::TJudged::Taken)
        outcome = KwSNMPError();
    if (outcome.Code != 0 && Sender == AddRequest) {
        // The status the add wrote first goes back as the device had it: the device
        // never controls over a list without the address it refused. Where no reading
        // tells whether it took the address, nothing goes back (the verdict says so).
        if (judged != TEarlierSets::TJudged::NotKnown)
            AddToVerdict(statusBeforeAdd_.WriteBack(CaptionOf(Edt_WebURL)));
        CB_ParentContrlChange(this);
        ReportSave("", outcome.Message);
    } else if (RereadAfterChange(outcome, Sender == DeleteRequest ? "Delete OK!" : "Add OK!", LV_WebURLUser,
                                 "Refresh...", "Set error!")) {
        return;  // a status the device refused is said, through the list's re-read
    }
    Btn_Apply->SetEnabled(true);
}

TEarlierSets::TJudged TFM_ParentalCtr::AddressTakenAfterAll(int failure)
{
    // A lost answer: the device's list, walked now, tells whether it took the address.
    const AnsiString url = addedUrl_;
    return TEarlierSets::TakenAfterAll(AddRequest, failure, [&] {
        return TEarlierSets::WalkJudges(ListRequest, [&] { return TableHolds(UrlColumn, url); });
    });
}

bool TFM_ParentalCtr::CheckUrl()
{
    const AnsiString url = Edt_WebURL->Text();
    if (url.IsEmpty() || !IsAsciiText(url) || !IsHostNameText(url))
        return RefuseInput("Invalid Website URL!", "Warning", Edt_WebURL);
    // A host name is the same whatever the letter case it was typed in.
    if (TableHolds(UrlColumn, url))
        return RefuseInput("Reject: The URL has already exist ", "Warning");
    return true;
}

void TFM_ParentalCtr::Btn_AddClick(TObject* Sender)
{
    if (!AddRequest || !ModeRequest || !MayChangeRules())
        return;
    if (RefusedAsFull(false, MaxUrls, "Maximum Numbers of WebURL List is 10!")) {
        Edt_WebURL->SetText("");
        return;
    }
    if (CB_ParentContrl->ItemIndex() == DisabledItem)
        return;
    // Checked before anything is written: a refused address leaves the device as it was.
    if (!CheckUrl())
        return;
    // The status goes only when it was read and holds a value of its list; whatever its
    // outcome, the address goes too, and the verdict names a status the device refused
    // (a lost answer is judged by a read). Over a list that has entries the status
    // stands on its own; over an empty one it is for the address alone.
    BeginSave();
    statusBeforeAdd_.Clear();
    if (GroupRead(ModeRequest) && CB_ParentContrl->ItemIndex() >= 0) {
        if (rows_->ShownCount() == 0)
            statusBeforeAdd_.RecordVariables(parantalControlStatusVars, MVT_SV, CaptionOf(CB_ParentContrl),
                                             ModeRequest);
        if (!WriteGroup(ModeRequest))
            statusBeforeAdd_.TakenAfterAll(ModeRequest, parantalControlStatusVars, MVT_SV);
    }
    ShowStatus("");
    addedUrl_ = Edt_WebURL->Text();
    WriteGroup(AddRequest);
}

void TFM_ParentalCtr::LV_WebURLUserClick(TObject* Sender)
{
    // The entry's own table row, by its key.
    rows_->ChooseHiddenOfSelected();
}

void TFM_ParentalCtr::Btn_DelectClick(TObject* Sender)
{
    const AnsiString key = rows_->SelectedKey();
    if (!DeleteRequest || key.IsEmpty() || Edt_WebURL->Text().IsEmpty() || !MayChangeRules())
        return;
    if (Application->MessageBox("Are you sure that you want to delete this Website URL?", "Warning",
                                MB_OKCANCEL) != IDOK)
        return;
    Edt_WebURLDel->SetText(key);
    BeginSave();
    ShowStatus("");
    WriteWithoutReread(DeleteRequest);
}

const char* const ParentalNotReadText =
    "The parental control status has not been read from the device. Close the form and open it again.";

void TFM_ParentalCtr::Btn_ApplyClick(TObject* Sender)
{
    SaveMode(CB_ParentContrl, ParentalNotReadText, "Set OK!", "Set error!");
}

static const bool menuEntry = RegisterModalForm("ParentalControl1", FM_ParentalCtr);
