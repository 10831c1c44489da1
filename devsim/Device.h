#pragma once
// The simulated VKA-7410: reads its files, sets up net-snmp's agent without
// system configuration or persistent files, serves until told to stop.
#include "CommandLine.h"

namespace devsim {

// Exit codes of the program.
enum ExitCode { kExitOk = 0, kExitUsage = 2, kExitBadFile = 3, kExitPortInUse = 4, kExitSetup = 5 };

// Runs the device; returns the program's exit code. Faults go to stderr.
int runDevice(const Options& options);

// Asks a running device to stop (safe from a signal handler).
void requestStop();

} // namespace devsim
