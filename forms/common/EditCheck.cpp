#include "EditCheck.h"

#include "GoverningSwitches.h"
#include "InputChecks.h"
#include "StdCtrls.h"

TEditCheck EditCheck(std::function<bool(const AnsiString&)> takes, const AnsiString& refusal,
                     const AnsiString& caption, const char* leaves)
{
    return {std::move(takes), [refusal](const AnsiString&) { return refusal; }, caption, leaves, true};
}

TEditCheck EditCheckWith(const TControl* other, std::function<bool(const AnsiString&, const AnsiString&)> takes,
                         const AnsiString& refusal, const AnsiString& caption, const char* leaves)
{
    TEditCheck check = EditCheck(nullptr, refusal, caption, leaves);
    check.Other = other;
    check.TakesWith = std::move(takes);
    return check;
}

AnsiString ShownOther(const TEditCheck& check)
{
    if (!check.Other || dynamic_cast<const TEdit*>(check.Other))
        return check.Other ? check.Other->Text() : AnsiString();
    return SwitchItem(check.Other);
}

bool DeviceOther(const TEditCheck& check, AnsiString& other)
{
    if (!check.Other || dynamic_cast<const TEdit*>(check.Other))
        return !check.Other || DeviceState(check.Other, other);
    other = DeviceSwitchItem(check.Other);
    return !other.IsEmpty();
}

TEditCheck InTurn(std::vector<TEditCheck> steps)
{
    TEditCheck check;
    for (const TEditCheck& step : steps)
        check.Other = step.Other ? step.Other : check.Other;
    check.TakesWith = [steps](const AnsiString& text, const AnsiString& other) {
        for (const TEditCheck& step : steps)
            if (!step.TakesAt(text, other))
                return false;
        return true;
    };
    // The refusal of what the form shows.
    check.Refusal = [steps](const AnsiString& text) {
        for (const TEditCheck& step : steps)
            if (!step.TakesAt(text, ShownOther(step)))
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
    if (check.TakesAt(text, ShownOther(check)))
        return true;
    if (check.Leaves)
        edit->SetText(check.Leaves);
    return RefuseInput(check.Refusal(text), check.Caption, check.Focuses ? edit : nullptr);
}
