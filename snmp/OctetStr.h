// An OCTET STRING: any bytes, NUL included.
#pragma once
#include <string>

class OctetStr {
public:
    OctetStr() = default;
    OctetStr(const char* text);                              // bytes up to the NUL
    OctetStr(const std::string& bytes) : bytes_(bytes) {}
    OctetStr(const unsigned char* data, unsigned long length);

    unsigned long len() const { return bytes_.size(); }
    const unsigned char* data() const { return reinterpret_cast<const unsigned char*>(bytes_.data()); }
    unsigned char operator[](unsigned long index) const { return index < bytes_.size() ? data()[index] : 0; }
    bool valid() const { return true; }

    // The bytes as a NUL-terminated text: reading it as a C string stops at the
    // first zero byte.
    const char* get_printable() const { return bytes_.c_str(); }
    // Two upper-case hexadecimal digits per byte, no separators: 00 11 AB -> "0011AB".
    std::string get_printable_hex() const;
    // Reads hexadecimal text: blanks are removed; with an odd count the first digit
    // alone is the first byte; then each pair is one byte, high digit first;
    // characters other than 0-9, A-F, a-f count as 0. "ABC" -> 0A BC.
    static OctetStr from_hex_string(const std::string& hex);

    const std::string& bytes() const { return bytes_; }
    friend bool operator==(const OctetStr& a, const OctetStr& b) { return a.bytes_ == b.bytes_; }
    friend bool operator!=(const OctetStr& a, const OctetStr& b) { return a.bytes_ != b.bytes_; }

private:
    std::string bytes_;
};
