// TimeTicks: hundredths of a second. Printable forms: "h:mm:ss.hh" below one day,
// "1 day h:mm:ss.hh" for one whole day, "N days, h:mm:ss.hh" from two days on.
#pragma once
#include <cstdint>
#include <string>
#include "SnmpStatus.h"

class TimeTicks {
public:
    TimeTicks(unsigned long hundredths = 0) : value_(static_cast<uint32_t>(hundredths)) {}
    operator unsigned long() const { return value_; }
    int get_syntax() const { return sNMP_SYNTAX_TIMETICKS; }
    std::string get_printable() const;

    // Reads a printable form back: "N days" (else "N day") gives whole days and
    // reading goes on after that word, then after the first ',' if any; then hours
    // before ':', minutes before the next ':', seconds before '.', hundredths after
    // it. A part whose separator is missing is not counted; a bare number gives 0.
    // The count wraps modulo 2^32.
    static TimeTicks from_printable(const std::string& text);

private:
    uint32_t value_;
};
