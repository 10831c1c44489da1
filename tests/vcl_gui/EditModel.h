#pragma once
// What a user expects of a line edit limited to a number of bytes, as the device
// counts them: the text a step leaves, given the text and selection it found. Texts are
// as the edit shows them: a character of four bytes is two UTF-16 units, a byte that is
// no valid UTF-8 is the lone unit U+DC00 + byte.
#include <QString>

struct EditState {
    QString text;
    qsizetype start = 0;  // the selection [start, end); the cursor when they are equal
    qsizetype end = 0;
    int maxBytes = 0;  // 0: no limit
    bool password = false;
};

namespace EditModel {
int Bytes(const QString& text);
// True unless `at` lies between the two units of one character.
bool OnBoundary(const QString& text, qsizetype at);
// No character cut in half: every unit of a pair has its other half, and a lone unit
// stands for a byte.
bool IsWhole(const QString& text);
// Typing or pasting `inserted` over the selection: when the text would grow past the
// limit, the longest start of `inserted` in whole characters that fits.
QString Inserted(const EditState& state, const QString& inserted);
// An input method's commit: the selection goes, then `length` units from
// `replacementStart` (counted from where the selection was), and `commit` goes in
// there as Inserted would put it. Unchanged when that range cuts a character or runs
// off the text, and when the commit brings nothing.
QString Committed(const EditState& state, const QString& commit, int replacementStart, int length);
// Backspace (`backwards`) or Delete: the selection, or what Qt takes next to the
// cursor: Backspace one character (code point) before it; Delete, in a plain edit, the
// character as the user sees it after it (a grapheme: a flag, an emoji with its skin
// tone or combining mark), in a password edit, whose marks stand for UTF-16 units, one
// code point.
QString Erased(const EditState& state, bool backwards);
}  // namespace EditModel
