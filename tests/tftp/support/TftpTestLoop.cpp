#include "TftpTestLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

bool PumpUntil(const std::function<bool()>& done, int maxMs)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake;  // bounds each wait, so an idle loop still rechecks `done`
    wake.start(5);
    while (!done()) {
        if (clock.elapsed() >= maxMs)
            return done();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void PumpFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    PumpUntil([&] { return clock.elapsed() >= ms; }, ms + 1000);
}

ProcessResult RunPumping(const QString& program, const QStringList& arguments,
                         const std::string& input, int maxMs)
{
    ProcessResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        result.Output = "cannot start " + program.toStdString();
        return result;
    }
    if (!input.empty())
        process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    result.Finished = PumpUntil([&] { return process.state() == QProcess::NotRunning; }, maxMs);
    if (!result.Finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.Output = process.readAll().toStdString();
    result.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

void EnsureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "tftp_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* application = new QCoreApplication(argc, argv);  // never deleted
    (void)application;
}
