#pragma once
// Waiting in tests for work that the Qt event loop delivers (timers, posted messages,
// asynchronous replies): the loop runs in short slices until a condition holds.
// A QCoreApplication (or QApplication) must exist.
#include <functional>

namespace vka_test {

// Runs the Qt loop until `done` holds or `seconds` pass; true when it held.
bool PumpUntil(const std::function<bool()>& done, double seconds = 10.0);

// Runs the Qt loop for `seconds`.
void Pump(double seconds);

} // namespace vka_test
