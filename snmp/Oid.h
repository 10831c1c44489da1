// An object identifier: up to 128 sub-identifiers, printed dotted without a
// leading dot ("1.3.6.1.2.1.1.1.0").
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class Oid {
public:
    Oid() = default;
    // Dotted text; a leading dot is accepted. Text that is not a dotted OID of at
    // most 128 sub-identifiers, each below 2^32, gives an invalid Oid.
    Oid(const char* dotted);
    Oid(const std::string& dotted) : Oid(dotted.c_str()) {}
    Oid(const uint32_t* subIds, unsigned long count);

    bool valid() const { return valid_; }
    unsigned long len() const { return ids_.size(); }
    // Sub-identifier access, 0-based; out of range reads give 0 and writes nothing.
    uint32_t operator[](unsigned long index) const;
    void set_sub(unsigned long index, uint32_t value);

    // Compares the first n sub-identifiers (fewer when either is shorter, the
    // shorter then ordering first): 0 equal, -1 less, 1 greater.
    int nCompare(unsigned long n, const Oid& other) const;
    // Removes the last n sub-identifiers.
    void trim(unsigned long n = 1);

    Oid& operator+=(uint32_t subId);          // append one (invalid beyond 128)
    Oid& operator+=(const Oid& suffix);
    Oid& operator+=(const char* dottedSuffix);

    const char* get_printable() const;        // "" for an empty or invalid Oid
    std::string str() const { return get_printable(); }
    const std::vector<uint32_t>& ids() const { return ids_; }

    friend bool operator==(const Oid& a, const Oid& b) { return a.valid_ == b.valid_ && a.ids_ == b.ids_; }
    friend bool operator!=(const Oid& a, const Oid& b) { return !(a == b); }
    friend bool operator<(const Oid& a, const Oid& b) { return a.ids_ < b.ids_; }

private:
    std::vector<uint32_t> ids_;
    bool valid_ = true;
    mutable std::string printable_;
};
