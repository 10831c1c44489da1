#pragma once
// The router's rule-list pages (Parental Control, Port Forwarding, MAC Filter,
// Firewall & DMZ): a device table with fixed rows, walked into a hidden list view (every
// row, free rows too, the row's key in its caption) and shown in a visible list of the
// rows in use. Each visible row keeps its table row's key, so Edit and Delete reach
// that row also when free rows lie between the rules. Every change the device accepts
// is followed by a fresh walk.
//
// What a page shares lives here: its frame, the hidden table with its index label, the
// Save and Cancel row and the status bar, the table request, the add/edit/delete flow
// and the count limit. Each page keeps its own controls, texts and checks.
#include "KeyedRows.h"
#include "SettingsFormBase.h"

#include <functional>
#include <memory>

class TFormBuilder;

class TRouterRuleForm : public TSettingsForm {
public:
    TButton* Btn_Add = nullptr;
    TButton* Btn_Apply = nullptr;
    TButton* Btn_Cancel = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TLabel* LA_Index = nullptr;  // key of the chosen table row

    virtual void FormCreate(TObject* Sender) = 0;
    virtual void Btn_AddClick(TObject* Sender) = 0;
    virtual void Btn_ApplyClick(TObject* Sender) = 0;
    void Btn_CancelClick(TObject* Sender) { Close(); }

protected:
    TRouterRuleForm(TComponent* Owner, const TFormFrame& frame);

    // Placement of the page's last row: Save and Cancel at `top`, the client width.
    struct TFooter {
        int saveLeft;
        int cancelLeft;
        int top;
        int width;
    };
    // Save, Cancel, the status bar and the hidden table list `tableName` tied to the
    // visible list `shown`, which the notes call `listName` and whose chosen row
    // `del` deletes (offered only while one is chosen); sizes the form. Returns the
    // hidden list.
    TListView* FinishPage(TFormBuilder& build, TListView* shown, const char* listName, TButton* del,
                          const char* tableName, const TFooter& footer);

    // The table request: walked into the hidden list, keys into LA_Index, `readDone`
    // after each walk (a failed one too), read again on a press that finds it unread,
    // whose presses act on `target` (EditedRule, or no chosen entry). Further bindings
    // are the page's.
    KwSNMPRequest2Edits* RuleTableRequest(const KwSNMPVar* vars, int timeout, const KwSNMPDoneEvent& readDone,
                                          TPressTarget target);
    // What the presses of a page with Edit act on: the rule being edited, else the one
    // chosen in the visible list; brought back by the row's click and, where it was
    // being edited, the page's Edit press (EditsWith).
    TPressTarget EditedRule();
    // A request writing one action variable (add or delete) from `edit`.
    KwSNMPRequest2Edits* ActionRequest(const KwSNMPVar* vars, KwSNMPItemType itemType, const char* format,
                                       TEdit* edit, const KwSNMPDoneEvent& setDone,
                                       const KwSNMPDoneEvent& getDone = nullptr);
    // One change of the table at a time: refused (MayChangeTable) while the walk or a
    // write of the table (the action requests, `alsoWritten`) is outstanding, and until
    // the table was walked.
    bool MayChangeRules(const TRequests& alsoWritten = {});
    // A list switched by a mode combo: adding is offered unless it stands at item 0.
    static void OfferAdding(const TComboBox* mode, TEdit* edit, TButton* add);

    // A change's done handler: a failure is the verdict (ReportSave) and false returned; a success shows
    // `okText` (or the page's `progress` while the walk is out: ReportSaved), empties
    // `emptied` (when given) and walks the table again. Where an earlier set of the
    // change failed, `errorText` (when given) is the verdict (ReportWrite).
    bool RereadAfterChange(const KwSNMPError& error, const AnsiString& okText, TListView* emptied = nullptr,
                           const AnsiString& progress = AnsiString(), const AnsiString& errorText = AnsiString());

    // A new entry while the list shows `limit` (and no rule is being edited): refused
    // with `text`, caption "Waring". True when refused.
    bool RefusedAsFull(bool editing, int limit, const AnsiString& text);
    // Add of a rule table: true when the rule may be written: MayChangeRules, not refused as full, the
    // page's `checks` passed, and a row to write found: the rule chosen by Edit, or the
    // first free row (its key goes to LA_Index). A table without a free row takes no new
    // rule: refused with `fullText` ("Waring"), so no rule is written over.
    bool ReadyToWrite(bool editing, int limit, const AnsiString& fullText, const TRowTest& isFree,
                      const std::function<bool()>& checks);
    // Edit: the chosen rule's own row (its values fill the controls); `editing` on.
    bool ChooseRuleToEdit(bool& editing);
    // After a walk: the first free row chosen (the row Add writes; its values fill the
    // bindings), `cleared` emptied, "Get OK!", nothing being edited. Returns that row.
    TListItem* ResetAfterWalk(const TRowTest& isFree, std::initializer_list<TEdit*> cleared, bool& editing);
    // The key of the rule chosen in the visible list while the table still has it, else "".
    AnsiString ChosenRuleKey() const;
    // Delete (when MayChangeRules): the chosen rule (never the table's free row) is chosen as Edit does
    // (`edit`), its key written to `keyEdit` and sent by `request`, without a re-read.
    void DeleteChosenRule(KwSNMPRequest2Edits* request, TEdit* keyEdit, const std::function<void()>& edit);
    // Whether a table row holds `text` in sub-item `column`, whatever its letter case.
    bool TableHolds(int column, const AnsiString& text) const;
    // The visible list of a one-value table: key and the value of sub-item 0, for the
    // rows `inUse` accepts.
    void ShowKeyAndValue(const TRowTest& inUse);

    TListView* ruleTable_ = nullptr;
    KwSNMPRequest2Edits* ruleRequest_ = nullptr;
    TRequests actionRequests_;
    std::unique_ptr<TKeyedRows> rows_;
    AnsiString editKey_;  // the table row Edit chose
    bool editedBeforeWalk_ = false;  // a rule was being edited when the last walk ended
    std::function<void()> edit_;   // the page's Edit press (EditsWith)
    // The page's Edit press: after a press found the list unread and it was read again,
    // the rule the user was editing is edited again as that press does.
    void EditsWith(std::function<void()> edit) { edit_ = std::move(edit); }
};

// A list of single values (web addresses, MAC addresses) switched on and off by a mode
// combo and changed one value at a time through the device's Add and Delete action
// variables.
class TRouterValueListForm : public TRouterRuleForm {
public:
    // Built by FormCreate (CreateValueRequests), owned by the form.
    KwSNMPRequest2Edits* ModeRequest = nullptr;    // the list's switch
    KwSNMPRequest2Edits* ListRequest = nullptr;    // the table
    KwSNMPRequest2Edits* AddRequest = nullptr;     // the Add action variable
    KwSNMPRequest2Edits* DeleteRequest = nullptr;  // the Delete action variable

protected:
    using TRouterRuleForm::TRouterRuleForm;
    static const int DisabledItem = 0;  // of the mode combo

    struct TValueListVars {
        const KwSNMPVar* Mode;
        const KwSNMPVar* List;
        const KwSNMPVar* Add;
        const KwSNMPVar* Delete;
    };
    // The mode bound to `mode` and read; the table walked, its value column bound to
    // `value` in `format` ("%s", "%h"); Add sending `value`, Delete `deleted`.
    void CreateValueRequests(const TValueListVars& vars, TComboBox* mode, const char* format, TEdit* value,
                             TEdit* deleted);

    // Save: the mode written from its combo, `okText` or `errorText` after. Refused with
    // `notReadText` (caption "Error") until the device has given a mode.
    void SaveMode(TComboBox* mode, const char* notReadText, const AnsiString& okText,
                  const AnsiString& errorText);

    // After a walk of the list: `value` shows no value, and the user's next typing there
    // changes that blank, not what the edit showed while the walk was out.
    void EmptyAfterWalk(TEdit* value);

    virtual void OnListDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error) = 0;
    virtual void OnActionSetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error) = 0;
    virtual void OnActionGetDone(KwSNMPRequest2Controls* Sender, KwSNMPError& Error);
};
