#pragma once
// The raw image of a value: its bytes in a fixed layout per syntax, through which the
// binding layer spreads one value over several controls or binds a control to a part
// of a value. Multi-byte numbers are little-endian unless the syntax says otherwise
// ("int16", "uint16", "bool16" and the year of "datetime" are big-endian).
//
// Short images follow one rule everywhere: an image shorter than its syntax's least
// length (KwRawLeastLength) is refused with -518 before anything reads it, so no
// reader ever looks past the end of an image.
#include "AnsiString.h"

// A value text as its raw image; "(NULL)" and the syntax "null" give an empty image.
// Raises -511 for an unknown syntax.
AnsiString KwTextToRaw(const AnsiString& text, int syntax);
// A raw image (a whole value or a part) as its value text. An empty image gives
// "(NULL)" ("" for "displaystr"); a short one raises -518; an unknown syntax -511.
// An "objectid" image whose length is not a multiple of 4 raises -518.
AnsiString KwRawToText(const AnsiString& raw, int syntax);
// The bytes of a part starting at `offset`: its width for fixed-width syntaxes (-519
// when the image does not hold them), the rest of the image for variable-width ones
// (empty when the offset lies at or beyond the end). An empty image gives an empty part.
AnsiString KwPartOfRaw(const AnsiString& raw, int offset, int syntax);

// Least image length RawToText reads, 0 for "null"; -1 for an unknown syntax.
int KwRawLeastLength(int syntax);
// Bytes a part of this syntax takes, 0 for the variable-width kinds and "null";
// -1 for an unknown syntax.
int KwRawPartWidth(int syntax);
