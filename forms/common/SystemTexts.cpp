#include "SystemTexts.h"

#include "InputChecks.h"
#include "TextLength.h"

const char* const SystemContactTooLongText = "The Max Lengh of the SystemContact is 32.";
const char* const SystemNameTooLongText = "The Max Lengh of the SystemName is 32.";
const char* const SystemLocationTooLongText = "The Max Lengh of the SystemLocation is 32.";

bool CheckSystemTexts(std::initializer_list<TSystemText> texts, const AnsiString& caption)
{
    for (const TSystemText& text : texts)
        if (TextCharacterCount(text.Edit->Text().ToStdString()) > std::size_t(SystemTextMaxLength))
            return RefuseInput(text.TooLongText, caption);
    for (const TSystemText& text : texts)
        if (!CheckPlainText(text.Edit, caption, true))
            return false;
    return true;
}
