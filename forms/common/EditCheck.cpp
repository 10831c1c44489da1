#include "EditCheck.h"

#include "InputChecks.h"
#include "StdCtrls.h"

TEditCheck EditCheck(std::function<bool(const AnsiString&)> takes, const AnsiString& refusal,
                     const AnsiString& caption, const char* leaves)
{
    return {std::move(takes), [refusal](const AnsiString&) { return refusal; }, caption, leaves, true};
}

TEditCheck NumberCheck(int low, int high, const AnsiString& refusal, const AnsiString& caption,
                       const char* emptyCaption)
{
    // A text that is no number is refused as a number out of range is.
    TEditCheck check = EditCheck([low, high](const AnsiString& text) { return IsDecimalInRange(text, low, high); },
                                 refusal, caption, "");
    check.EmptyCaption = emptyCaption;
    return check;
}

bool PassesEditCheck(TEdit* edit, const TEditCheck& check)
{
    const AnsiString text = edit->Text();
    if (check.Takes(text))
        return true;
    if (text.IsEmpty() && check.EmptyCaption)
        return RefuseInput(check.Refusal(text), check.EmptyCaption, check.Focuses ? edit : nullptr);
    if (check.Leaves)
        edit->SetText(check.Leaves);
    return RefuseInput(check.Refusal(text), check.Caption, check.Focuses ? edit : nullptr);
}
