#pragma once
// One SNMP DateAndTime value (RFC 2579): the 11 bytes in their wire order, the year
// held in host byte order. Text form "%d-%d-%d,%d:%d:%d.%d", followed by ",%c%d:%d"
// (direction, hours and minutes from UTC) when the offset is nonzero.
#include "AnsiString.h"
#include <cstdint>

#pragma pack(push, 1)
class KwDateTime {
public:
    // The current local date and time: deci-seconds 0, direction '+', offset 0:0.
    KwDateTime();
    // Parsed from the text form; fields the text does not supply are 0.
    explicit KwDateTime(const AnsiString& text);
    KwDateTime(const KwDateTime&) = default;
    KwDateTime& operator=(const KwDateTime&) = default;

    AnsiString ToString() const;
    // Exchanges the two bytes of the year (host order <-> network order).
    void SwapYear();

    // Wire form helpers for the value codecs: a received octet string of any length
    // (8 or 11 bytes in RFC 2579; missing bytes read as 0, extra bytes are ignored),
    // and the 11 bytes to send, year most significant byte first.
    void FromOctets(const unsigned char* data, int length);
    void ToOctets(unsigned char out[11]) const;

    uint16_t Year = 0;
    uint8_t Month = 0;
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minutes = 0;
    uint8_t Seconds = 0;
    uint8_t DeciSeconds = 0;
    char Direction = '+';      // '+' or '-' from UTC
    uint8_t UtcHours = 0;
    uint8_t UtcMinutes = 0;
};
#pragma pack(pop)

static_assert(sizeof(KwDateTime) == 11, "KwDateTime is the 11 bytes of DateAndTime");
