#pragma once
// What every settings form does the same way: its requests built from catalogue groups,
// its input checks and refusals (InputChecks.h), the access words that choose what a set sends, the
// status texts, and the ready flag of forms with asynchronous requests.
#include "KwSNMPVar.h"
#include "KwSNMPVarList.h"
#include "InputChecks.h"
#include "vcl.h"

class KwSNMPRequest2Controls;
class KwSNMPRequest2Edits;

// --- requests --------------------------------------------------------------------

// A request owned by the form on one catalogue group: its variable list built with the
// item type and key count, its time-out (hundredths of a second; 0 keeps the default)
// and its mode (0 synchronous, 1 asynchronous). Request may be KwSNMPRequest2Edits or
// a class derived from it (New_req2Edit).
template <class Request = KwSNMPRequest2Edits>
Request* NewGroupRequest(TComponent* owner, const KwSNMPVar* table, KwSNMPItemType itemType,
                         int keyCount = 0, int timeout = 0, unsigned char mode = 1)
{
    Request* request = new Request(owner);
    request->Request.VarList = KwSNMPVarList(table, itemType, keyCount);
    if (timeout > 0)
        request->Request.Timeout = timeout;
    request->Mode = mode;
    return request;
}

// Access words written before a set: send, keep readable but unsent, leave out.
enum TSendMark { smSend = AC_READWRITE, smKeep = AC_READONLY, smLeaveOut = AC_INVALID };

// Marks variable `index` (every variable for -1) of the request's list.
void MarkVars(KwSNMPRequest2Controls* request, TSendMark mark, int index = -1);

// --- results ---------------------------------------------------------------------

// The form's result text in the first panel of its status bar and in its simple text,
// as a request's status line goes to both.
void ShowFormStatus(TStatusBar* bar, const AnsiString& text);
// The status text a bar shows for its form: panel 0, or the simple text without panels.
AnsiString FormStatusText(const TStatusBar* bar);

// A label placed by hand on a form, named as the form's design names it.
TLabel* AddFormLabel(TForm* form, const char* name, const char* caption, int left, int top);

// --- ready flag ------------------------------------------------------------------

// Forms with asynchronous requests are not ready while a get or set is under way, and
// refuse to close until the done handler made them ready again.
class TReadyFlag {
public:
    bool Ready() const { return ready_; }
    void Busy() { ready_ = false; }
    void Done() { ready_ = true; }
    // For FormCloseQuery: CanClose is false while not ready.
    void CloseQuery(bool& CanClose) const { CanClose = CanClose && ready_; }

private:
    bool ready_ = true;
};
