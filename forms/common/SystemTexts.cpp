#include "SystemTexts.h"

#include "GoverningSwitches.h"
#include "InputChecks.h"
#include "GroupBinding.h"
#include "KwSNMPRequest2Edits.h"
#include "SaveVerdict.h"
#include "SettingsForm.h"
#include "TextLength.h"

const char* const SystemContactTooLongText = "The Max Lengh of the SystemContact is 32.";
const char* const SystemNameTooLongText = "The Max Lengh of the SystemName is 32.";
const char* const SystemLocationTooLongText = "The Max Lengh of the SystemLocation is 32.";

void TDeviceTexts::TakeShown(const std::vector<TEdit*>& edits, TTakes takes)
{
    for (TEdit* edit : edits)
        Take(edit, edit->Text(), takes);
}

void TDeviceTexts::Take(TEdit* edit, const AnsiString& text, TTakes takes)
{
    given_[edit] = {text, KwSNMPRequest2Edits::LastSettleNumber()};
    // What the edit shows is the device's now, however the form put it there: no user
    // change to name.
    if (edit->Text() != text || !edit->Owner())
        return;
    for (KwSNMPRequest2Edits* request : BoundRequests(edit->Owner())) {
        request->Settle(edit);
        if (takes)
            request->SetUntakable(edit, !takes(text));
    }
}

AnsiString TDeviceTexts::Held(const TEdit* edit, const TGiven& given) const
{
    AnsiString text = given.Text;
    unsigned long number = given.Number;
    if (edit->Owner())
        for (const KwSNMPRequest2Edits* request : BoundRequests(edit->Owner()))
            if (const AnsiString* later = request->SettledAfter(edit, number))
                text = *later;
    return text;
}

AnsiString TDeviceTexts::DeviceText(const TEdit* edit) const
{
    const auto given = given_.find(edit);
    return given == given_.end() ? AnsiString() : Held(edit, given->second);
}

bool TDeviceTexts::Edited(const TEdit* edit) const
{
    const auto given = given_.find(edit);
    return given == given_.end() || Held(edit, given->second) != edit->Text() || PutIntoEffect(edit);
}

bool TDeviceTexts::Edited(std::initializer_list<const TEdit*> edits) const
{
    for (const TEdit* edit : edits)
        if (Edited(edit))
            return true;
    return false;
}

bool TDeviceTexts::AnyEdited() const
{
    for (const auto& [edit, given] : given_)
        if (edit->Text() != Held(edit, given))
            return true;
    return false;
}

void TDeviceTexts::PutBack() const
{
    for (const auto& [edit, given] : given_) {
        edit->SetText(Held(edit, given));
        edit->SetModified(false);
    }
}

void TDeviceTexts::MarkEdited(KwSNMPRequest2Controls* request, int index, const TEdit* edit) const
{
    MarkVars(request, Edited(edit) ? smSend : smKeep, index);
}

bool CheckSystemTexts(std::initializer_list<TSystemText> texts, const TDeviceTexts& device, const AnsiString& caption)
{
    for (const TSystemText& text : texts)
        if (device.Edited(text.Edit) &&
            TextCharacterCount(text.Edit->Text().ToStdString()) > std::size_t(SystemTextMaxLength))
            return RefuseInput(text.TooLongText, caption);
    for (const TSystemText& text : texts)
        if (device.Edited(text.Edit) && !CheckPlainText(text.Edit, caption, true))
            return false;
    return true;
}
