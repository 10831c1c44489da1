#pragma once
// What a form shows, as plain strings for a test's assertions.
#include <string>
#include <vector>

class TListView;
class TStatusBar;

namespace vka_test {

// The form's result text: panel 0 of a status bar with panels, else its simple text
// (where ShowFormStatus and the requests' status lines write).
std::string StatusText(const TStatusBar* bar);

// One row of a list view: its caption and sub-items joined by "|".
std::string RowText(const TListView* list, int index);
// Every row of a list view, as RowText.
std::vector<std::string> Rows(const TListView* list);

}  // namespace vka_test
