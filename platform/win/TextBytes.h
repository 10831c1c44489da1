#pragma once
// The one rule by which the module's 8-bit texts (device values, paths, typed text)
// become Qt text and back. Bytes are UTF-8: every valid UTF-8 sequence is shown as its
// character, and typed characters arrive as their UTF-8 bytes. A byte that is no part
// of a valid sequence (a device value in another encoding) is carried as the lone
// surrogate U+DC00 + byte, so it comes back as the same byte: any byte string survives
// a round trip through a control unchanged.
#include <QString>
#include <string>

QString BytesToQString(const char* bytes, std::size_t length);
inline QString BytesToQString(const std::string& bytes) { return BytesToQString(bytes.data(), bytes.size()); }
std::string QStringToBytes(const QString& text);
