#include "RouterRuleForm.h"

#include "ChosenRowButton.h"
#include "FormBuilder.h"
#include "InputChecks.h"
#include "KwSNMPRequest2Edits.h"
#include "ListCells.h"

TRouterRuleForm::TRouterRuleForm(TComponent* Owner, const TFormFrame& frame) : TSettingsForm(Owner, frame)
{
    OnCreate = ReadSequence([this](TObject* Sender) { FormCreate(Sender); });
}

TListView* TRouterRuleForm::FinishPage(TFormBuilder& build, TListView* shown, const char* listName, TButton* del,
                                       const char* tableName, const TFooter& footer)
{
    shown->SetGridLines(true);
    NameControl(shown, listName);
    EnableWhileRowChosen(del, shown);
    Btn_Apply = build.Button("Btn_Apply", "Save", footer.saveLeft, footer.top, [this](TObject* S) { Btn_ApplyClick(S); });
    Btn_Cancel = build.Button("Btn_Cancel", "Cancel", footer.cancelLeft, footer.top,
                              [this](TObject* S) { Btn_CancelClick(S); });
    StatusBar1 = build.StatusBar("StatusBar1", {50});
    SetStatusBar(StatusBar1);
    ruleTable_ = build.HiddenList(tableName, 0);
    LA_Index = build.Label("LA_Index", "", 0, 0);
    LA_Index->SetVisible(false);
    rows_ = std::make_unique<TKeyedRows>(ruleTable_, shown);
    SetClientWidth(footer.width);
    FitClientHeight();
    return ruleTable_;
}

KwSNMPRequest2Edits* TRouterRuleForm::RuleTableRequest(const KwSNMPVar* vars, int timeout,
                                                       const KwSNMPDoneEvent& readDone, TPressTarget target)
{
    ruleRequest_ = GroupRequest(vars, MVT_UMV, 1, timeout, 1);
    ruleRequest_->BindListView(ruleTable_, true);
    ruleRequest_->ShowsRowsIn(rows_->Shown());
    ruleRequest_->BindLabel(0, LA_Index);
    ruleRequest_->OnGetDone = readDone;
    ReadAgainOnPress({ruleRequest_}, std::move(target));
    return ruleRequest_;
}

KwSNMPRequest2Edits* TRouterRuleForm::ActionRequest(const KwSNMPVar* vars, KwSNMPItemType itemType,
                                                    const char* format, TEdit* edit, const KwSNMPDoneEvent& setDone,
                                                    const KwSNMPDoneEvent& getDone)
{
    KwSNMPRequest2Edits* request = GroupRequest(vars, itemType, 0, 10000, 1);
    request->BindFormat(0, format, edit);
    request->OnSetDone = setDone;
    request->OnGetDone = getDone;
    actionRequests_.push_back(request);
    return request;
}

void TRouterRuleForm::OfferAdding(const TComboBox* mode, TEdit* edit, TButton* add)
{
    const bool on = mode->ItemIndex() != 0;
    edit->SetEnabled(on);
    add->SetEnabled(on);
}

bool TRouterRuleForm::RereadAfterChange(const KwSNMPError& error, const AnsiString& okText, TListView* emptied,
                                        const AnsiString& progress, const AnsiString& errorText)
{
    // A refused change names what the user typed and the device did not take.
    if (error.Code != 0)
        return ReportSave("", error.Message);
    if (emptied)
        emptied->Items()->Clear();
    ruleRequest_->Get();
    // The write's verdict, which a failed walk keeps.
    if (errorText.IsEmpty())
        ReportSaved(okText, progress);
    else
        ReportWrite(okText, errorText, progress);
    return true;
}

bool TRouterRuleForm::MayChangeRules(const TRequests& alsoWritten)
{
    TRequests requests = {ruleRequest_};
    requests.insert(requests.end(), actionRequests_.begin(), actionRequests_.end());
    requests.insert(requests.end(), alsoWritten.begin(), alsoWritten.end());
    return MayChangeTable(requests);
}

bool TRouterRuleForm::RefusedAsFull(bool editing, int limit, const AnsiString& text)
{
    if (editing || rows_->ShownCount() < limit)
        return false;
    RefuseInput(text, "Waring");
    return true;
}

bool TRouterRuleForm::ReadyToWrite(bool editing, int limit, const AnsiString& fullText, const TRowTest& isFree,
                                   const std::function<bool()>& checks)
{
    if (!MayChangeRules() || RefusedAsFull(editing, limit, fullText) || !checks())
        return false;
    TListItem* target = editing ? rows_->HiddenRow(editKey_) : rows_->FirstHiddenRow(isFree);
    if (!target)
        return RefuseInput(fullText, "Waring");
    LA_Index->SetCaption(target->Caption());
    BeginSave();
    ShowStatus("");
    return true;
}

bool TRouterRuleForm::ChooseRuleToEdit(bool& editing)
{
    if (!rows_->ChooseHiddenOfSelected())
        return false;
    editKey_ = rows_->SelectedKey();
    editing = true;
    return true;
}

TPressTarget TRouterRuleForm::EditedRule()
{
    TPressTarget target{rows_->Shown(), [this] { return !editKey_.IsEmpty() || !ChosenRuleKey().IsEmpty(); }};
    target.row = [this]() -> TListItem* {
        if (editKey_.IsEmpty())
            return rows_->Shown()->Selected();
        for (int i = 0; i < rows_->ShownCount(); ++i)
            if (rows_->KeyOf(i) == editKey_)
                return rows_->Shown()->Items()->Item(i);
        return nullptr;
    };
    target.bringBack = [this](TListItem* row) {
        rows_->Shown()->SetSelected(row);
        rows_->Shown()->Click();
        if (editedBeforeWalk_ && edit_)
            edit_();
    };
    return target;
}

TListItem* TRouterRuleForm::ResetAfterWalk(const TRowTest& isFree, std::initializer_list<TEdit*> cleared,
                                           bool& editing)
{
    TListItem* free = rows_->FirstHiddenRow(isFree);
    ruleTable_->SetSelected(free);
    for (TEdit* edit : cleared)
        edit->SetText("");
    ShowStatus("Get OK!");
    editing = false;
    editedBeforeWalk_ = !editKey_.IsEmpty();
    editKey_ = "";
    return free;
}

AnsiString TRouterRuleForm::ChosenRuleKey() const
{
    const AnsiString key = rows_->SelectedKey();
    return !key.IsEmpty() && rows_->HiddenRow(key) ? key : AnsiString();
}

void TRouterRuleForm::DeleteChosenRule(KwSNMPRequest2Edits* request, TEdit* keyEdit,
                                       const std::function<void()>& edit)
{
    if (!request || !MayChangeRules())
        return;  // an unread list is read first, the rule chosen again
    const AnsiString key = ChosenRuleKey();
    if (key.IsEmpty())
        return;
    edit();
    keyEdit->SetText(key);
    BeginSave();
    ShowStatus("");
    WriteWithoutReread(request);
}

bool TRouterRuleForm::TableHolds(int column, const AnsiString& text) const
{
    const AnsiString wanted = text.UpperCase();
    return rows_->FirstHiddenRow([&](TListItem* row) { return SubItemText(row, column).UpperCase() == wanted; });
}

void TRouterRuleForm::ShowKeyAndValue(const TRowTest& inUse)
{
    rows_->Fill(inUse, [](TListItem* row, TListItem* shown) {
        shown->SetCaption(row->Caption());
        shown->SubItems()->Add(SubItemText(row, 0));
    });
}

void TRouterValueListForm::CreateValueRequests(const TValueListVars& vars, TComboBox* mode, const char* format,
                                               TEdit* value, TEdit* deleted)
{
    ModeRequest = GroupRequest(vars.Mode, MVT_SV, 0, 10000, 0);
    ModeRequest->BindComboBox(0, mode);
    ReadGroup(ModeRequest);

    // Add and Delete act on the value typed in the editor, which a click on a row fills.
    ListRequest = RuleTableRequest(vars.List, 10000, [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnListDone(S, E); },
                                   TPressTarget::NoChosenEntry());
    ListRequest->BindFormat(1, format, value);
    ListRequest->Get();

    const KwSNMPDoneEvent getDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnActionGetDone(S, E); };
    const KwSNMPDoneEvent setDone = [this](KwSNMPRequest2Controls* S, KwSNMPError& E) { OnActionSetDone(S, E); };
    AddRequest = ActionRequest(vars.Add, MVT_SV, format, value, setDone, getDone);
    DeleteRequest = ActionRequest(vars.Delete, MVT_SV, format, deleted, setDone, getDone);
}

void TRouterValueListForm::EmptyAfterWalk(TEdit* value)
{
    value->SetText("");
    ListRequest->Settle(value);
}

void TRouterValueListForm::SaveMode(TComboBox* mode, const char* notReadText, const AnsiString& okText,
                                    const AnsiString& errorText)
{
    const TSaveGuardTexts guard = {notReadText, notReadText, "Error"};
    if (!MaySave({ModeRequest}, guard))
        return;
    // The mode is all Save writes: nothing goes out until the user chooses one.
    if (mode->ItemIndex() < 0)
        return void(RefuseUnshownSwitch(mode));
    BeginSave();
    WriteGroup(ModeRequest);
    ReportSave(okText, errorText);
}

void TRouterValueListForm::OnActionGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error)
{
    ShowStatus(Error.Code != 0 ? Error.Message : AnsiString("Get OK!"));
}
