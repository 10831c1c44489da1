#pragma once
// How many characters a text of the module's 8-bit bytes shows as (the rule of
// TextBytes.h): each valid UTF-8 sequence is one character, and so is each byte that
// is no part of one.
#include <cstddef>
#include <string>

std::size_t TextCharacterCount(const std::string& bytes);
