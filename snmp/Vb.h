// A variable binding: an OID and one typed value, or no value (NULL, or one of
// the exceptions noSuchObject, noSuchInstance, endOfMibView).
#pragma once
#include <cstdint>
#include <string>
#include "Address.h"
#include "Counter64.h"
#include "OctetStr.h"
#include "Oid.h"
#include "SmiIntegers.h"
#include "SnmpStatus.h"
#include "TimeTicks.h"

class Vb {
public:
    Vb() = default;
    explicit Vb(const Oid& oid) : oid_(oid) {}

    void set_oid(const Oid& oid) { oid_ = oid; }
    void get_oid(Oid& oid) const { oid = oid_; }
    const Oid& get_oid() const { return oid_; }
    const char* get_printable_oid() const { return oid_.get_printable(); }

    // Setting a value also sets the syntax.
    void set_value(const SnmpInt32& v);
    void set_value(const SnmpUInt32& v);      // keeps Counter32 / Gauge32 / UInt32 kind
    void set_value(const TimeTicks& v);
    void set_value(const Counter64& v);
    void set_value(const OctetStr& v);
    void set_value(const Oid& v);
    void set_value(const IpAddress& v);
    void set_value(long v) { set_value(SnmpInt32(v)); }
    void set_value(int v) { set_value(SnmpInt32(v)); }
    void set_value(const char* text) { set_value(OctetStr(text)); }
    void set_opaque(const OctetStr& bytes);   // OCTET STRING bytes tagged Opaque
    void set_null();                          // no value (sent as an explicit NULL)
    // Sets the syntax tag; the value becomes the zero value of that syntax
    // (an exception syntax or NULL gives "no value").
    void set_syntax(int syntax);

    // Reading: SNMP_CLASS_SUCCESS, or SNMP_CLASS_INVALID when the value is not of
    // a kind the out-type can hold (the out-value is then left unchanged).
    int get_value(SnmpInt32& v) const;        // INTEGER
    int get_value(long& v) const;             // INTEGER
    int get_value(unsigned long& v) const;    // Counter32, Gauge32, UInt32, TimeTicks
    int get_value(SnmpUInt32& v) const;       // as unsigned long
    int get_value(Counter32& v) const;        // as unsigned long
    int get_value(Gauge32& v) const;          // as unsigned long
    int get_value(TimeTicks& v) const;        // TimeTicks, Counter32, Gauge32, UInt32
    int get_value(Counter64& v) const;        // Counter64
    int get_value(OctetStr& v) const;         // OCTET STRING, Opaque, BITS
    int get_value(Oid& v) const;              // OBJECT IDENTIFIER
    int get_value(IpAddress& v) const;        // IpAddress

    int get_syntax() const { return syntax_; }
    // True for NULL and the three exceptions.
    bool has_no_value() const;
    // The exception syntax (0x80..0x82), or 0 when the binding has none.
    int get_exception_status() const;

    // The value as text: INTEGER signed decimal; Counter32, Gauge32, UInt32
    // unsigned decimal; TimeTicks as TimeTicks::get_printable; Counter64 decimal;
    // OCTET STRING / Opaque the bytes up to the first zero byte; OID dotted;
    // IpAddress dotted; "" for no value (NULL and the exceptions).
    const char* get_printable_value() const;

    bool valid() const { return oid_.valid(); }

private:
    void clear_value();
    Oid oid_;
    int syntax_ = sNMP_SYNTAX_NULL;
    int64_t number_ = 0;        // INTEGER, 32-bit unsigned kinds
    uint64_t counter64_ = 0;
    std::string bytes_;         // OCTET STRING, Opaque, IpAddress (4 bytes)
    Oid oidValue_;
    mutable std::string printable_;
};
