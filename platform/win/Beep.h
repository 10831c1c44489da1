#pragma once
// The speaker beep: the desktop's bell when a GUI application runs (frequency and
// length are not under our control there), nothing otherwise. Every call is counted
// and handed to an optional hook, so tests can see the module beep.
#include "WinTypes.h"

#include <functional>

BOOL Beep(DWORD frequency, DWORD duration);

struct BeepRecord {
    DWORD frequency;
    DWORD duration;
};
// Calls made so far in this process.
int BeepCount();
// Replaces the bell: the hook gets every beep (empty function: back to the bell).
void SetBeepHook(std::function<void(const BeepRecord&)> hook);
