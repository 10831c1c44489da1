#pragma once
// Status lines of the requests: filling a template ("Get: [ERROR] Request:[VARLIST].
// Receive at [TIME].") and writing the line into a memo, status bar or status panel.
#include "AnsiString.h"

class TObject;

// The template with "[VARLIST]", "[ERROR]" and "[TIME]" replaced. With an empty list
// name, everything from just after "[ERROR]" through the end of "[VARLIST]" is cut
// when "[ERROR]" comes first; otherwise "[VARLIST]" stays as it is.
AnsiString KwFillStatusLine(const AnsiString& format, const AnsiString& listName,
                            const AnsiString& error, const AnsiString& time);

// The time of day as status lines show it: "hh:nn:ss AM" on the 12-hour clock.
AnsiString KwStatusTime();

// Writes the line by the control's class: a TMemo gains it as its last line; a
// TStatusBar takes it as SimpleText and, so that it is seen, shows it in its first
// panel when it shows panels, or switches to its simple panel when it has none; a
// TStatusPanel takes it as its text; anything else receives nothing.
void KwWriteStatusLine(TObject* control, const AnsiString& line);
