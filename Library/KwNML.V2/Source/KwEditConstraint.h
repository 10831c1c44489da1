#pragma once
// Input discipline for single-line edits: which characters may be typed, how long
// the text may be, which range a number must lie in, and a character or a full
// length that moves on to the next control. Installs its own OnChange and OnExit on
// each constrained edit and calls the handlers the edit had before.
//
// A handler chained from here refuses the text by setting the edit's Tag to -1; the
// Tag gets its earlier value back afterwards, so one refusal never sticks to later input.
//
// Lifetime: removing an edit, or destroying the constraint object, gives every edit
// that still exists its own handlers back; handlers left behind in a destroyed edit
// or after the object has gone do nothing.
#include <memory>
#include <vector>

#include "Classes.h"
#include "KwEditSpecifier.h"
#include "KwWidgetGuard.h"

class TEdit;

struct _EditConstraint_s {
    TEdit* Edit = nullptr;
    KwEditSpecifier Format;
    AnsiString AcceptedText;  // last text accepted on leaving the edit
    TNotifyEvent SavedChange;
    TNotifyEvent SavedExit;
    KwWidgetGuard Alive;      // empty once the edit is destroyed
};

class KwEditConstraint {
public:
    KwEditConstraint(TComponent* owner, unsigned char rememberText);
    ~KwEditConstraint();
    KwEditConstraint(const KwEditConstraint&) = delete;
    KwEditConstraint& operator=(const KwEditConstraint&) = delete;

    unsigned char RememberText;

    // Attaches the k-th specifier of the format to the k-th edit. The whole format
    // is checked first (-2), and fewer edits than specifiers raise -522: on failure
    // no edit is touched.
    void Add(const AnsiString& format, const std::vector<TEdit*>& edits);
    // One specifier to one edit; raises -2 for a bad specifier.
    void Attach(const AnsiString& specifier, TEdit* edit);
    void Remove(TEdit* edit);
    _EditConstraint_s* Find(TEdit* edit) const;
    // The edit's current text becomes its accepted text (the value a refusal restores).
    void SaveText(TEdit* edit);
    void SetOwner(TComponent* owner) { owner_ = owner; }
    TComponent* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(records_.size()); }

    void EditChange(TObject* sender);
    void EditExit(TObject* sender);

private:
    void AttachParsed(const KwEditSpecifier& specifier, TEdit* edit);
    void MoveToNextControl();
    void Refuse(_EditConstraint_s& record, int code, const AnsiString& message);
    // Calls a chained handler (a copy: the handler may remove the edit's record, and
    // with it the handler itself); true when it refused the text (Tag -1).
    bool ChainRefused(TNotifyEvent handler, TEdit* edit);

    TComponent* owner_;
    std::vector<std::unique_ptr<_EditConstraint_s>> records_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    bool refusing_ = false;  // a refusal's message box is up
};
