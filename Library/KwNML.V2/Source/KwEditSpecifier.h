#pragma once
// Format specifiers of edit constraints: "%" type ["delimiter"] ["{" items "}"],
// e.g. "%s", "%h", "%u{n1x4094}", "%s{l32}", "%n,{l4f}", "%u{e.}".
//
// Two ways of reading a format of several specifiers exist side by side: the binding
// counts one edit per "%" followed by a type letter (KwCountFormatEdits), while the
// constraint cuts the format at every "%" (KwSplitFormat). They agree only on formats
// made of specifiers alone; KwCheckFormat refuses every other format with -2 before
// anything is attached, so literal text between specifiers can never slip through.
#include <vector>

#include "AnsiString.h"

struct KwEditSpecifier {
    char Type = 's';        // s h i u f n
    char Delimiter = 0;     // of type "n"
    double Minimum = 0;
    double Maximum = 0;
    int Width = 0;          // pixels; 0 keeps the edit's width
    int Length = 0;         // 0 = no limit
    unsigned short Flags = 0;
    char ExitChar = 0;
};

enum : unsigned short {
    KW_EDIT_AUTOTAB = 1,  // "a": move on when the length is reached
    KW_EDIT_FIXED = 2,    // "f": the length is exact
    KW_EDIT_NOEMPTY = 4   // "n": an empty text is refused
};

// Parses one specifier. Raises -2 "(KwCommon) Bad format specifier of edit's
// constraint!" for a bad one; a malformed number item raises EConvertError.
KwEditSpecifier KwParseEditSpecifier(const AnsiString& text);

// The format cut at every "%" that is not its first character.
std::vector<AnsiString> KwSplitFormat(const AnsiString& format);

// Number of edits a binding gives the format: one per "%" followed by s, h, i, u, f or n.
int KwCountFormatEdits(const AnsiString& format);

// Parses every piece of the format; raises -2 when a piece is bad or when the two
// readings above disagree. Returns the parsed specifiers in order.
std::vector<KwEditSpecifier> KwCheckFormat(const AnsiString& format);
