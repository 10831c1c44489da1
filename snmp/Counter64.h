// Counter64: a 64-bit counter with access to its high and low 32-bit words.
#pragma once
#include <cstdint>
#include <string>
#include "SnmpStatus.h"

class Counter64 {
public:
    Counter64(unsigned long long value = 0) : value_(value) {}
    Counter64(unsigned long high, unsigned long low)
        : value_((static_cast<uint64_t>(high & 0xFFFFFFFFul) << 32) | (low & 0xFFFFFFFFul)) {}
    unsigned long high() const { return static_cast<unsigned long>(value_ >> 32); }
    unsigned long low() const { return static_cast<unsigned long>(value_ & 0xFFFFFFFFu); }
    void set_high(unsigned long h) { value_ = (static_cast<uint64_t>(h & 0xFFFFFFFFul) << 32) | (value_ & 0xFFFFFFFFu); }
    void set_low(unsigned long l) { value_ = (value_ & 0xFFFFFFFF00000000ull) | (l & 0xFFFFFFFFul); }
    operator unsigned long long() const { return value_; }
    int get_syntax() const { return sNMP_SYNTAX_CNTR64; }
    std::string get_printable() const { return std::to_string(value_); }
private:
    uint64_t value_;
};
