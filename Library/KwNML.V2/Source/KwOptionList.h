#pragma once
// Ordered value/label pairs: translates device values to the labels a user reads and
// back, and fills combo boxes and radio groups in list order, so item k of a bound
// control stands for the k-th option.
#include "AnsiString.h"
#include <memory>
#include <vector>

// Static option tables, as the catalogue and the forms declare them: a run of pairs
// ended by the first pair whose Text is null (the key of that pair is not read).
struct KwIntOption {
    int Key;
    const char* Text;
};
struct KwStrOption {
    const char* Key;
    const char* Text;
};

// Key kinds.
enum {
    KW_OPTKEY_INT = 1,     // integer keys
    KW_OPTKEY_STRING = 2,  // string keys, matched whole
    KW_OPTKEY_PREFIX = 3   // string keys matched as the leading part of a longer value
};

struct KwOption {
    int Key = 0;          // key of an integer-keyed list
    AnsiString StrKey;    // key of a string-keyed list (kinds 2 and 3)
    AnsiString Text;      // the label
};

class TComboBox;
class TRadioGroup;

class KwOptionList {
public:
    explicit KwOptionList(const KwIntOption* table, int keyKind = KW_OPTKEY_INT,
                          char caseSensitive = 0);
    KwOptionList(const KwStrOption* table, int keyKind, char caseSensitive = 0);
    ~KwOptionList();
    KwOptionList(const KwOptionList&) = delete;
    KwOptionList& operator=(const KwOptionList&) = delete;

    int KeyKind() const { return keyKind_; }
    char CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(options_.size()); }

    void Clear();
    // Appends copies of the table's pairs after the existing options.
    void AddTable(const KwIntOption* table);
    void AddTable(const KwStrOption* table);
    // Number of pairs before the first null text; 0 for a null table.
    static int CountTable(const KwIntOption* table);
    static int CountTable(const KwStrOption* table);

    // The caller keeps index within 0 .. Count() - 1.
    KwOption* Item(int index) const { return options_[index].get(); }

    // Position of the first option whose label / key matches, or -1.
    int IndexOfText(const AnsiString& text) const;
    int IndexOfValue(const AnsiString& value) const;
    // The label for a value / the value for a label; unknown input comes back unchanged.
    AnsiString ValueToText(const AnsiString& value) const;
    AnsiString TextToValue(const AnsiString& text) const;

    // Clear the control's items, then add every label in list order.
    void FillComboBox(TComboBox* comboBox) const;
    void FillRadioGroup(TRadioGroup* radioGroup) const;
    // Select by label, and by value when no label matched; -1 when neither does.
    void SelectComboBox(TComboBox* comboBox, const AnsiString& text) const;
    void SelectRadioGroup(TRadioGroup* radioGroup, const AnsiString& text) const;

private:
    bool SameLabel(const AnsiString& a, const AnsiString& b) const;
    bool HasPrefix(const AnsiString& text, const AnsiString& prefix) const;

    int keyKind_;
    char caseSensitive_;
    std::vector<std::unique_ptr<KwOption>> options_;
};
