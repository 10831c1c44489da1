#pragma once
// Case mapping of single bytes: ASCII, and Latin-1 letters for the "Ansi" variants.
inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

inline char Latin1Upper(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 0xE0 && u <= 0xFE && u != 0xF7))
        return static_cast<char>(u - 0x20);
    return AsciiUpper(c);
}

inline char Latin1Lower(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 0x20);
    return AsciiLower(c);
}
