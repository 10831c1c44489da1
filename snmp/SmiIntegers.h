// The integer value classes: INTEGER (SnmpInt32) and the unsigned 32-bit kinds.
#pragma once
#include <cstdint>
#include <string>
#include "SnmpStatus.h"

class SnmpInt32 {
public:
    SnmpInt32(long value = 0) : value_(static_cast<int32_t>(value)) {}
    operator long() const { return value_; }
    int get_syntax() const { return sNMP_SYNTAX_INT32; }
    std::string get_printable() const { return std::to_string(value_); }
private:
    int32_t value_;
};

class SnmpUInt32 {
public:
    SnmpUInt32(unsigned long value = 0) : value_(static_cast<uint32_t>(value)) {}
    operator unsigned long() const { return value_; }
    virtual ~SnmpUInt32() = default;
    virtual int get_syntax() const { return sNMP_SYNTAX_UINT32; }
    std::string get_printable() const { return std::to_string(value_); }
protected:
    uint32_t value_;
};

class Counter32 : public SnmpUInt32 {
public:
    Counter32(unsigned long value = 0) : SnmpUInt32(value) {}
    int get_syntax() const override { return sNMP_SYNTAX_CNTR32; }
};

class Gauge32 : public SnmpUInt32 {
public:
    Gauge32(unsigned long value = 0) : SnmpUInt32(value) {}
    int get_syntax() const override { return sNMP_SYNTAX_GAUGE32; }
};
