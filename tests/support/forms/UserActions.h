#pragma once
// What a user does to a form, done the way the user's action reaches its handlers.
#include <gtest/gtest.h>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TListView;

namespace vka_test {

// A choice in a combo box: the item, then its OnChange (which code's ItemIndex does not fire).
void Choose(TComboBox* combo, int index);
// The same by the item's text (-1, no item, when the list has no such text).
void Choose(TComboBox* combo, const char* text);
// The item picked in the drop-down list, as the user picks it (a change of the user's).
void Pick(TComboBox* combo, int index);

// Presses an enabled, visible button; one the user could not press fails the test and is
// not pressed.
::testing::AssertionResult Press(TButton* button);

// Text typed at the end of an edit, key by key (a change of the user's, unlike SetText).
void Type(TEdit* edit, const char* text);

// A check box ticked or cleared by the user's click (a change of the user's, unlike SetChecked).
void Tick(TCheckBox* box, bool checked);

// Clicks a row of a list view: selects it (nothing for -1), then OnClick.
void ClickRow(TListView* list, int row);

}  // namespace vka_test
