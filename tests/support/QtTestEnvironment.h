#pragma once
// One QApplication for every test of a GUI test program, made as the program makes
// it: forms, not Qt, decide when it ends (no quit when the last window closes).
// GUI test programs get it from their main (tests/support/qt_main). It comes with a
// runtime folder of the program's own when the session gives none, and without the
// offscreen platform's notice "This plugin does not support propagateSizeHints()".
#include <gtest/gtest.h>

namespace vka_test {

// Makes the QApplication unless there is one already.
void EnsureQApplication();

class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override { EnsureQApplication(); }
};

}  // namespace vka_test
