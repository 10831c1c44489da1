#include "StdCtrls.h"

#include "Dialogs.h"
#include "EditFitting.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <functional>
#include <limits>

namespace {
// The edit's widget: lets the control act before and after each key and input method
// event, and tells it which commit a change comes from.
class LineEditWidget : public QLineEdit {
public:
    std::function<void(QKeyEvent*)> beforeInput;  // the key, or null for a commit
    std::function<void()> afterInput;
    const QInputMethodEvent* commit = nullptr;  // while one is applied

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        beforeInput(event);
        QLineEdit::keyPressEvent(event);
        afterInput();
    }
    void inputMethodEvent(QInputMethodEvent* event) override
    {
        beforeInput(nullptr);
        commit = event;
        QLineEdit::inputMethodEvent(event);
        commit = nullptr;
        afterInput();
    }
};
}  // namespace

const char* const TEdit::ClippedNotice =
    "This value is too long to be shown whole, so it cannot be changed here. It is kept as it is.";

TEdit::TEdit(TComponent* owner) : TWinControl(owner)
{
    auto* widget = new LineEditWidget;
    edit_ = widget;
    AttachWidget(edit_);
    edit_->resize(121, 21);
    // MaxLength is ours and limits typing only; Qt's own limit (32767) would cut text
    // set by code.
    edit_->setMaxLength(std::numeric_limits<int>::max());
    widget->beforeInput = [this](QKeyEvent* key) { BeforeInput(key); };
    widget->afterInput = [this] { DropStraySelection(); };
    // Code changes the widget's text with its signals blocked: any change that is
    // reported came from the user (keys, paste, drop, undo, an input method).
    QObject::connect(edit_, &QLineEdit::textChanged, SignalContext(), [this, widget](const QString& text) {
        UserEdited(text, widget->commit);
    });
    // A user's edit tells only the text it left: what it replaced is the selection
    // before it. Qt reports cursor and selection moves after the text of an edit, and
    // an input method's cursor move before it: only moves over an unchanged text count.
    const auto moved = [this] {
        if (edit_->text() == widgetText_)
            RememberWidget();
    };
    QObject::connect(edit_, &QLineEdit::cursorPositionChanged, SignalContext(),
                     [this](int from, int to) { KeepCursorOnCharacter(from, to); });
    QObject::connect(edit_, &QLineEdit::cursorPositionChanged, SignalContext(), moved);
    QObject::connect(edit_, &QLineEdit::selectionChanged, SignalContext(), moved);
}

// A password edit shows one mark per UTF-16 unit, so its cursor can stop inside a
// character of two; it is moved on past the character, the way it was going.
void TEdit::KeepCursorOnCharacter(int from, int to)
{
    if (!SplitsCharacter(edit_->text(), to))
        return;
    const int past = to < from ? to - 1 : to + 1;
    if (!edit_->hasSelectedText() || !SelectionInText()) {
        edit_->setCursorPosition(past);
        return;
    }
    const int anchor = to == edit_->selectionStart() ? edit_->selectionEnd() : edit_->selectionStart();
    edit_->setSelection(anchor, past - anchor);
}

void TEdit::BeforeInput(QKeyEvent* key)
{
    // Qt does not report every selection it makes (an undo's, for one): the edit
    // replaces the one there is now.
    RememberWidget();
    // Qt's Delete in password mode takes one UTF-16 unit: a character of two goes whole.
    // A plain edit's Delete takes the character as the user sees it (a flag, an emoji
    // with its skin tone or combining mark), which is never half of one: left to Qt.
    const int cursor = edit_->cursorPosition();
    if (key && edit_->echoMode() == QLineEdit::Password && key->matches(QKeySequence::Delete) &&
        !edit_->hasSelectedText() && SplitsCharacter(edit_->text(), cursor + 1))
        edit_->setSelection(cursor, 2);
}

// Drops a selection the user did not make, after every key, commit and edit: Qt's redo
// can leave the one an undone removal had, over text no longer there; an input
// method's replacement that runs off the text leaves the one it could not remove, and
// Qt keeps an unseen one of an empty text for the text typed next. The next key would
// remove text the user never selected. Such a commit can also leave the cursor
// inside a character.
void TEdit::DropStraySelection()
{
    const QString text = edit_->text();
    if (!edit_->hasSelectedText() || !SelectionInText() || SplitsCharacter(text, edit_->selectionStart()) ||
        SplitsCharacter(text, edit_->selectionEnd())) {
        edit_->setCursorPosition(int(std::clamp<qsizetype>(edit_->cursorPosition(), 0, text.size())));
        edit_->deselect();
    }
    if (SplitsCharacter(text, edit_->cursorPosition()))
        edit_->setCursorPosition(edit_->cursorPosition() + 1);
    RememberWidget();
}

bool TEdit::SelectionInText() const
{
    return !edit_->hasSelectedText() || (edit_->selectionStart() >= 0 && edit_->selectionEnd() <= edit_->text().size());
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

void TEdit::UserEdited(const QString& text, const QInputMethodEvent* commit)
{
    const QString before = widgetText_;
    if (text == before)
        return;
    if (clipped_) {
        // Only the start of the value is shown: any change would write back a value the
        // user never saw whole. The value stays, and the user is told why.
        ShowInWidget(before, selectionStart_);
        QApplication::beep();
        FromQt([] { ShowMessage(ClippedNotice); });
        return;
    }
    // The widget's own text, not one made from shown_: the bytes of a value that is not
    // valid UTF-8 can join into a character when the user deletes between them, and
    // the edit must be told apart from the text around it as the user sees it.
    // An input method's commit names the range it replaces; other edits replace the
    // selection.
    Insertion edit;
    const bool soundRange = !commit || CommitOf(before, selectionStart_, selectionEnd_, commit->replacementStart(),
                                                commit->replacementLength(), commit->commitString(), edit);
    if (!commit || edit.Result() != text)
        edit = EditOf(before, selectionStart_, selectionEnd_, text);
    if (!soundRange || !IsWhole(text)) {
        // Half a character would reach the device as bytes nobody typed, and a commit
        // whose range is not in the text cannot be carried out as it asks.
        ShowInWidget(before, selectionStart_);
        QApplication::beep();
        return;
    }
    QString after = text;
    if (maxLength_ > 0 && TextBytes(after) > maxLength_ && TextBytes(after) > TextBytes(before)) {
        qsizetype cursor = 0;
        after = FitInsertion(edit, maxLength_, cursor);
        ShowInWidget(after, cursor);
        QApplication::beep();
        if (after == before)
            return;
    }
    DropStraySelection();
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
