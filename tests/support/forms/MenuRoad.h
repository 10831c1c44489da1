#pragma once
// The main menu against devsim: the entries that open settings forms, opening one and
// closing whatever modal form it opened, and the form that is open.
#include "FormRequests.h"
#include "FormTestRoad.h"
#include "KwSNMPRequest.h"
#include "Main.h"

#include <functional>
#include <string>
#include <vector>

namespace vka_test {

// The leaves of the four menus that open settings forms.
std::vector<TMenuItem*> FormEntries(TMainForm& main);

// Runs `open` and closes whatever modal form it opened, trying again while the form is
// still being created or refuses to close (a reply it waits for); `whileOpen` runs once,
// inside the form's modal loop, before the first close. True when the modal loop ended.
bool OpenAndClose(const std::function<void()>& open, const std::function<void()>& whileOpen = nullptr);
bool OpenAndClose(TMenuItem* entry, const std::function<void()>& whileOpen = nullptr);

// Opens every enabled form entry in turn and runs `whileOpen` inside each once none of
// its requests is outstanding (a wait in vain fails the test and names them).
void ForEveryFormEntry(TMainForm& main, const std::function<void(TMenuItem* entry, TForm* form)>& whileOpen);

// The enabled buttons whose click writes what the form shows (Save, Apply).
std::vector<TButton*> SaveButtons(TForm* form);

// True when a status bar of the form shows `text`, in its simple text or a panel.
bool StatusShows(TForm* form, const std::string& text);

// The newest form the application owns (the one a menu entry opened), or null.
TForm* NewestForm();

// A main window (its menus, without the start-up) on the road's device.
class MenuRoad : public FormRoad {
protected:
    void SetUp() override;
    void TearDown() override;
    TMainForm* main = nullptr;

private:
    const int walkRowLimit_ = KwWalkRowLimit;
};

}  // namespace vka_test
