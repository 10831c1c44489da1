#pragma once
// The base of every settings form that the main menu opens.
//
// How a form is made (Home / Information, forms/admin/Information.*, is the model):
// - The constructor builds the controls with TFormBuilder / TFormRows, one call per
//   control of the form's design, and sets OnCreate = ReadSequence(FormCreate).
// - FormCreate builds one request per catalogue group with GroupRequest (owned by the
//   form), binds the controls, and reads the groups the page shows.
// - Refresh buttons are wrapped in ReadSequence as well, so that a silent device costs
//   one time-out per sequence, not one per synchronous read.
// - Save first asks MaySave for each group it writes back: never before the group was
//   read successfully, never while a read of it is outstanding.
// - Input checks and refusals come from FormInputChecks.h; results go to ShowStatus.
//
// Lifetime: the requests (and timers, TFTP servers, any non-visual component) have the
// form as owner. Deleting the form deletes them first, while every control still exists,
// and a request being deleted cancels what it has outstanding: no reply, time-out or
// done handler ever reaches a closed form. Forms therefore need no destructor of their
// own for their requests; the only thing left for a destructor is the form's global
// pointer, which the menu's opener (RunModalForm) already sets back to null.
#include "KwSNMPRequest2Edits.h"
#include "SettingsForm.h"
#include "vcl.h"

#include <map>

// What MaySave says when it refuses.
struct TSaveGuardTexts {
    const char* NotRead;      // the group has not been read successfully yet
    const char* ReadPending;  // a read of the group is still outstanding
    const char* Caption;      // the message box's caption
};

class TSettingsForm : public TForm {
public:
    explicit TSettingsForm(TComponent* owner) : TForm(owner) {}

    // True once a read of the request's group has succeeded.
    bool GroupRead(const KwSNMPRequest2Controls* request) const;
    // True while an asynchronous read or write of the request is outstanding.
    static bool Outstanding(const KwSNMPRequest2Controls* request);

protected:
    // A request owned by this form on one catalogue group (see NewGroupRequest).
    template <class Request = KwSNMPRequest2Edits>
    Request* GroupRequest(const KwSNMPVar* table, KwSNMPItemType itemType, int keyCount = 0,
                          int timeout = 0, unsigned char mode = 1)
    {
        return NewGroupRequest<Request>(this, table, itemType, keyCount, timeout, mode);
    }

    // Reads the group. A synchronous read that succeeded marks the group read; an
    // asynchronous one is marked by its done handler (OnGroupRead).
    bool ReadGroup(KwSNMPRequest2Controls* request);
    // The request's get-done handler: marks the group read on success, then runs
    // `handler` (which may be empty).
    void OnGroupRead(KwSNMPRequest2Controls* request, KwSNMPDoneEvent handler);
    // Save's guard for one group: refuses with a message box while the group has not
    // been read or a read is outstanding. True when the save may go on.
    bool MaySave(const KwSNMPRequest2Controls* request, const TSaveGuardTexts& texts);

    // The failure of the request's last read in a message box titled with the program
    // file's name: once per read sequence, so a silent device gives the user one message, not
    // one per group. (Requests that report through themselves, status line or message
    // box, use ReportSyncFailures instead; both keep to one report per sequence.)
    static void ShowReadFailure(const KwSNMPRequest2Controls* request);
    // The same for a failure the form has in hand, with its own caption.
    static void ShowReadFailure(const AnsiString& text, const AnsiString& caption);
    // Reads the group and shows a failure with ShowReadFailure. True when it was read.
    bool ReadGroupOrReport(KwSNMPRequest2Controls* request);

    // `handler` with its synchronous reads run as one read sequence.
    static TNotifyEvent ReadSequence(TNotifyEvent handler);

    // The form's result text in panel 0 of its status bar (the simple text without
    // panels).
    void SetStatusBar(TStatusBar* bar) { statusBar_ = bar; }
    void ShowStatus(const AnsiString& text) { ShowFormStatus(statusBar_, text); }
    // For done handlers: shows a failed operation's text with ShowStatus. True when
    // `error` is a failure (the handler then stops), false for a success.
    bool ShowFailure(const KwSNMPError& error);

private:
    TStatusBar* statusBar_ = nullptr;
    std::map<const KwSNMPRequest2Controls*, bool> read_;
};
