#pragma once
// Builds a settings form's controls so that its constructor reads like the form's
// control table: one call per control, named as the form's design names it (the name
// is also the control's object name, by which tests find it).
//
//   TFormBuilder build(this);
//   TFormRows rows(build, {16, 150, 300});
//   Ed_SC = rows.Edit("Lb_SC", "System Contact:", "Ed_SC");
//   Btn_Sa = build.Button("Btn_Sa", "Save", 375, rows.Top(), [this](TObject* S) { Btn_SaClick(S); });
//   StatusBar = build.StatusBar("StatusBar");
//
// Controls are parented to the builder's parent (the form, or a group box through
// In()). A caption label names the edit, combo box or list built right after it on the
// same parent (its FocusControl), so assistive technology reads the field by its
// caption. Hidden controls hold device values that the user does not edit: they are
// bound to requests like visible ones, but never shown.
#include "vcl.h"

#include <initializer_list>
#include <memory>
#include <utility>

// A list view column: caption and width in pixels (0 hides the column).
struct TColumnSpec {
    const char* Caption;
    int Width;
};

class TFormBuilder {
public:
    explicit TFormBuilder(TWinControl* parent) : parent_(parent), caption_(std::make_shared<TLabel*>(nullptr)) {}

    TWinControl* Parent() const { return parent_; }
    // A builder whose controls go into `parent` (a group box, a panel, a tab sheet).
    TFormBuilder In(TWinControl* parent) const { return TFormBuilder(parent, caption_); }

    // Any control: created with the form as owner, named, parented and placed.
    template <class T>
    T* Add(const char* name, int left, int top, int width, int height)
    {
        T* control = new T(Owner());
        control->SetName(name);
        control->SetParent(parent_);
        control->SetBounds(left, top, width, height);
        return control;
    }

    TLabel* Label(const char* name, const char* caption, int left, int top, int width = 0);
    // An edit starts empty: a form whose design gives it a starting text sets that.
    TEdit* Edit(const char* name, int left, int top, int width, int maxLength = 0);
    // A read-only edit showing a device value the user cannot change.
    TEdit* ShowEdit(const char* name, int left, int top, int width);
    TComboBox* Combo(const char* name, std::initializer_list<const char*> items, int left, int top,
                     int width);
    TCheckBox* Check(const char* name, const char* caption, int left, int top, int width = 0);
    TRadioButton* Radio(const char* name, const char* caption, int left, int top, int width = 0);
    TGroupBox* Group(const char* name, const char* caption, int left, int top, int width, int height);
    TButton* Button(const char* name, const char* caption, int left, int top, TNotifyEvent onClick,
                    int width = ButtonWidth);
    // A report-style list view with whole-row selection and its columns.
    TListView* List(const char* name, std::initializer_list<TColumnSpec> columns, int left, int top,
                    int width, int height);
    // The status bar at the bottom: the simple text when no panel widths are given,
    // otherwise one panel per width (the last one reaching the right edge).
    TStatusBar* StatusBar(const char* name, std::initializer_list<int> panelWidths = {});

    // Hidden holders of device values.
    TComboBox* HiddenCombo(const char* name);
    TEdit* HiddenEdit(const char* name);
    TListView* HiddenList(const char* name, int columnCount);

    static const int ButtonWidth = 75;
    static const int ButtonHeight = 25;
    static const int EditHeight = 21;

private:
    TFormBuilder(TWinControl* parent, std::shared_ptr<TLabel*> caption) : parent_(parent), caption_(std::move(caption)) {}
    TComponent* Owner() const;
    // Makes the caption label just built on the same parent name `control`.
    template <class T>
    T* Named(T* control) const
    {
        TLabel*& caption = *caption_;
        if (caption && caption->Parent() == parent_ && !caption->FocusControl())
            caption->SetFocusControl(control);
        caption = nullptr;
        return control;
    }
    TWinControl* parent_;
    std::shared_ptr<TLabel*> caption_;  // shared by the builders In() makes
};

// Labels read as one line ("Channel : ", "6", " (", "2.437", ")GHZ"): each starts where
// the one before it ends, also after a device value has changed one of them.
void FlowLabels(std::initializer_list<TLabel*> labels);

// Rows of "caption label + control" at fixed column positions, top to bottom: the
// cursor advances by one row per call.
struct TRowColumns {
    int LabelLeft = 16;
    int ControlLeft = 150;
    int ControlWidth = 300;
    int RowHeight = 30;
};

class TFormRows {
public:
    TFormRows(TFormBuilder& build, TRowColumns columns, int top = 16)
        : build_(build), columns_(columns), top_(top)
    {
    }

    // Each row call may hand its caption label back through `label`.
    TEdit* Edit(const char* labelName, const char* caption, const char* editName, int maxLength = 0,
                TLabel** label = nullptr);
    TEdit* ShowEdit(const char* labelName, const char* caption, const char* editName,
                    TLabel** label = nullptr);
    TComboBox* Combo(const char* labelName, const char* caption, const char* comboName,
                     std::initializer_list<const char*> items = {}, TLabel** label = nullptr);
    TCheckBox* Check(const char* checkName, const char* caption);
    // The caption label of the next row alone, for a row the form fills by hand.
    TLabel* Label(const char* labelName, const char* caption);
    // A row whose control is a device value shown as text; width 0 is the column's.
    TLabel* ValueLabel(const char* labelName, const char* caption, const char* valueName, int width = 0);
    // A row whose check box has no caption of its own: the row's label names it.
    TCheckBox* LabelledCheck(const char* labelName, const char* caption, const char* checkName, int width);

    // The top of the next row; Skip moves the cursor by `pixels`.
    int Top() const { return top_; }
    void Skip(int pixels) { top_ += pixels; }
    const TRowColumns& Columns() const { return columns_; }
    // Left of a button that ends `fromRight` buttons before the row's right edge
    // (0 is the rightmost).
    int ButtonLeft(int fromRight) const;

private:
    TLabel* RowLabel(const char* labelName, const char* caption, TLabel** label = nullptr);
    TFormBuilder& build_;
    TRowColumns columns_;
    int top_;
};
