#pragma once
// The layout every window must have, checked on what the window shows now:
// - every visible control lies inside its parent's client area, every status bar
//   panel shown inside its bar;
// - every status bar panel shows its whole text, on as many lines as it wraps to in
//   the panel's width, or (but in the bars named in `wholeStatus`) the text shortened
//   to fit with an ellipsis and whole as the panel's tool tip and accessible
//   description, and no such text names a component of the form by its component name;
// - visible siblings do not overlap (but for the pairs a form places so on purpose);
// - the text of every label, check box, radio button, button, group title and list
//   column header fits its control in the control's own font (a wrapped header with
//   each of its words and all its lines), and so does every list cell but those of the
//   columns named as the device's free text (log messages, member lists: any length,
//   elided by the list);
// - no visible edit shows its own control name (a field nothing ever filled);
// - no edit, combo box or list in a group box is read by the group's title (its caption
//   label names it);
// - the window, with its frame, fits a 1024x768 work area.
// Each fault is one line naming the form and the controls.
#include <string>
#include <vector>

class TCustomForm;
class TStatusBar;

namespace vka_test {

// Two controls of one parent that a form overlaps on purpose (by object name).
struct AllowedOverlap {
    const char* First;
    const char* Second;
};

// A list column that shows the device's free text (by the list's object name).
struct FreeTextColumn {
    const char* List;
    int Column;
};

std::vector<std::string> LayoutFaults(const TCustomForm& form, const std::vector<AllowedOverlap>& allowed = {},
                                      const std::vector<FreeTextColumn>& freeText = {},
                                      const std::vector<const TStatusBar*>& wholeStatus = {});

}  // namespace vka_test
