// One QApplication for every test of this program (offscreen, set by CTest).
#include <QApplication>
#include <gtest/gtest.h>

namespace {
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "shell_gui_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
    }
};

::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);
}  // namespace
