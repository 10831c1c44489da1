#include "SettingsForm.h"

#include "KwSNMPRequest2Controls.h"

void MarkVars(KwSNMPRequest2Controls* request, TSendMark mark, int index)
{
    KwSNMPVarList& list = request->Request.VarList;
    if (index >= 0) {
        if (index < list.Count())
            list.Item(index).Access = mark;
        return;
    }
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i).Access = mark;
}

void ShowFormStatus(TStatusBar* bar, const AnsiString& text)
{
    if (!bar)
        return;
    // Where a request's status line goes: the simple text and the first panel, so that
    // no earlier line stays behind in either.
    bar->SetSimpleText(text);
    if (bar->Panels()->Count() > 0 && !bar->SimplePanel())
        bar->Panels()->Items(0)->SetText(text);
}

AnsiString FormStatusText(const TStatusBar* bar)
{
    return bar->Panels()->Count() > 0 && !bar->SimplePanel() ? bar->Panels()->Items(0)->Text() : bar->SimpleText();
}

TLabel* AddFormLabel(TForm* form, const char* name, const char* caption, int left, int top)
{
    TLabel* label = new TLabel(form);
    label->SetName(name);
    label->SetParent(form);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}
