#include "EditCheck.h"

#include "InputChecks.h"
#include "StdCtrls.h"

TEditCheck EditCheck(std::function<bool(const AnsiString&)> takes, const AnsiString& refusal,
                     const AnsiString& caption, const char* leaves)
{
    return {std::move(takes), [refusal](const AnsiString&) { return refusal; }, caption, leaves, true};
}

TEditCheck InTurn(std::vector<TEditCheck> steps)
{
    TEditCheck check;
    check.Takes = [steps](const AnsiString& text) {
        for (const TEditCheck& step : steps)
            if (!step.Takes(text))
                return false;
        return true;
    };
    check.Refusal = [steps](const AnsiString& text) {
        for (const TEditCheck& step : steps)
            if (!step.Takes(text))
                return step.Refusal(text);
        return AnsiString();
    };
    check.Steps = std::move(steps);
    return check;
}

TEditCheck FilledCheck(const AnsiString& refusal, const AnsiString& caption)
{
    return EditCheck([](const AnsiString& text) { return !text.IsEmpty(); }, refusal, caption);
}

TEditCheck NumberCheck(int low, int high, const AnsiString& refusal, const AnsiString& caption,
                       const char* emptyCaption)
{
    // A text that is no number is refused as a number out of range is.
    TEditCheck number = EditCheck([low, high](const AnsiString& text) { return IsDecimalInRange(text, low, high); },
                                  refusal, caption, "");
    return emptyCaption ? InTurn({FilledCheck(refusal, emptyCaption), number}) : number;
}

bool PassesEditCheck(TEdit* edit, const TEditCheck& check)
{
    if (!check.Steps.empty()) {
        for (const TEditCheck& step : check.Steps)
            if (!PassesEditCheck(edit, step))
                return false;
        return true;
    }
    const AnsiString text = edit->Text();
    if (check.Takes(text))
        return true;
    if (check.Leaves)
        edit->SetText(check.Leaves);
    return RefuseInput(check.Refusal(text), check.Caption, check.Focuses ? edit : nullptr);
}
