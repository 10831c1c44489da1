#include "NetworkFixture.h"

#include "vcl.h"

namespace network_test {

std::vector<std::string> SetBindings(const DevsimJournalEntry& entry)
{
    std::vector<std::string> texts;
    for (const auto& binding : entry.Bindings)
        texts.push_back(binding.Oid + "=" + binding.Value);
    return texts;
}

::testing::AssertionResult Press(TButton* button)
{
    if (!button->Enabled() || !button->Visible())
        return ::testing::AssertionFailure() << button->Name().ToStdString() << " cannot be pressed";
    button->Click();
    return ::testing::AssertionSuccess();
}

void Choose(TComboBox* combo, int index)
{
    combo->SetItemIndex(index);
    if (combo->OnChange)
        combo->OnChange(combo);
}

}  // namespace network_test
