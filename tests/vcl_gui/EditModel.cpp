#include "EditModel.h"

#include "Controls.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {
bool IsPairAt(const QString& text, qsizetype at)
{
    return at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
}

// Units of the character that starts at `at`.
qsizetype CharacterAt(const QString& text, qsizetype at) { return IsPairAt(text, at) ? 2 : 1; }

// Units of the grapheme (the character as the user sees it) that starts at `at`.
qsizetype GraphemeAt(const QString& text, qsizetype at)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(at);
    const qsizetype next = graphemes.toNextBoundary();
    return next > at ? next - at : CharacterAt(text, at);
}

QString Without(const QString& text, qsizetype start, qsizetype end) { return text.left(start) + text.mid(end); }

// `inserted` at `at` of `kept`, cut to fit as typing is when the result would grow
// past the limit beyond `before`.
QString Fitted(const QString& before, const QString& kept, qsizetype at, const QString& inserted, int maxBytes)
{
    const QString whole = kept.left(at) + inserted + kept.mid(at);
    const int bytes = EditModel::Bytes(whole);
    if (maxBytes == 0 || bytes <= maxBytes || bytes <= EditModel::Bytes(before))
        return whole;
    QString taken;
    for (qsizetype i = 0; i < inserted.size();) {
        const QString next = inserted.mid(i, CharacterAt(inserted, i));
        if (EditModel::Bytes(kept) + EditModel::Bytes(taken + next) > maxBytes)
            break;
        taken += next;
        i += next.size();
    }
    return kept.left(at) + taken + kept.mid(at);
}
}  // namespace

namespace EditModel {
int Bytes(const QString& text) { return ControlText(text).Length(); }

bool OnBoundary(const QString& text, qsizetype at) { return at <= 0 || !IsPairAt(text, at - 1); }

bool IsWhole(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); i += CharacterAt(text, i)) {
        if (!IsPairAt(text, i) && (text[i].isHighSurrogate() || (text[i].isLowSurrogate() && text[i] < QChar(0xDC80))))
            return false;
    }
    return true;
}

QString Inserted(const EditState& state, const QString& inserted)
{
    return Fitted(state.text, Without(state.text, state.start, state.end), state.start, inserted, state.maxBytes);
}

QString Committed(const EditState& state, const QString& commit, int replacementStart, int length)
{
    if (commit.isEmpty() && length == 0)
        return state.text;  // no input: the preedit only
    const QString rest = Without(state.text, state.start, state.end);
    const qsizetype from = std::max<qsizetype>(0, state.start + replacementStart);
    const qsizetype to = from + length;
    if (to > rest.size() || !OnBoundary(rest, from) || !OnBoundary(rest, to))
        return state.text;
    return Fitted(state.text, Without(rest, from, to), from, commit, state.maxBytes);
}

QString Erased(const EditState& state, bool backwards)
{
    if (state.start != state.end)
        return Without(state.text, state.start, state.end);
    const qsizetype at = state.start;
    if (backwards && at > 0)
        return Without(state.text, at - (at >= 2 && IsPairAt(state.text, at - 2) ? 2 : 1), at);
    if (!backwards && at < state.text.size()) {
        const qsizetype units = state.password ? CharacterAt(state.text, at) : GraphemeAt(state.text, at);
        return Without(state.text, at, at + units);
    }
    return state.text;
}
}  // namespace EditModel
