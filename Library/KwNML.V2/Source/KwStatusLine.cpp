// Status lines of the requests.
#include "KwStatusLine.h"

#include "ComCtrls.h"
#include "KwExpression.h"
#include "StdCtrls.h"
#include "SysUtils.h"

namespace {
// Every occurrence replaced, scanning on after the inserted text (never rescanning it).
AnsiString ReplaceEvery(const AnsiString& text, const AnsiString& token, const AnsiString& with)
{
    if (token.IsEmpty())
        return text;
    const std::string& in = text.ToStdString();
    const std::string& t = token.ToStdString();
    std::string out;
    std::size_t at = 0;
    for (std::size_t found; (found = in.find(t, at)) != std::string::npos; at = found + t.size())
        out += in.substr(at, found - at) + with.ToStdString();
    out += in.substr(at);
    return AnsiString(out);
}
} // namespace

AnsiString KwFillStatusLine(const AnsiString& format, const AnsiString& listName,
                            const AnsiString& error, const AnsiString& time)
{
    AnsiString line = format;
    const int errorAt = line.Pos("[ERROR]");
    const int listAt = line.Pos("[VARLIST]");
    if (listName.IsEmpty()) {
        if (errorAt > 0 && errorAt <= listAt)
            line.Delete(errorAt + 7, listAt - errorAt + 2);
    } else {
        line = ReplaceEvery(line, "[VARLIST]", listName);
    }
    line = ReplaceEvery(line, "[ERROR]", error);
    return ReplaceEvery(line, "[TIME]", time);
}

AnsiString KwStatusTime()
{
    return FormatDateTime("hh:nn:ss ampm", Now());
}

void KwWriteStatusLine(TObject* control, const AnsiString& line)
{
    if (auto* memo = dynamic_cast<TMemo*>(control)) {
        memo->Lines()->Add(line);
    } else if (auto* bar = dynamic_cast<TStatusBar*>(control)) {
        bar->SetSimpleText(line);
        if (!bar->SimplePanel()) {
            if (bar->Panels()->Count() > 0)
                bar->Panels()->Items(0)->SetText(line);
            else
                bar->SetSimplePanel(true);
        }
    } else if (auto* panel = dynamic_cast<TStatusPanel*>(control)) {
        panel->SetText(line);
    }
}
