#include "Oid.h"

#include <cstdlib>
#include "SnmpStatus.h"

Oid::Oid(const char* dotted)
{
    if (!dotted) return;
    const char* p = dotted;
    if (*p == '.') ++p;
    if (*p == '\0') return;                    // "" and "." give the empty Oid
    while (true) {
        if (*p < '0' || *p > '9') { ids_.clear(); valid_ = false; return; }
        uint64_t value = 0;
        while (*p >= '0' && *p <= '9') {
            value = value * 10 + static_cast<uint64_t>(*p - '0');
            if (value > 0xFFFFFFFFull) { ids_.clear(); valid_ = false; return; }
            ++p;
        }
        if (ids_.size() >= MAX_OID_LEN_SNMP) { ids_.clear(); valid_ = false; return; }
        ids_.push_back(static_cast<uint32_t>(value));
        if (*p == '\0') return;
        if (*p != '.') { ids_.clear(); valid_ = false; return; }
        ++p;
    }
}

Oid::Oid(const uint32_t* subIds, unsigned long count)
{
    if (count > MAX_OID_LEN_SNMP || (count && !subIds)) { valid_ = false; return; }
    ids_.assign(subIds, subIds + count);
}

uint32_t Oid::operator[](unsigned long index) const
{
    return index < ids_.size() ? ids_[index] : 0;
}

void Oid::set_sub(unsigned long index, uint32_t value)
{
    if (index < ids_.size()) ids_[index] = value;
}

int Oid::nCompare(unsigned long n, const Oid& other) const
{
    unsigned long i = 0;
    for (; i < n; ++i) {
        bool haveA = i < ids_.size();
        bool haveB = i < other.ids_.size();
        if (!haveA && !haveB) return 0;
        if (!haveA) return -1;
        if (!haveB) return 1;
        if (ids_[i] != other.ids_[i]) return ids_[i] < other.ids_[i] ? -1 : 1;
    }
    return 0;
}

void Oid::trim(unsigned long n)
{
    ids_.resize(n >= ids_.size() ? 0 : ids_.size() - n);
}

Oid& Oid::operator+=(uint32_t subId)
{
    if (ids_.size() >= MAX_OID_LEN_SNMP) {
        valid_ = false;
        return *this;
    }
    ids_.push_back(subId);
    return *this;
}

Oid& Oid::operator+=(const Oid& suffix)
{
    if (!suffix.valid_ || ids_.size() + suffix.ids_.size() > MAX_OID_LEN_SNMP) {
        valid_ = false;
        return *this;
    }
    ids_.insert(ids_.end(), suffix.ids_.begin(), suffix.ids_.end());
    return *this;
}

Oid& Oid::operator+=(const char* dottedSuffix)
{
    return *this += Oid(dottedSuffix);
}

const char* Oid::get_printable() const
{
    printable_.clear();
    if (!valid_) return printable_.c_str();
    for (size_t i = 0; i < ids_.size(); ++i) {
        if (i) printable_ += '.';
        printable_ += std::to_string(ids_[i]);
    }
    return printable_.c_str();
}
