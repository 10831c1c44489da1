#pragma once
// Milliseconds since an arbitrary start (CLOCK_MONOTONIC): never jumps with the
// wall clock. The 32-bit count wraps after about 49.7 days, as on Windows; compare
// ticks by unsigned subtraction.
#include "WinTypes.h"

#include <cstdint>

DWORD GetTickCount();
std::uint64_t GetTickCount64();
