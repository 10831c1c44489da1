#include "ToolkitStart.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <syslog.h>

namespace {
QtMessageHandler toolkitHandler = nullptr;

void EndOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (toolkitHandler)
            toolkitHandler(type, context, message);
        return;
    }
    const QByteArray text = message.toLocal8Bit();
    std::fprintf(stderr, "VKA7410 module: the window system cannot be used: %s\n", text.constData());
    std::fflush(stderr);
    syslog(LOG_ERR, "VKA7410 module: the window system cannot be used: %s", text.constData());
    std::_Exit(EXIT_FAILURE);
}
}  // namespace

void StartToolkit(int& argc, char** argv)
{
    toolkitHandler = qInstallMessageHandler(EndOnFatal);
    new QApplication(argc, argv);
    qInstallMessageHandler(toolkitHandler);
}
