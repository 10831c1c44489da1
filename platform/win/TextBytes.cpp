#include "TextBytes.h"
#include "TextLength.h"

namespace {
constexpr char16_t EscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence at `s` (at most `left` bytes) and its code point;
// 0 when none starts there.
int Utf8Sequence(const unsigned char* s, std::size_t left, char32_t& code)
{
    const unsigned char lead = s[0];
    int length;
    char32_t min;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (left < std::size_t(length))
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((s[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (s[i] & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;  // overlong, beyond Unicode, or a surrogate
    return length;
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}
}  // namespace

std::size_t TextCharacterCount(const std::string& bytes)
{
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t count = 0;
    for (std::size_t i = 0; i < bytes.size(); ++count) {
        char32_t code = 0;
        const int n = Utf8Sequence(s + i, bytes.size() - i, code);
        i += n == 0 ? 1 : std::size_t(n);
    }
    return count;
}

QString BytesToQString(const char* bytes, std::size_t length)
{
    const auto* s = reinterpret_cast<const unsigned char*>(bytes);
    QString text;
    text.reserve(qsizetype(length));
    for (std::size_t i = 0; i < length;) {
        char32_t code = 0;
        const int n = Utf8Sequence(s + i, length - i, code);
        if (n == 0) {
            text += QChar(char16_t(EscapeBase + s[i]));
            ++i;
            continue;
        }
        if (code < 0x10000) {
            text += QChar(char16_t(code));
        } else {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        }
        i += std::size_t(n);
    }
    return text;
}

std::string QStringToBytes(const QString& text)
{
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF) {
            out += char(unit - EscapeBase);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            AppendUtf8(out, QChar::surrogateToUcs4(unit, text.at(i + 1).unicode()));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            out += '?';  // a lone surrogate no byte stands for
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}
