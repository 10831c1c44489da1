#include "QtTestEnvironment.h"

#include "TempFolder.h"

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <cstdlib>
#include <sys/stat.h>

namespace vka_test {

namespace {

QtMessageHandler toolkitHandler = nullptr;

// The offscreen platform says this for every window a form sizes: noise, not a finding.
void DropSizeHintsNotice(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    toolkitHandler(type, context, message);
}

// Without a session's runtime folder Qt warns and makes its own in $TMPDIR, left there:
// the program gets one in its own temporary folder, private as Qt wants it.
void GiveRuntimeFolder()
{
    const char* given = std::getenv("XDG_RUNTIME_DIR");
    if ((given && *given) || ProgramTempFolder().empty())
        return;
    const std::string runtime = ProgramTempFolder() + "/runtime";
    if (::mkdir(runtime.c_str(), 0700) == 0)
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
}

}  // namespace

void EnsureQApplication()
{
    static int argc = 1;
    static char name[] = "vka_gui_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        GiveRuntimeFolder();
        toolkitHandler = qInstallMessageHandler(DropSizeHintsNotice);
        new QApplication(argc, argv);
    }
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace vka_test
