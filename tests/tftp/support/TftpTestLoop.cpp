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

ProcessResult Hpa(std::uint16_t port, const std::string& command, int maxMs)
{
    return RunPumping("tftp", {"127.0.0.1", QString::number(port)},
                      "mode octet\nrexmt 1\ntimeout 30\n" + command + "\nquit\n", maxMs);
}

ProcessResult Atftp(std::uint16_t port, const char* direction, const std::string& remote,
                    const std::string& localPath, int maxMs)
{
    return RunPumping("atftp", {direction, "-r", QString::fromStdString(remote), "-l", QString::fromStdString(localPath),
                                "--tftp-timeout", "1", "127.0.0.1", QString::number(port)},
                      std::string(), maxMs);
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
