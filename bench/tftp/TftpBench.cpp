// TFTP download benchmark: the same file fetched with tftp-hpa's client `tftp` from the
// module's server (KwTFTPServer, in this process) and from tftp-hpa's own server
// `in.tftpd` (started here in foreground mode), on free ports of 127.0.0.1. Every round
// fetches once from each; the report gives the median times and their ratio.
//
// Run by hand after a build:
//     build-dir/bench/tftp/bench_tftp [megabytes=16] [rounds=3]
// Needs the Debian packages tftp-hpa (client) and tftpd-hpa (in.tftpd). in.tftpd is
// started as `in.tftpd -L -a 127.0.0.1:PORT -s DIR`; -s makes it chroot into DIR,
// which needs root (as non-root it refuses to start and the bench says so).
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
    ::chmod(folder.c_str(), 0755);  // in.tftpd serves as an unprivileged user
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
    reference.start("in.tftpd", {"-L", "-a", QString("127.0.0.1:%1").arg(hpaPort), "-s",
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

    std::vector<double> ours, theirs;
    bool identical = true;
    for (int round = 0; round < rounds; ++round) {
        const double a = Fetch(ourPort, "bench.bin", received);
        identical = identical && ReadFileBytes(received) == content;
        const double b = Fetch(hpaPort, "bench.bin", received);
        identical = identical && ReadFileBytes(received) == content;
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "a transfer failed in round %d\n", round + 1);
            return 1;
        }
        ours.push_back(a);
        theirs.push_back(b);
        std::printf("round %d: KwTFTPServer %.0f ms, in.tftpd %.0f ms\n", round + 1, a, b);
    }
    reference.kill();
    reference.waitForFinished(5000);
    server.Stop();
    ::unlink(received.c_str());
    ::rmdir(localFolder.c_str());
    ::unlink(served.c_str());
    ::rmdir(folder.c_str());

    const double mine = Median(ours), ref = Median(theirs);
    std::printf("file %d MB, %d rounds, files identical: %s\n", megabytes, rounds, identical ? "yes" : "NO");
    std::printf("median KwTFTPServer %.0f ms (%.1f MB/s), in.tftpd %.0f ms (%.1f MB/s)\n", mine,
                megabytes * 1000.0 / mine, ref, megabytes * 1000.0 / ref);
    std::printf("ratio KwTFTPServer / in.tftpd: %.2f\n", mine / ref);
    return identical ? 0 : 1;
}
