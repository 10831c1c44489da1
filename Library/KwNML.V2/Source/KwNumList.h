#pragma once
// A small list of 32-bit numbers parsed from delimited text such as 1,3,5 or
// 192.168.0.1. The text is expected to hold digits and delimiters only; nothing is
// validated (the edit constraints filter typed characters to that set).
#include <vector>

template <class T>
class KwNumList {
public:
    KwNumList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    // The caller keeps index within 0 .. Count() - 1.
    T Item(int index) const { return items_[index]; }
    T operator[](int index) const { return items_[index]; }
    const std::vector<T>& Items() const { return items_; }

    // Number of items the text holds: 0 for a missing or empty text, otherwise the
    // number of delimiter characters plus 1.
    int CountItems(const char* text) const;
    // Replaces the items by those of the text.
    void Parse(const char* text);
    // Position of the first item equal to value, or -1.
    int IndexOf(T value) const;
    // True when every item lies between min and max inclusive (also when empty).
    bool InRange(T min, T max) const;

    char Delimiter = '.';

private:
    std::vector<T> items_;
};

extern template class KwNumList<int>;
extern template class KwNumList<unsigned int>;
