// TFTP benchmark: the same file fetched (RRQ) and sent (WRQ) with tftp-hpa's client
// `tftp` to the module's server (KwTFTPServer, in this process) and to tftp-hpa's own
// server `in.tftpd` (started here in foreground mode), on free ports of 127.0.0.1.
// Every round downloads and uploads once with each; the report gives the median times
// and their ratios.
//
// Run by hand after a build:
//     build-dir/bench/tftp/bench_tftp [megabytes=16] [rounds=3]
// Needs the Debian packages tftp-hpa (client) and tftpd-hpa (in.tftpd). in.tftpd is
// started as `in.tftpd -L -c -a 127.0.0.1:PORT -s DIR`; -s makes it chroot into DIR,
// which needs root (as non-root it refuses to start and the bench says so); -c lets
// uploads create files.
// A ratio above 1 means the module's server is slower than in.tftpd.
#include "KwTFTPServer.h"
#include "TftpTestFiles.h"
#include "TftpTestLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
// Fetches `remote` into `localPath` with tftp-hpa's client; milliseconds, -1 on failure.
double Fetch(std::uint16_t port, const std::string& remote, const std::string& localPath)
{
    ::unlink(localPath.c_str());
    QElapsedTimer clock;
    clock.start();
    const ProcessResult run = RunPumping("tftp", {"127.0.0.1", QString::number(port)},
                                         "mode octet\nget " + remote + " " + localPath + "\nquit\n", 600000);
    const double ms = clock.nsecsElapsed() / 1e6;
    if (!run.Finished || run.Output.find("rror") != std::string::npos ||
        run.Output.find("timed out") != std::string::npos) {
        std::fprintf(stderr, "tftp: %s\n", run.Output.c_str());
        return -1;
    }
    return ms;
}

// Sends `localPath` as `remote` with tftp-hpa's client; milliseconds, -1 on failure.
double Send(std::uint16_t port, const std::string& localPath, const std::string& remote)
{
    QElapsedTimer clock;
    clock.start();
    const ProcessResult run = RunPumping("tftp", {"127.0.0.1", QString::number(port)},
                                         "mode octet\nput " + localPath + " " + remote + "\nquit\n", 600000);
    const double ms = clock.nsecsElapsed() / 1e6;
    if (!run.Finished || run.Output.find("rror") != std::string::npos ||
        run.Output.find("timed out") != std::string::npos) {
        std::fprintf(stderr, "tftp: %s\n", run.Output.c_str());
        return -1;
    }
    return ms;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 16;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    char pattern[] = "/tmp/vka-tftp-bench-XXXXXX";
    if (!::mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string folder = pattern;
    ::chmod(folder.c_str(), 0777);  // in.tftpd serves (and creates uploads) as an unprivileged user
    const std::string served = folder + "/bench.bin";
    std::string content(static_cast<std::size_t>(megabytes) << 20, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>((i * 2654435761u) >> 13);
    std::ofstream(served, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
    ::chmod(served.c_str(), 0644);
    char localPattern[] = "/tmp/vka-tftp-bench-out-XXXXXX";
    const std::string localFolder = ::mkdtemp(localPattern);
    const std::string received = localFolder + "/got.bin";

    KwTFTPServer server(nullptr);
    server.SetListenAddress("127.0.0.1");
    server.SetTimeout(300, 3);
    const std::uint16_t ourPort = FreeUdpPort();
    server.Start(folder.c_str(), ourPort);

    const std::uint16_t hpaPort = FreeUdpPort();
    QProcess reference;
    reference.setProcessChannelMode(QProcess::MergedChannels);
    reference.start("in.tftpd", {"-L", "-c", "-a", QString("127.0.0.1:%1").arg(hpaPort), "-s",
                                 QString::fromStdString(folder)});
    if (!reference.waitForStarted(5000)) {
        std::fprintf(stderr, "cannot start in.tftpd (install tftpd-hpa)\n");
        return 1;
    }
    PumpUntil([] { return false; }, 300);  // let it bind
    if (reference.state() == QProcess::NotRunning) {
        std::fprintf(stderr, "in.tftpd stopped: %s\n", reference.readAll().constData());
        return 1;
    }

    std::vector<double> ours, theirs, oursUp, theirsUp;
    bool identical = true;
    const std::string oursUploaded = folder + "/up-ours.bin", theirsUploaded = folder + "/up-hpa.bin";
    for (int round = 0; round < rounds; ++round) {
        const double a = Fetch(ourPort, "bench.bin", received);
        identical = identical && ReadFileBytes(received) == content;
        const double b = Fetch(hpaPort, "bench.bin", received);
        identical = identical && ReadFileBytes(received) == content;
        ::unlink(oursUploaded.c_str());
        ::unlink(theirsUploaded.c_str());
        const double c = Send(ourPort, served, "up-ours.bin");
        identical = identical && ReadFileBytes(oursUploaded) == content;
        const double d = Send(hpaPort, served, "up-hpa.bin");
        identical = identical && ReadFileBytes(theirsUploaded) == content;
        if (a < 0 || b < 0 || c < 0 || d < 0) {
            std::fprintf(stderr, "a transfer failed in round %d\n", round + 1);
            return 1;
        }
        ours.push_back(a);
        theirs.push_back(b);
        oursUp.push_back(c);
        theirsUp.push_back(d);
        std::printf("round %d: download KwTFTPServer %.0f ms, in.tftpd %.0f ms; upload KwTFTPServer %.0f ms, "
                    "in.tftpd %.0f ms\n", round + 1, a, b, c, d);
    }
    ::unlink(oursUploaded.c_str());
    ::unlink(theirsUploaded.c_str());
    reference.kill();
    reference.waitForFinished(5000);
    server.Stop();
    ::unlink(received.c_str());
    ::rmdir(localFolder.c_str());
    ::unlink(served.c_str());
    ::rmdir(folder.c_str());

    std::printf("file %d MB, %d rounds, files identical: %s\n", megabytes, rounds, identical ? "yes" : "NO");
    const auto report = [megabytes](const char* what, const std::vector<double>& a, const std::vector<double>& b) {
        const double mine = Median(a), ref = Median(b);
        std::printf("%s: median KwTFTPServer %.0f ms (%.1f MB/s), in.tftpd %.0f ms (%.1f MB/s), ratio %.2f\n", what,
                    mine, megabytes * 1000.0 / mine, ref, megabytes * 1000.0 / ref, mine / ref);
    };
    report("download (RRQ)", ours, theirs);
    report("upload (WRQ)", oursUp, theirsUp);
    return identical ? 0 : 1;
}
