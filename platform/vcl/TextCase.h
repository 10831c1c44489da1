#pragma once
// Case mapping of single bytes: ASCII letters only. Text is UTF-8, whose bytes of 128
// and above are parts of characters, never letters of their own.
inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }
