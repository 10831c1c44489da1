#include "KwDateTimeBytes.h"

#include "KwDateTime.h"

AnsiString KwDateTimeText(const std::string& bytes)
{
    KwDateTime value;
    value.FromOctets(reinterpret_cast<const unsigned char*>(bytes.data()),
                     static_cast<int>(bytes.size()));
    return value.ToString();
}

std::string KwDateTimeBytes(const AnsiString& text)
{
    const KwDateTime value(text);
    unsigned char out[11];
    value.ToOctets(out);
    return std::string(reinterpret_cast<const char*>(out), sizeof out);
}
