#include "NetworkFixture.h"

#include <sstream>

#include "vcl.h"

namespace network_test {

std::string StateWithRows(const std::string& prefix, const std::string& lines, const std::string& state)
{
    std::istringstream in(state);
    std::string result;
    std::string line;
    const std::string dotted = prefix + ".";
    while (std::getline(in, line)) {
        std::string oid = line.compare(0, 3, "ro ") == 0 ? line.substr(3) : line;
        oid = oid.substr(0, oid.find(' '));
        if (oid == prefix || oid.compare(0, dotted.size(), dotted) == 0)
            continue;
        result += line + "\n";
    }
    return result + lines;
}

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
