#pragma once
// The request object that every settings form creates: a KwSNMPRequest2Controls whose
// variables are bound to labels, check boxes, combo boxes, radio groups, groups of
// edits, bit check boxes or (for a walked table) a list view. After every reply the
// bound controls show the values; before every set they are read back.
//
// Values written into constrained edits by a read count as accepted input, so a later
// refused entry restores the device's value. Destroying the request gives the list
// view and the edits their own handlers back.
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ComCtrls.h"
#include "KwControlBinding.h"
#include "KwEditConstraint.h"
#include "KwSNMPRequest2Controls.h"
#include "KwWidgetGuard.h"

class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;

// True when the binding's controls show no choice for the variable's value (see
// ControlsToVars): there is nothing to read back from them.
bool KwShowsNoChoice(const KwControlBinding& binding);
// What a control shows, as one text to compare (the text, the state of a check box, the
// item of a combo box or radio group).
AnsiString KwShownState(const TControl* control);

class KwSNMPRequest2Edits : public KwSNMPRequest2Controls {
public:
    explicit KwSNMPRequest2Edits(TComponent* owner);
    ~KwSNMPRequest2Edits() override;

    std::function<void()> OnBeforeGet;
    std::function<void()> OnBeforeSet;
    std::function<void()> OnAfterGet;
    std::function<void()> OnAfterSet;

    TListView* ListView = nullptr;
    std::vector<std::unique_ptr<KwControlBinding>> Bindings;
    std::unique_ptr<KwEditConstraint> Constraints;
    bool AutoEnable = true;
    // False while the form writes what it may still take back (a switch written as the
    // user turns it): such a set leaves what the device holds, as far as the form's
    // baseline goes, as it was (DiffersFromDevice, UserChangedBindings).
    bool SetsSettle = true;
    // True while a read leaves each control the user changed since its variable was last
    // read or written as the user left it: the read neither shows the device's value there
    // nor settles it, so the change stays named as not saved (UserChangedBindings). Where
    // the read returned what the control shows, the device holds the change: the control
    // is settled.
    bool ReadsKeepUserChanges = false;

    void BindLabel(int varIndex, TControl* label);
    void BindCheckBox(int varIndex, TControl* checkBox);
    void BindComboBox(int varIndex, TComboBox* comboBox);
    // One edit per specifier of the format, each constrained by its specifier. The
    // format must be made of specifiers alone (-2 otherwise, nothing bound).
    void BindFormat(int varIndex, const AnsiString& format, const std::vector<TEdit*>& edits);
    template <class... More>
    void BindFormat(int varIndex, const AnsiString& format, TEdit* first, More*... more)
    {
        BindFormat(varIndex, format, std::vector<TEdit*>{first, more...});
    }
    // Bits "0,1,2" of the variable's raw image to check boxes, in order.
    void BindBits(int varIndex, const AnsiString& bits, const std::vector<TCheckBox*>& boxes);
    void BindListView(TListView* listView, bool autoEnable);
    void Unbind(int varIndex);
    // Drops every binding made after the first `kept` ones (what a construction that
    // failed part-way had bound to controls it frees again).
    void DropBindingsAfter(std::size_t kept);
    void SetConstraintOwner(TComponent* owner);

    // One binding: offset, part syntax, own option list, one or two controls.
    void AddBinding(int varIndex, int partIndex, int syntax, KwOptionList* options,
                    TControl* first, TControl* second = nullptr);

    void VarsToControls(int varIndex);
    // Reads the controls back into the variables. A variable whose combo box or radio
    // group shows no choice, whose check box is grayed (the device's value is outside
    // the option list or of another type), or whose edit still shows "(NULL)" (no value
    // of its type) or a value marked untakable is left out of the coming set: a value
    // the form cannot show or take is never written back.
    void ControlsToVars(int varIndex);
    void EnableControls(bool enable);

    // The bindings of writable variables whose controls show no choice for the
    // device's value: sets keep those variables as the device has them.
    std::vector<const KwControlBinding*> KeptBindings() const;
    // The bound control shows a device value the form cannot take (`untakable`), or one
    // it can. While it still shows that value, its binding counts as showing no choice:
    // kept, as an edit showing "(NULL)" is, until the user changes it.
    void SetUntakable(const TControl* control, bool untakable);
    // The bindings with a control the user changed that no longer shows what it showed
    // when its variable was last read or written successfully (a change put back is no
    // change).
    std::vector<const KwControlBinding*> UserChangedBindings() const;
    // True when the bound control shows other than what the device holds as far as this
    // request knows: what the control showed after the last successful read of its
    // variable or the last successful write of it (false for a control this request does
    // not bind, or before any read). The same baseline says what the user changed.
    bool DiffersFromDevice(const TControl* control) const;
    // The control shows what the device holds now (a form put the device's value into
    // it in its own way after a read or write).
    void Settle(const TControl* control);
    // True once a read of the control's variable has succeeded: what it settled is then
    // the device's value.
    bool KnowsDeviceValue(const TControl* control) const { return read_.count(control) > 0; }
    // Every Settle, of any request, takes the next number of one count: what a form
    // learned of the device later has the higher number. The last number given.
    static unsigned long LastSettleNumber();
    // What the control showed when this request last settled it, if that was after
    // `number` (LastSettleNumber then), which then becomes that settle's number; null
    // otherwise.
    const AnsiString* SettledAfter(const TControl* control, unsigned long& number) const;
    // The control shows a choice of the form's own in place of the device's value (a
    // switch mirroring another): the user putting it back to that is no change either,
    // until the control's variable is next read or written.
    void ShownByForm(const TControl* control);

    // List view side.
    // `shown` lists rows the form makes from this walk's rows (the rules in use): a walk
    // that fails empties it, as it empties its own list view, so that neither shows a
    // row the walk did not read to the table's end.
    void ShowsRowsIn(TListView* shown) { shownLists_.push_back(shown); }
    const std::vector<TListView*>& ShownLists() const { return shownLists_; }
    void BuildListColumns();
    void AddListRow();
    void SelectedRowToVars();
    // Variables in column order: hidden columns first, then visible ones.
    std::vector<int> ColumnVariables() const;
    virtual void ListViewSelectItem(TObject* sender, TListItem* item, bool selected);

    void BeforeGet() override;
    void BeforeSet() override;
    void OnResponse() override;
    void ReadControls() override;
    void AfterGet() override;
    void AfterSet() override;
    void CycleEnded(KwCycleKind kind, bool ok) override;

private:
    // The variable a binding names; raises -12 when the list has no such variable.
    const KwSNMPVar& BoundVariable(int varIndex) const;
    void ShowBinding(const KwControlBinding& binding);
    void KeepBinding(std::unique_ptr<KwControlBinding> binding);
    AnsiString ReadPart(const KwControlBinding& binding, KwOptionList* options);
    void ShowInEdits(const KwControlBinding& binding, const AnsiString& text, const AnsiString& raw);
    AnsiString JoinEdits(const KwControlBinding& binding);
    void SetEditText(TControl* control, const AnsiString& text);
    KwOptionList* OptionsInForce(const KwControlBinding& binding) const;
    // The binding shows no choice (KwShowsNoChoice), or a control of it still shows the
    // untakable value it was marked with.
    bool KeepsDeviceValue(const KwControlBinding& binding) const;
    // A control of the binding was changed by the user since it was last settled.
    bool UserChanged(const KwControlBinding& binding) const;
    // The raw image of what the binding's controls show (as ControlsToVars reads them).
    std::string ShownRaw(const KwControlBinding& binding);
    // The binding's controls show what its variable now holds, as read.
    bool ShowsReadValue(const KwControlBinding& binding);
    // A read leaves the binding as the user left it (ReadsKeepUserChanges).
    bool KeptFromRead(const KwControlBinding& binding) const { return ReadsKeepUserChanges && UserChanged(binding); }

    // What a bound control showed when its variable was last read or written
    // successfully, and the user's count of changes then.
    struct Settled {
        unsigned Changes = 0;
        AnsiString Shown;
        unsigned long Number = 0;  // LastSettleNumber when settled
    };
    std::map<const TControl*, Settled> settled_;
    // What a bound control showed when the form put its own choice into it (ShownByForm).
    std::map<const TControl*, AnsiString> shownByForm_;
    // The bound controls whose variable was read successfully at least once.
    std::set<const TControl*> read_;
    // What a bound control showed when marked untakable.
    std::map<const TControl*, AnsiString> untakable_;
    std::vector<TListView*> shownLists_;  // ShowsRowsIn
    TLVSelectItemEvent savedSelectItem_;
    KwWidgetGuard listViewAlive_;
};
