#include "EditFitting.h"

#include "Controls.h"

#include <algorithm>

namespace {
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

// `before` with the `removed` units at `start` replaced by `inserted`.
Insertion Replacing(const QString& before, qsizetype start, qsizetype removed, const QString& inserted)
{
    return {before.left(start) + before.mid(start + removed), start, inserted};
}

// The one stretch in which `before` and `after` differ, in whole characters.
Insertion Difference(const QString& before, const QString& after)
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
    return Replacing(before, prefix, before.size() - prefix - suffix,
                     after.mid(prefix, after.size() - prefix - suffix));
}
}  // namespace

int TextBytes(const QString& text) { return ControlText(text).Length(); }

bool SplitsCharacter(const QString& text, qsizetype at)
{
    return at > 0 && at < text.size() && text.at(at - 1).isHighSurrogate() && text.at(at).isLowSurrogate();
}

bool IsWhole(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (QChar::isHighSurrogate(unit)) {
            if (i + 1 == text.size() || !text.at(i + 1).isLowSurrogate())
                return false;
            ++i;
        } else if (QChar::isLowSurrogate(unit) && unit < 0xDC80) {
            return false;  // not a stray byte, so the second half of a character
        }
    }
    return true;
}

QString StartOf(const QString& text, qsizetype limit)
{
    if (text.size() <= limit)
        return text;
    return text.left(SplitsCharacter(text, limit) ? limit - 1 : limit);
}

Insertion EditOf(const QString& before, qsizetype start, qsizetype end, const QString& after)
{
    const QStringView head = QStringView(before).left(start);
    const QStringView tail = QStringView(before).mid(end);
    if (after.size() >= head.size() + tail.size() && after.startsWith(head) && after.endsWith(tail))
        return Replacing(before, start, end - start, after.mid(start, after.size() - head.size() - tail.size()));
    return Difference(before, after);
}

bool CommitOf(const QString& before, qsizetype start, qsizetype end, qsizetype replacementStart,
              qsizetype length, const QString& commit, Insertion& edit)
{
    const QString rest = before.left(start) + before.mid(end);
    const qsizetype from = std::max<qsizetype>(0, start + replacementStart);
    const qsizetype to = from + std::max<qsizetype>(0, length);
    if (to > rest.size() || SplitsCharacter(rest, from) || SplitsCharacter(rest, to))
        return false;
    edit = Replacing(rest, from, to - from, commit);
    return true;
}

QString FitInsertion(const Insertion& edit, int maxBytes, qsizetype& cursor)
{
    const QString head = edit.kept.left(edit.at);
    const QString tail = edit.kept.mid(edit.at);
    const QString taken = StartWithin(edit.inserted, std::max(0, maxBytes - TextBytes(edit.kept)));
    cursor = head.size() + taken.size();
    return head + taken + tail;
}
