#include "TimeTicks.h"

#include <cstdio>
#include <cstring>

std::string TimeTicks::get_printable() const
{
    unsigned long t = value_;
    unsigned long days = t / 8640000ul;
    t %= 8640000ul;
    unsigned long hours = t / 360000ul;
    t %= 360000ul;
    unsigned long minutes = t / 6000ul;
    t %= 6000ul;
    unsigned long seconds = t / 100ul;
    unsigned long hundredths = t % 100ul;
    char buf[80];
    if (days == 0)
        std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else if (days == 1)
        std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else
        std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds, hundredths);
    return buf;
}

namespace {
// The decimal number at the end of [begin, end) after skipping blanks, as the
// leading number of that span (digits up to the first other character).
uint32_t leadingNumber(const std::string& s, size_t begin, size_t end)
{
    while (begin < end && (s[begin] == ' ' || s[begin] == '\t')) ++begin;
    uint32_t value = 0;
    while (begin < end && s[begin] >= '0' && s[begin] <= '9') {
        value = value * 10u + static_cast<uint32_t>(s[begin] - '0');
        ++begin;
    }
    return value;
}
}

TimeTicks TimeTicks::from_printable(const std::string& text)
{
    uint32_t total = 0;
    size_t pos = 0;
    const char* word = text.find("days") != std::string::npos ? "days" : "day";
    size_t w = text.find(word);
    if (w != std::string::npos) {
        total += leadingNumber(text, 0, w) * 8640000u;
        pos = w + std::strlen(word);
    }
    size_t comma = text.find(',', pos);
    if (comma != std::string::npos) pos = comma + 1;
    size_t c1 = text.find(':', pos);
    if (c1 == std::string::npos) return TimeTicks(total);
    total += leadingNumber(text, pos, c1) * 360000u;
    size_t c2 = text.find(':', c1 + 1);
    if (c2 == std::string::npos) return TimeTicks(total);
    total += leadingNumber(text, c1 + 1, c2) * 6000u;
    size_t dot = text.find('.', c2 + 1);
    if (dot == std::string::npos) return TimeTicks(total);
    total += leadingNumber(text, c2 + 1, dot) * 100u;
    total += leadingNumber(text, dot + 1, text.size());
    return TimeTicks(total);
}
