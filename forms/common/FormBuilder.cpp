#include "FormBuilder.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

TComponent* TFormBuilder::Owner() const
{
    // Every control belongs to the form, also those placed inside a group box.
    TCustomForm* form = parent_->ParentForm();
    return form ? static_cast<TComponent*>(form) : parent_;
}

TLabel* TFormBuilder::Label(const char* name, const char* caption, int left, int top, int width)
{
    TLabel* label = Add<TLabel>(name, left, top, width > 0 ? width : 120, 17);
    label->SetCaption(caption);
    // A sign between two controls (the "~" of a range) names neither.
    const std::string text = caption;
    *caption_ = std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isalnum(c); }) ? label : nullptr;
    return label;
}

TEdit* TFormBuilder::Edit(const char* name, int left, int top, int width, int maxLength)
{
    // Empty until the device's value or the form's own starting text fills it.
    TEdit* edit = Add<TEdit>(name, left, top, width, EditHeight);
    if (maxLength > 0)
        edit->SetMaxLength(maxLength);
    return Named(edit);
}

TEdit* TFormBuilder::ShowEdit(const char* name, int left, int top, int width)
{
    TEdit* edit = Edit(name, left, top, width);
    edit->SetReadOnly(true);
    edit->SetEnabled(false);
    edit->SetColor(clBtnFace);
    return edit;
}

TComboBox* TFormBuilder::Combo(const char* name, std::initializer_list<const char*> items, int left,
                               int top, int width)
{
    TComboBox* combo = Add<TComboBox>(name, left, top, width, EditHeight);
    combo->SetStyle(csDropDownList);
    for (const char* item : items)
        combo->Items()->Add(item);
    return Named(combo);
}

TCheckBox* TFormBuilder::Check(const char* name, const char* caption, int left, int top, int width)
{
    TCheckBox* check = Add<TCheckBox>(name, left, top, width > 0 ? width : 200, 17);
    check->SetCaption(caption);
    *caption_ = nullptr;  // a caption followed by other controls names none
    return check;
}

TRadioButton* TFormBuilder::Radio(const char* name, const char* caption, int left, int top, int width)
{
    TRadioButton* radio = Add<TRadioButton>(name, left, top, width > 0 ? width : 200, 17);
    radio->SetCaption(caption);
    *caption_ = nullptr;
    return radio;
}

TGroupBox* TFormBuilder::Group(const char* name, const char* caption, int left, int top, int width,
                               int height)
{
    TGroupBox* group = Add<TGroupBox>(name, left, top, width, height);
    group->SetCaption(caption);
    *caption_ = nullptr;
    return group;
}

TButton* TFormBuilder::Button(const char* name, const char* caption, int left, int top,
                              TNotifyEvent onClick, int width)
{
    TButton* button = Add<TButton>(name, left, top, width, ButtonHeight);
    button->SetCaption(caption);
    button->OnClick = std::move(onClick);
    *caption_ = nullptr;
    return button;
}

TListView* TFormBuilder::List(const char* name, std::initializer_list<TColumnSpec> columns, int left,
                              int top, int width, int height)
{
    TListView* list = Add<TListView>(name, left, top, width, height);
    list->SetViewStyle(vsReport);
    list->SetRowSelect(true);
    list->SetReadOnly(true);
    for (const TColumnSpec& wanted : columns) {
        TListColumn* column = list->Columns()->Add();
        column->SetCaption(wanted.Caption);
        column->SetWidth(wanted.Width);
    }
    return Named(list);
}

TStatusBar* TFormBuilder::StatusBar(const char* name, std::initializer_list<int> panelWidths)
{
    TStatusBar* bar = new TStatusBar(Owner());
    bar->SetName(name);
    bar->SetParent(parent_);
    bar->SetSimplePanel(panelWidths.size() == 0);
    for (int width : panelWidths)
        bar->Panels()->Add()->SetWidth(width);
    return bar;
}

TComboBox* TFormBuilder::HiddenCombo(const char* name)
{
    TComboBox* combo = Add<TComboBox>(name, 0, 0, 100, EditHeight);
    combo->SetStyle(csDropDownList);
    combo->SetVisible(false);
    return combo;
}

TEdit* TFormBuilder::HiddenEdit(const char* name)
{
    TEdit* edit = Add<TEdit>(name, 0, 0, 100, EditHeight);
    edit->SetVisible(false);
    return edit;
}

TListView* TFormBuilder::HiddenList(const char* name, int columnCount)
{
    TListView* list = Add<TListView>(name, 0, 0, 100, 50);
    list->SetViewStyle(vsReport);
    for (int i = 0; i < columnCount; ++i)
        list->Columns()->Add();
    list->SetVisible(false);
    return list;
}

void FlowLabels(std::initializer_list<TLabel*> labels)
{
    const std::vector<TLabel*> line(labels);
    auto flow = [line] {
        for (size_t i = 1; i < line.size(); ++i)
            line[i]->SetLeft(line[i - 1]->Left() + line[i - 1]->Width());
    };
    flow();
    for (TLabel* label : line)
        label->OnResize = [flow](TObject*) { flow(); };
}

// --- rows ------------------------------------------------------------------------

TLabel* TFormRows::RowLabel(const char* labelName, const char* caption, TLabel** label)
{
    TLabel* made = build_.Label(labelName, caption, columns_.LabelLeft, top_ + 4,
                                columns_.ControlLeft - columns_.LabelLeft - 8);
    if (label)
        *label = made;
    return made;
}

TLabel* TFormRows::Label(const char* labelName, const char* caption)
{
    TLabel* label = RowLabel(labelName, caption);
    top_ += columns_.RowHeight;
    return label;
}

TLabel* TFormRows::ValueLabel(const char* labelName, const char* caption, const char* valueName, int width)
{
    RowLabel(labelName, caption);
    TLabel* value = build_.Label(valueName, "", columns_.ControlLeft, top_ + 4, width ? width : columns_.ControlWidth);
    top_ += columns_.RowHeight;
    return value;
}

TCheckBox* TFormRows::LabelledCheck(const char* labelName, const char* caption, const char* checkName, int width)
{
    TLabel* label = RowLabel(labelName, caption);
    TCheckBox* check = build_.Check(checkName, "", columns_.ControlLeft, top_ + 4, width);
    label->SetFocusControl(check);
    top_ += columns_.RowHeight;
    return check;
}

TEdit* TFormRows::Edit(const char* labelName, const char* caption, const char* editName, int maxLength,
                       TLabel** label)
{
    RowLabel(labelName, caption, label);
    TEdit* edit = build_.Edit(editName, columns_.ControlLeft, top_, columns_.ControlWidth, maxLength);
    top_ += columns_.RowHeight;
    return edit;
}

TEdit* TFormRows::ShowEdit(const char* labelName, const char* caption, const char* editName,
                           TLabel** label)
{
    RowLabel(labelName, caption, label);
    TEdit* edit = build_.ShowEdit(editName, columns_.ControlLeft, top_, columns_.ControlWidth);
    top_ += columns_.RowHeight;
    return edit;
}

TComboBox* TFormRows::Combo(const char* labelName, const char* caption, const char* comboName,
                            std::initializer_list<const char*> items, TLabel** label)
{
    RowLabel(labelName, caption, label);
    TComboBox* combo = build_.Combo(comboName, items, columns_.ControlLeft, top_, columns_.ControlWidth);
    top_ += columns_.RowHeight;
    return combo;
}

TCheckBox* TFormRows::Check(const char* checkName, const char* caption)
{
    TCheckBox* check = build_.Check(checkName, caption, columns_.ControlLeft, top_, columns_.ControlWidth);
    top_ += columns_.RowHeight;
    return check;
}

int TFormRows::ButtonLeft(int fromRight) const
{
    const int right = columns_.ControlLeft + columns_.ControlWidth;
    return right - (fromRight + 1) * TFormBuilder::ButtonWidth - fromRight * 10;
}
