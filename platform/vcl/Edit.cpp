#include "StdCtrls.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalBlocker>

#include <limits>

TEdit::TEdit(TComponent* owner) : TWinControl(owner)
{
    edit_ = new QLineEdit;
    AttachWidget(edit_);
    edit_->resize(121, 21);
    // MaxLength is ours and limits typing only; Qt's own limit (32767) would cut text
    // set by code.
    edit_->setMaxLength(std::numeric_limits<int>::max());
    // textEdited comes only from the user; code changes go through WriteText.
    QObject::connect(edit_, &QLineEdit::textEdited, SignalContext(), [this](const QString& text) { UserEdited(text); });
}

AnsiString TEdit::ReadText() const { return clipped_ ? shown_ : ControlText(edit_->text()); }

void TEdit::WriteText(const AnsiString& text)
{
    {
        QString shown = ControlQString(text);
        clipped_ = shown.size() > ShownLimit;
        if (clipped_)
            shown.truncate(ShownLimit);
        QSignalBlocker quiet(edit_);
        edit_->setText(shown);
    }
    shown_ = text;
    Change();
}

void TEdit::UserEdited(const QString& text)
{
    QString before = ControlQString(shown_);
    if (clipped_)
        before.truncate(ShownLimit);
    QString after = text;
    if (maxLength_ > 0 && after.size() > maxLength_ && after.size() > before.size()) {
        // Keep as much of the inserted text as fits; the rest is refused.
        int prefix = 0;
        while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
            ++prefix;
        int suffix = 0;
        while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
               before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
            ++suffix;
        int removed = int(before.size()) - prefix - suffix;
        QString inserted = after.mid(prefix, after.size() - prefix - suffix);
        int room = std::max(0, maxLength_ - (int(before.size()) - removed));
        after = before.left(prefix) + inserted.left(room) + before.right(suffix);
        int cursor = prefix + std::min<int>(room, int(inserted.size()));
        {
            QSignalBlocker quiet(edit_);
            edit_->setText(after);
            edit_->setCursorPosition(cursor);
        }
        QApplication::beep();
        if (after == before)
            return;
    }
    shown_ = ControlText(after);
    clipped_ = false;  // the user changed what is shown: that is the text now
    modified_ = true;
    FromQt([this] { Change(); });
}

bool TEdit::ReadOnly() const { return edit_->isReadOnly(); }
void TEdit::SetReadOnly(bool readOnly) { edit_->setReadOnly(readOnly); }

void TEdit::SetPasswordChar(char c)
{
    passwordChar_ = c;
    edit_->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

int TEdit::SelStart() const
{
    return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

void TEdit::SetSelStart(int start)
{
    edit_->deselect();
    edit_->setCursorPosition(std::max(0, start));
}

int TEdit::SelLength() const { return edit_->hasSelectedText() ? int(edit_->selectedText().size()) : 0; }

void TEdit::SetSelLength(int length)
{
    int start = SelStart();
    edit_->setSelection(start, std::max(0, length));
}

AnsiString TEdit::SelText() const { return ControlText(edit_->selectedText()); }

void TEdit::SelectAll() { edit_->selectAll(); }
