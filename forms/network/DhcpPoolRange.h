#pragma once
// The DHCP form shows the size of the dynamic pool where the device keeps its last
// address. Both conversions take the pool's first address; they return false and
// leave the range text as it is when it cannot be converted (no dot in the first
// address, a part that is not a decimal number, an end above 255).
#include "AnsiString.h"
#include "NumberText.h"

// "50" with first address 192.168.0.100 becomes "192.168.0.149".
bool PoolCountToEnd(const AnsiString& first, AnsiString& range);
// "192.168.0.149" with first address 192.168.0.100 becomes "50".
bool PoolEndToCount(const AnsiString& first, AnsiString& range);

// True when `range` is a count from 1 to 254 whose last address, counted from the
// first address `first`, is at most .254. A first address without a number after its
// last dot is left to its own check.
bool PoolRangeFits(const AnsiString& first, const AnsiString& range);
