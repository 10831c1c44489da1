#pragma once
// How a user's edit of a byte-limited line edit is told apart from the text around it
// and fitted into the limit. Texts are the widget's: characters of two UTF-16 units,
// and bytes that are no valid UTF-8 as lone surrogates U+DC00 + byte.
#include <QString>

// The bytes the device counts for `text`.
int TextBytes(const QString& text);

// True when position `at` lies between the two halves of one character.
bool SplitsCharacter(const QString& text, qsizetype at);

// True when no character of `text` is cut in half: every surrogate is half of a pair
// but for the stray bytes a device value may carry.
bool IsWhole(const QString& text);

// At most the first `limit` code units of `text`, never half a character.
QString StartOf(const QString& text, qsizetype limit);

// One edit of the text: `inserted` went in at `at` of `kept`, the text with what the
// edit removed taken out.
struct Insertion {
    QString kept;
    qsizetype at = 0;
    QString inserted;
    QString Result() const { return kept.left(at) + inserted + kept.mid(at); }
};

// The edit that turned `before` into `after`: typing and a paste replace the selection
// [start, end) (or go in at the cursor, start == end). Any other change (an undo, a
// drop) is taken as the one stretch in which the texts differ.
Insertion EditOf(const QString& before, qsizetype start, qsizetype end, const QString& after);

// An input method's commit: the selection [start, end) goes, then the `length` units
// from `replacementStart` (counted from where the selection was), and `commit` goes in
// there. False when the range cuts a character or runs off the text.
bool CommitOf(const QString& before, qsizetype start, qsizetype end, qsizetype replacementStart,
              qsizetype length, const QString& commit, Insertion& edit);

// `edit` where it makes the text longer than `maxBytes`: keeps the start of the
// inserted text that fits, in whole characters, where it went in; the rest stays as
// it was. `cursor` is put after what was kept.
QString FitInsertion(const Insertion& edit, int maxBytes, qsizetype& cursor);
