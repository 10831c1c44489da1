#pragma once
// A variable's value with its SNMP type, and its text form as the state file,
// the control channel and the journal write it.
//
// Type words and value texts:
//   INTEGER    -2147483648 .. 2147483647
//   STRING     "text" with C escapes \" \\ \n \r \t \xHH (an unquoted text is
//              taken as written, without leading and trailing blanks)
//   HEX        octet string as hex bytes: "00 1A 2B", "001a2b", "00:1a:2b"
//              or nothing for an empty string
//   IPADDRESS  a.b.c.d
//   COUNTER32, GAUGE32, TIMETICKS   0 .. 4294967295
//   OID        dotted numeric object identifier
//   COUNTER64  0 .. 18446744073709551615
// STRING and HEX are the same SNMP type (OCTET STRING); formatting picks
// STRING when every byte is printable ASCII, HEX otherwise.
#include "Oid.h"

#include <cstdint>
#include <optional>
#include <string>

namespace devsim {

enum class VarType { Integer, OctetString, IpAddress, Counter32, Gauge32, TimeTicks, ObjectId, Counter64 };

struct Value {
    VarType type = VarType::Integer;
    std::int64_t integer = 0;     // Integer
    std::uint64_t number = 0;     // Counter32, Gauge32, TimeTicks, Counter64
    std::string bytes;            // OctetString; IpAddress as 4 bytes
    Oid oid;                      // ObjectId

    static Value makeInteger(std::int32_t v);
    static Value makeString(std::string v);
    static Value makeUnsigned(VarType type, std::uint64_t v);
    static Value makeIp(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d);
    static Value makeOid(Oid v);

    bool operator==(const Value& other) const;
    bool operator!=(const Value& other) const { return !(*this == other); }
};

// Parses a type word (case-insensitive); STRING and HEX both give
// OctetString, `hex` tells which text form the value uses.
bool parseTypeWord(const std::string& word, VarType& type, bool& hex);

// The type word for formatting (OctetString gives "STRING").
const char* typeWord(VarType type);

// Parses a value text of the given type; on failure returns nullopt and
// writes a short reason into `error`.
std::optional<Value> parseValueText(VarType type, bool hex, const std::string& text, std::string& error);

// "TYPE value" as the state file writes it (HEX for non-printable strings).
std::string formatTypedValue(const Value& value);

// Just the value part of formatTypedValue.
std::string formatValueText(const Value& value);

} // namespace devsim
