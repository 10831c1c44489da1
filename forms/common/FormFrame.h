#pragma once
// The window every settings form is: its VCL name and caption, a fixed single border
// with the system menu and the minimise box, centred on the main window; and the
// global pointer the main menu keeps it in, set back to null when the form goes.
//
//   TFM_Information::TFM_Information(TComponent* Owner)
//       : TSettingsForm(Owner, FormFrame("FM_Information", "Home \\ Information", FM_Information))
//
// and, in the form's unit, its menu item:
//
//   static const bool menuEntry = RegisterModalForm("Information1", FM_Information);
#include "MenuForms.h"

#include <functional>

// Fixed: single border, system menu and minimise box. Sizeable: the window's defaults.
enum class TFrameBorder { Fixed, Sizeable };

struct TFormFrame {
    const char* Name;
    const char* Caption;
    std::function<void(const TForm*)> Forget;  // the global pointer to null, when it holds the form
    TFrameBorder Border;
};

template <class T>
TFormFrame FormFrame(const char* name, const char* caption, T*& global, TFrameBorder border = TFrameBorder::Fixed)
{
    auto forget = [&global](const TForm* form) {
        if (global == form)
            global = nullptr;
    };
    return {name, caption, forget, border};
}

// The main menu's item `itemName` opens the form kept in `global` (RunModalForm).
template <class T>
bool RegisterModalForm(const char* itemName, T*& global)
{
    return RegisterMenuForm(itemName, [&global] { RunModalForm(global); });
}
