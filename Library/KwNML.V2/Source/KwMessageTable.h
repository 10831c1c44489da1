#pragma once
// A message table: the texts of one range of codes. Starts with its built-in texts;
// a message file may replace them (LoadTextLines). Entries the file does not reach
// keep their built-in text, so every code of the range always has a message.
#include "AnsiString.h"
#include <memory>
#include <vector>

class KwMessageTable {
public:
    template <int N>
    constexpr KwMessageTable(const char* const (&builtIn)[N]) : builtIn_(builtIn), builtInCount_(N)
    {
    }
    KwMessageTable(const KwMessageTable&) = delete;
    KwMessageTable& operator=(const KwMessageTable&) = delete;

    // Number of entries: the built-in count, or more when a longer file was loaded.
    int Count() const;
    // The current text of an entry; empty outside 0 .. Count() - 1.
    AnsiString Text(int entry) const;
    AnsiString operator[](int entry) const { return Text(entry); }
    const char* BuiltInText(int entry) const;
    int BuiltInCount() const { return builtInCount_; }

    // Entry n becomes lines[n]; entries beyond the last line keep their built-in text.
    // The new array is built in full before it replaces the current one.
    void Replace(const std::vector<AnsiString>& lines);
    // Back to the built-in texts.
    void Restore() { loaded_.reset(); }

private:
    const char* const* builtIn_;
    int builtInCount_;
    std::unique_ptr<std::vector<AnsiString>> loaded_;
};

// Replaces the table's texts by the non-blank lines of a plain-text message file, the
// n-th non-blank line becoming entry n. Lines are kept whole and unchanged (blanks
// included) but for their line end. An unreadable or blank file changes nothing.
// Returns whether the table was replaced.
bool LoadTextLines(KwMessageTable& table, const AnsiString& path);
