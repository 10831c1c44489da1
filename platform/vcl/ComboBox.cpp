#include "StdCtrls.h"

#include "CallbackStrings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <limits>

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner)
{
    combo_ = new QComboBox;
    AttachWidget(combo_);
    combo_->resize(145, 21);
    combo_->setMaxVisibleItems(dropDownCount_);
    TCallbackStrings::Access access;
    access.count = [this] { return combo_->count(); };
    access.get = [this](int i) { return ControlText(combo_->itemText(i)); };
    access.insert = [this](int i, const AnsiString& s) {
        QSignalBlocker quiet(combo_);
        int before = combo_->currentIndex();
        QString typed = combo_->isEditable() ? combo_->currentText() : QString();
        combo_->insertItem(i, ControlQString(s));
        // Qt selects the first item put into an empty list; the class library does not.
        if (before == -1 && combo_->currentIndex() != -1) {
            combo_->setCurrentIndex(-1);
            if (combo_->isEditable())
                combo_->setEditText(typed);
        }
    };
    access.put = [this](int i, const AnsiString& s) {
        QSignalBlocker quiet(combo_);
        combo_->setItemText(i, ControlQString(s));
    };
    access.remove = [this](int i) {
        QSignalBlocker quiet(combo_);
        bool wasCurrent = combo_->currentIndex() == i;
        combo_->removeItem(i);
        // Removing the selected item leaves no selection.
        if (wasCurrent)
            combo_->setCurrentIndex(-1);
    };
    access.clear = [this] {
        QSignalBlocker quiet(combo_);
        combo_->clear();
    };
    items_ = std::make_unique<TCallbackStrings>(std::move(access));
    // activated is the user's pick only; code changes never fire OnChange.
    QObject::connect(combo_, &QComboBox::activated, SignalContext(), [this](int index) { UserPicked(index); });
    SetStyle(csDropDown);
}

TComboBox::~TComboBox() = default;

TStrings* TComboBox::Items() const { return items_.get(); }

int TComboBox::ItemIndex() const { return combo_->currentIndex(); }

void TComboBox::SetItemIndex(int index)
{
    if (index < -1 || index >= combo_->count())
        index = -1;
    QSignalBlocker quiet(combo_);
    combo_->setCurrentIndex(index);
}

void TComboBox::SetStyle(TComboBoxStyle style)
{
    style_ = style;
    bool editable = style == csDropDown || style == csSimple;
    if (editable == combo_->isEditable())
        return;
    QSignalBlocker quiet(combo_);
    int index = combo_->currentIndex();
    combo_->setEditable(editable);
    if (editable) {
        combo_->setInsertPolicy(QComboBox::NoInsert);
        combo_->setCompleter(nullptr);
        QLineEdit* edit = combo_->lineEdit();
        // Qt's own limit (32767 characters) would cut a text set by code.
        edit->setMaxLength(std::numeric_limits<int>::max());
        QObject::connect(edit, &QLineEdit::textEdited, SignalContext(), [this] {
            NoteUserChange();
            FromQt([this] { Fire(OnChange); });
        });
    }
    combo_->setCurrentIndex(index);
}

void TComboBox::UserPicked(int index)
{
    NoteUserChange();
    FromQt([this] {
        Fire(OnClick);
        if (OnSelect)
            Fire(OnSelect);
        else
            Fire(OnChange);
    });
}

void TComboBox::SetDropDownCount(int count)
{
    dropDownCount_ = count;
    combo_->setMaxVisibleItems(std::max(1, count));
}

bool TComboBox::DroppedDown() const { return combo_->view() && combo_->view()->isVisible(); }

void TComboBox::SetDroppedDown(bool down)
{
    if (down)
        combo_->showPopup();
    else
        combo_->hidePopup();
}

void TComboBox::Clear()
{
    items_->Clear();
    if (combo_->isEditable()) {
        QSignalBlocker quiet(combo_);
        combo_->setEditText(QString());
    }
}

AnsiString TComboBox::ReadText() const
{
    if (combo_->isEditable())
        return ControlText(combo_->currentText());
    int index = combo_->currentIndex();
    return index >= 0 ? ControlText(combo_->itemText(index)) : AnsiString();
}

void TComboBox::WriteText(const AnsiString& text)
{
    if (combo_->isEditable()) {
        QSignalBlocker quiet(combo_);
        combo_->setEditText(ControlQString(text));
        return;
    }
    // A drop-down list shows only its items: select the one with this text
    // (case ignored), or nothing.
    SetItemIndex(items_->IndexOf(text));
}
