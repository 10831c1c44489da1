#include "StdCtrls.h"

#include "CallbackStrings.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

TMemo::TMemo(TComponent* owner) : TWinControl(owner)
{
    memo_ = new QPlainTextEdit;
    AttachWidget(memo_, memo_->viewport());
    memo_->resize(185, 89);
    TCallbackStrings::Access access;
    access.count = [this] { return int(SplitLines().size()); };
    access.get = [this](int i) { return SplitLines()[size_t(i)]; };
    access.insert = [this](int i, const AnsiString& s) {
        auto lines = SplitLines();
        lines.insert(lines.begin() + i, s);
        SetLines(lines);
    };
    access.put = [this](int i, const AnsiString& s) {
        auto lines = SplitLines();
        lines[size_t(i)] = s;
        SetLines(lines);
    };
    access.remove = [this](int i) {
        auto lines = SplitLines();
        lines.erase(lines.begin() + i);
        SetLines(lines);
    };
    access.clear = [this] { SetLines({}); };
    lines_ = std::make_unique<TCallbackStrings>(std::move(access));
    QObject::connect(memo_, &QPlainTextEdit::textChanged, SignalContext(), [this] {
        FromQt([this] { Fire(OnChange); });
    });
}

TMemo::~TMemo() = default;

TStrings* TMemo::Lines() const { return lines_.get(); }

std::vector<AnsiString> TMemo::SplitLines() const
{
    // A last empty line (text ending in a line break) does not count, as in the original.
    std::vector<AnsiString> lines;
    // The raw text keeps every character (toPlainText turns no-break spaces into
    // blanks); paragraphs are separated by U+2029 there.
    QString raw = memo_->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QChar('\n')).replace(QChar::LineSeparator, QChar('\n'));
    AnsiString text = ControlText(raw);
    if (text.IsEmpty())
        return lines;
    std::string current;
    for (char c : text.ToStdString()) {
        if (c == '\n') {
            lines.emplace_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        lines.emplace_back(current);
    return lines;
}

void TMemo::SetLines(const std::vector<AnsiString>& lines)
{
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            joined += '\n';
        joined += lines[i].ToStdString();
    }
    ByCode([&] {
        memo_->setPlainText(ControlQString(AnsiString(joined)));
        memo_->moveCursor(QTextCursor::End);
        memo_->verticalScrollBar()->setValue(memo_->verticalScrollBar()->maximum());
    });
}

AnsiString TMemo::ReadText() const
{
    std::string text;
    for (const AnsiString& line : SplitLines())
        text += line.ToStdString() + "\r\n";
    return AnsiString(text);
}

void TMemo::WriteText(const AnsiString& text)
{
    std::string plain;
    const std::string& raw = text.ToStdString();
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r') {
            plain += '\n';
            if (i + 1 < raw.size() && raw[i + 1] == '\n')
                ++i;
        } else {
            plain += raw[i];
        }
    }
    ByCode([&] { memo_->setPlainText(ControlQString(AnsiString(plain))); });
}

bool TMemo::ReadOnly() const { return memo_->isReadOnly(); }
void TMemo::SetReadOnly(bool readOnly) { memo_->setReadOnly(readOnly); }

void TMemo::SetWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    memo_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle style)
{
    scrollBars_ = style;
    bool horizontal = style == ssHorizontal || style == ssBoth;
    bool vertical = style == ssVertical || style == ssBoth;
    memo_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    memo_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}
