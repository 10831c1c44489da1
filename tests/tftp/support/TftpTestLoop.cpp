#include "TftpTestLoop.h"

#include <QCoreApplication>
#include <QProcess>

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
