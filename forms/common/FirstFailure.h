#pragma once
// The first failure of a run of synchronous reads (a creation or a refresh), for forms
// that show one result for the whole run: the first failure's text, or their own
// success text when every read came back.
//
//   readFailure_.Clear();
//   readFailure_.Note(ReadGroup(BandRequest), BandRequest);
//   ShowStatus(readFailure_.Failed() ? readFailure_.Text() : AnsiString("Get OK!"));
#include "AnsiString.h"

class KwSNMPRequest2Controls;

class TFirstFailure {
public:
    // Keeps the request's last failure when `ok` is false and none is kept yet; gives `ok`.
    bool Note(bool ok, const KwSNMPRequest2Controls* request);
    bool Failed() const { return failed_; }
    // The kept failure's text; `noReason` when the request gave none.
    AnsiString Text(const AnsiString& noReason = AnsiString()) const { return text_.IsEmpty() ? noReason : text_; }
    void Clear();

private:
    bool failed_ = false;
    AnsiString text_;
};
