#pragma once
// A button that acts on the row chosen in a list (Delete) is offered only while one is
// chosen: pressed with none it would do nothing.
#include <functional>

class TButton;
class TListItem;
class TListView;

// Enables `button` while a row of `list` is chosen that `takes` accepts (any row when
// none is given), whether the user or the form chose it, and disables it as the row is
// left or deleted. The list's own selection and deletion handlers still run first.
void EnableWhileRowChosen(TButton* button, TListView* list,
                          std::function<bool(const TListItem*)> takes = nullptr);
