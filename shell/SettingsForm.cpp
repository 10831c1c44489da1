#include "SettingsForm.h"

#include "KwSNMPRequest2Controls.h"

const char* const HighBytesText = "Don't support chinese character !";

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

bool HasHighBytes(const AnsiString& text)
{
    for (int i = 1; i <= text.Length(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 128)
            return true;
    return false;
}

bool RefuseInput(const AnsiString& text, const AnsiString& caption, TWinControl* control)
{
    Application->MessageBox(text.c_str(), caption.c_str(), MB_OK);
    if (control && control->CanFocus())
        control->SetFocus();
    return false;
}

bool CheckPlainText(TEdit* edit, const AnsiString& caption, bool clearRefused)
{
    if (!HasHighBytes(edit->Text()))
        return true;
    Application->MessageBox(HighBytesText, caption.c_str(), MB_OK);
    if (clearRefused)
        edit->Clear();
    if (edit->CanFocus())
        edit->SetFocus();
    return false;
}

bool CheckMaxLength(TEdit* edit, int maxLength, const AnsiString& message, const AnsiString& caption)
{
    if (edit->Text().Length() <= maxLength)
        return true;
    return RefuseInput(message, caption, edit);
}

bool CheckNumberRange(TEdit* edit, int low, int high, const AnsiString& message,
                      const AnsiString& caption)
{
    const AnsiString text = edit->Text().Trim();
    bool digits = !text.IsEmpty() && text.Length() <= 10;
    for (int i = 1; digits && i <= text.Length(); ++i)
        digits = (text[i] >= '0' && text[i] <= '9') || (i == 1 && text[i] == '-' && text.Length() > 1);
    if (digits) {
        const long long value = std::stoll(text.ToStdString());
        if (value >= low && value <= high)
            return true;
    }
    return RefuseInput(message, caption, edit);
}

void ShowFormStatus(TStatusBar* bar, const AnsiString& text)
{
    if (!bar)
        return;
    if (bar->Panels()->Count() > 0 && !bar->SimplePanel())
        bar->Panels()->Items(0)->SetText(text);
    else
        bar->SetSimpleText(text);
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
