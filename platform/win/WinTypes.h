#pragma once
// The few Windows scalar types that the stand-in calls use in their signatures.
#include <cstdint>

using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BOOL = int;
using LONG = std::int32_t;
using LPCSTR = const char*;
using LPSTR = char*;
