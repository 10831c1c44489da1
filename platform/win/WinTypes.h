#pragma once
// The few Windows scalar types and system error codes that the stand-in calls use.
#include <cstdint>

using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BOOL = int;
using LONG = std::int32_t;
using LPCSTR = const char*;
using LPSTR = char*;
using HANDLE = void*;

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_ALREADY_EXISTS = 183;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr LONG ERROR_BADDB = 1009;

// The calling thread's last system error, as the stand-in calls set it.
DWORD GetLastError();
void SetLastError(DWORD error);
