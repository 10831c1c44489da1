#include "QtTestEnvironment.h"

#include <QApplication>

namespace vka_test {

void EnsureQApplication()
{
    static int argc = 1;
    static char name[] = "vka_gui_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace vka_test
