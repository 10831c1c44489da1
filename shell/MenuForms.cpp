#include "MenuForms.h"

#include "KwReadSequence.h"

#include <map>

namespace {
std::map<AnsiString, TMenuFormOpener>& Openers()
{
    static std::map<AnsiString, TMenuFormOpener> openers;
    return openers;
}
}  // namespace

bool RegisterMenuForm(const AnsiString& itemName, TMenuFormOpener opener)
{
    Openers()[itemName] = std::move(opener);
    return true;
}

bool HasMenuForm(const AnsiString& itemName)
{
    auto found = Openers().find(itemName);
    return found != Openers().end() && found->second;
}

std::vector<AnsiString> MenuFormItems()
{
    std::vector<AnsiString> items;
    for (const auto& [item, opener] : Openers())
        if (opener)
            items.push_back(item);
    return items;
}

bool OpenMenuForm(const AnsiString& itemName)
{
    auto found = Openers().find(itemName);
    if (found == Openers().end() || !found->second)
        return false;
    TMenuFormOpener opener = found->second;  // a copy: the opener may register again
    opener();
    return true;
}

void CreateAsReadSequence(TCustomForm* form)
{
    KwReadSequence sequence;
    form->DoCreate();
}
