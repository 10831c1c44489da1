#include "KwNumList.h"

#include <cmath>
#include <cstdint>
#include <limits>

template <class T>
int KwNumList<T>::CountItems(const char* text) const
{
    if (!text || !*text)
        return 0;
    int count = 1;
    for (const char* p = text; *p; ++p)
        if (*p == Delimiter)
            ++count;
    return count;
}

template <class T>
void KwNumList<T>::Parse(const char* text)
{
    items_.clear();
    int count = CountItems(text);
    if (count == 0)
        return;
    items_.assign(count, T(0));

    std::size_t k = 0;
    double fraction = 0.0;
    for (const char* p = text; *p; ++p) {
        char c = *p;
        if (c == Delimiter) {
            ++k;
            fraction = 0.0;
        } else if (c == '.') {
            fraction = 1.0;
        } else {
            int digit = static_cast<unsigned char>(c) - '0';
            T& item = items_[k];
            if (fraction == 0.0) {
                // Wraps at 32 bits instead of overflowing.
                uint32_t wide = static_cast<uint32_t>(item) * 10u + static_cast<uint32_t>(digit);
                item = static_cast<T>(wide);
            } else {
                fraction *= 0.1;
                double value = std::trunc(static_cast<double>(item) + digit * fraction);
                if (value < static_cast<double>(std::numeric_limits<T>::min()))
                    value = static_cast<double>(std::numeric_limits<T>::min());
                if (value > static_cast<double>(std::numeric_limits<T>::max()))
                    value = static_cast<double>(std::numeric_limits<T>::max());
                item = static_cast<T>(value);
            }
        }
    }
}

template <class T>
int KwNumList<T>::IndexOf(T value) const
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == value)
            return static_cast<int>(i);
    return -1;
}

template <class T>
bool KwNumList<T>::InRange(T min, T max) const
{
    for (T item : items_)
        if (item < min || item > max)
            return false;
    return true;
}

template class KwNumList<int>;
template class KwNumList<unsigned int>;
