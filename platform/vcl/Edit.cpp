#include "StdCtrls.h"

#include "Dialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <limits>

namespace {
// The device counts a text in bytes: those the control's text stands for.
int TextBytes(const QString& text) { return ControlText(text).Length(); }

// True when position `at` lies between the two halves of one character.
bool SplitsCharacter(const QString& text, qsizetype at)
{
    return at > 0 && at < text.size() && text.at(at - 1).isHighSurrogate() && text.at(at).isLowSurrogate();
}

// At most the first `limit` code units of `text`, never half a character.
QString StartOf(const QString& text, qsizetype limit)
{
    if (text.size() <= limit)
        return text;
    return text.left(SplitsCharacter(text, limit) ? limit - 1 : limit);
}

// The longest start of `text`, in whole characters, of at most `bytes` bytes.
QString StartWithin(const QString& text, int bytes)
{
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype units = SplitsCharacter(text, end + 1) ? 2 : 1;
        const int size = TextBytes(text.mid(end, units));
        if (size > bytes)
            break;
        bytes -= size;
        end += units;
    }
    return text.left(end);
}

// One edit of the text: `removed` units at `start` gave way to `inserted`.
struct Replacement {
    qsizetype start = 0;
    qsizetype removed = 0;
    QString inserted;
};

// The one stretch in which `before` and `after` differ, in whole characters.
Replacement Difference(const QString& before, const QString& after)
{
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    while (SplitsCharacter(before, prefix) || SplitsCharacter(after, prefix))
        --prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    while (SplitsCharacter(before, before.size() - suffix) || SplitsCharacter(after, after.size() - suffix))
        --suffix;
    return {prefix, before.size() - prefix - suffix, after.mid(prefix, after.size() - prefix - suffix)};
}

// The edit that turned `before` into `after`: typing, a paste or an input method's
// text replace the selection [start, end) (or go in at the cursor, start == end).
// Any other change (an undo, an input method reworking text before the cursor) is
// taken as the one stretch in which the texts differ.
Replacement EditOf(const QString& before, qsizetype start, qsizetype end, const QString& after)
{
    const QStringView head = QStringView(before).left(start);
    const QStringView tail = QStringView(before).mid(end);
    if (after.size() >= head.size() + tail.size() && after.startsWith(head) && after.endsWith(tail))
        return {start, end - start, after.mid(start, after.size() - head.size() - tail.size())};
    return Difference(before, after);
}

// `edit` applied to `before` where it makes the text longer than `maxBytes`: keeps the
// start of the inserted text that fits, in whole characters, where it went in; the
// rest of `before` stays as it was. `cursor` is put after what was kept.
QString FitTyping(const QString& before, const Replacement& edit, int maxBytes, qsizetype& cursor)
{
    const QString head = before.left(edit.start);
    const QString tail = before.mid(edit.start + edit.removed);
    const QString taken = StartWithin(edit.inserted, std::max(0, maxBytes - TextBytes(head) - TextBytes(tail)));
    cursor = head.size() + taken.size();
    return head + taken + tail;
}
}  // namespace

const char* const TEdit::ClippedNotice =
    "This value is too long to be shown whole, so it cannot be changed here. It is kept as it is.";

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
    // A user's edit tells only the text it left: what it replaced is the selection
    // before it. Qt reports cursor and selection moves after the text of an edit, and
    // an input method's cursor move before it: only moves over an unchanged text count.
    const auto moved = [this] {
        if (edit_->text() == widgetText_)
            RememberWidget();
    };
    QObject::connect(edit_, &QLineEdit::cursorPositionChanged, SignalContext(), moved);
    QObject::connect(edit_, &QLineEdit::selectionChanged, SignalContext(), moved);
}

void TEdit::RememberWidget()
{
    widgetText_ = edit_->text();
    selectionStart_ = edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
    selectionEnd_ = edit_->hasSelectedText() ? edit_->selectionEnd() : selectionStart_;
}

AnsiString TEdit::ReadText() const { return clipped_ ? shown_ : ControlText(edit_->text()); }

void TEdit::WriteText(const AnsiString& text)
{
    const QString whole = ControlQString(text);
    const QString shown = StartOf(whole, ShownLimit);
    clipped_ = shown.size() < whole.size();
    {
        QSignalBlocker quiet(edit_);
        edit_->setText(shown);
    }
    RememberWidget();
    shown_ = text;
    Change();
}

void TEdit::ShowInWidget(const QString& text, qsizetype cursor)
{
    QSignalBlocker quiet(edit_);
    edit_->setText(text);
    edit_->setCursorPosition(int(std::min(cursor, text.size())));
    RememberWidget();
}

void TEdit::UserEdited(const QString& text)
{
    const QString before = widgetText_;
    if (clipped_) {
        // Only the start of the value is shown: any change would write back a value the
        // user never saw whole. The value stays, and the user is told why.
        ShowInWidget(before, edit_->cursorPosition());
        QApplication::beep();
        FromQt([] { ShowMessage(ClippedNotice); });
        return;
    }
    // The widget's own text, not one made from shown_: the bytes of a value that is not
    // valid UTF-8 can join into a character when the user deletes between them, and
    // the edit must be told apart from the text around it as the user sees it.
    QString after = text;
    if (maxLength_ > 0 && TextBytes(after) > maxLength_ && TextBytes(after) > TextBytes(before)) {
        qsizetype cursor = 0;
        after = FitTyping(before, EditOf(before, selectionStart_, selectionEnd_, text), maxLength_, cursor);
        ShowInWidget(after, cursor);
        QApplication::beep();
        if (after == before)
            return;
    }
    RememberWidget();
    shown_ = ControlText(after);
    modified_ = true;
    NoteUserChange();
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
