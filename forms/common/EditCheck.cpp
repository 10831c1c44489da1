#include "EditCheck.h"

#include "InputChecks.h"
#include "StdCtrls.h"

TEditCheck EditCheck(std::function<bool(const AnsiString&)> takes, const AnsiString& refusal,
                     const AnsiString& caption, const char* leaves)
{
    return {std::move(takes), [refusal](const AnsiString&) { return refusal; }, caption, leaves, true};
}

bool PassesEditCheck(TEdit* edit, const TEditCheck& check)
{
    const AnsiString text = edit->Text();
    if (check.Takes(text))
        return true;
    if (check.Leaves)
        edit->SetText(check.Leaves);
    return RefuseInput(check.Refusal(text), check.Caption, check.Focuses ? edit : nullptr);
}
