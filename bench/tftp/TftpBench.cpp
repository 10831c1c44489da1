// TFTP benchmark: the same file fetched (RRQ) and sent (WRQ) with tftp-hpa's client
// `tftp` to the module's server (KwTFTPServer, in this process) and to tftp-hpa's own
// server `in.tftpd` (started here in foreground mode), on free ports of 127.0.0.1.
// Every round downloads and uploads once with each, interleaved; the report gives the
// median wall times and the median CPU time the serving side spent per megabyte, and
// their ratios. Our server's CPU is this process's own. in.tftpd serves each transfer
// in a child and ignores SIGCHLD, so its children's CPU never reaches /proc's cutime:
// the bench puts in.tftpd into a cpuacct control group of its own, whose usage counts
// exited children too, and falls back to /proc/PID/stat (the parent alone) when no
// group can be made.
//
// Run by hand after a build:
//     build-dir/bench/tftp/bench_tftp [megabytes=16] [rounds=5]
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
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <ctime>
#include <sstream>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
// CPU milliseconds this process has used.
double OwnCpuMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The CPU in.tftpd and every child it forked have used, in milliseconds.
class ReferenceCpu {
public:
    explicit ReferenceCpu(pid_t pid) : pid_(pid)
    {
        const std::string group = "/sys/fs/cgroup/cpuacct/vka-tftp-bench-" + std::to_string(::getpid());
        if (::mkdir(group.c_str(), 0755) == 0) {
            std::ofstream(group + "/tasks") << pid << std::flush;
            group_ = group;
        }
    }
    ~ReferenceCpu()
    {
        if (!group_.empty())
            ::rmdir(group_.c_str());  // empty once in.tftpd has been stopped
    }
    const char* Source() const { return group_.empty() ? "/proc (in.tftpd alone)" : "cpuacct group"; }
    double Ms() const
    {
        if (!group_.empty()) {
            std::ifstream usage(group_ + "/cpuacct.usage");
            double ns = 0;
            usage >> ns;
            return ns / 1e6;
        }
        std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos)
            return 0;
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        double ticks = 0;
        for (int i = 3; i <= 17 && fields >> field; ++i)
            if (i >= 14)  // utime, stime, cutime, cstime
                ticks += std::stod(field);
        return ticks * 1000.0 / ::sysconf(_SC_CLK_TCK);
    }

private:
    pid_t pid_;
    std::string group_;
};
// Set by SIGCHLD: a child ended. The wait for a client checks this flag and calls
// waitpid only once it is set, so no system call per loop wake-up (per block) is charged
// to our server's CPU.
volatile std::sig_atomic_t childEnded = 0;

void NoteChildEnded(int) { childEnded = 1; }

// True once `child` has ended (and is reaped into `status`).
bool Ended(pid_t child, int& status)
{
    if (!childEnded)
        return false;
    childEnded = 0;
    if (::waitpid(child, &status, WNOHANG) == child)
        return true;
    return false;  // another child's signal: this one's sets the flag again
}

// Runs tftp-hpa's client with `script` on its standard input, to its end, while the
// event loop serves. A plain child, not a QProcess: its pipes would sit in this
// process's poll set and cost our server CPU that in.tftpd does not pay. Milliseconds,
// -1 on failure.
double RunClient(std::uint16_t port, const std::string& script)
{
    char outputPattern[] = "/tmp/vka-tftp-bench-client-XXXXXX";
    const int output = ::mkstemp(outputPattern);
    int input[2];
    if (output < 0 || ::pipe(input) != 0)
        return -1;
    QElapsedTimer clock;
    clock.start();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(input[0], 0);
        ::dup2(output, 1);
        ::dup2(output, 2);
        ::close(input[1]);
        const std::string at = std::to_string(port);
        ::execlp("tftp", "tftp", "127.0.0.1", at.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(input[0]);
    if (::write(input[1], script.data(), script.size()) != static_cast<ssize_t>(script.size()))
        std::perror("write");
    ::close(input[1]);
    int status = 0;
    const bool ended = child > 0 && PumpUntil([&] { return Ended(child, status); }, 600000);
    const double ms = clock.nsecsElapsed() / 1e6;
    if (child > 0 && !ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    ::close(output);
    const std::string said = ReadFileBytes(outputPattern);
    ::unlink(outputPattern);
    if (!ended || said.find("rror") != std::string::npos || said.find("timed out") != std::string::npos) {
        std::fprintf(stderr, "tftp: %s\n", said.c_str());
        return -1;
    }
    return ms;
}

// Fetches `remote` into `localPath`.
double Fetch(std::uint16_t port, const std::string& remote, const std::string& localPath)
{
    ::unlink(localPath.c_str());
    return RunClient(port, "mode octet\nget " + remote + " " + localPath + "\nquit\n");
}

// Sends `localPath` as `remote`.
double Send(std::uint16_t port, const std::string& localPath, const std::string& remote)
{
    return RunClient(port, "mode octet\nput " + localPath + " " + remote + "\nquit\n");
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
    struct sigaction onChild {};
    onChild.sa_handler = NoteChildEnded;
    onChild.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    ::sigaction(SIGCHLD, &onChild, nullptr);
    const int megabytes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 16;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

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
    // A plain child as well, so no pipe of its sits in this process's poll set.
    const std::string address = "127.0.0.1:" + std::to_string(hpaPort);
    const pid_t reference = ::fork();
    if (reference == 0) {
        ::execlp("in.tftpd", "in.tftpd", "-L", "-c", "-a", address.c_str(), "-s", folder.c_str(),
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int referenceStatus = 0;
    PumpUntil([] { return false; }, 300);  // let it bind
    if (reference < 0 || ::waitpid(reference, &referenceStatus, WNOHANG) != 0) {
        std::fprintf(stderr, "in.tftpd did not start or stopped (install tftpd-hpa; -s needs root)\n");
        return 1;
    }
    ReferenceCpu hpaCpu(reference);
    // The CPU a transfer cost its server.
    const auto ourCpu = [](const std::function<double()>& transfer, double& cpuMs) {
        const double before = OwnCpuMs();
        const double ms = transfer();
        cpuMs = OwnCpuMs() - before;
        return ms;
    };
    const auto theirCpu = [&hpaCpu](const std::function<double()>& transfer, double& cpuMs) {
        const double before = hpaCpu.Ms();
        const double ms = transfer();
        cpuMs = hpaCpu.Ms() - before;
        return ms;
    };

    std::vector<double> ours, theirs, oursUp, theirsUp;
    std::vector<double> oursCpu, theirsCpu, oursUpCpu, theirsUpCpu;
    bool identical = true;
    const std::string oursUploaded = folder + "/up-ours.bin", theirsUploaded = folder + "/up-hpa.bin";
    for (int round = 0; round < rounds; ++round) {
        double cpu[4] = {};
        // Which server goes first alternates, so neither always meets a warm cache.
        const bool oursFirst = round % 2 == 0;
        double a = 0, b = 0, c = 0, d = 0;
        const auto fetchOurs = [&] {
            a = ourCpu([&] { return Fetch(ourPort, "bench.bin", received); }, cpu[0]);
            identical = identical && ReadFileBytes(received) == content;
        };
        const auto fetchTheirs = [&] {
            b = theirCpu([&] { return Fetch(hpaPort, "bench.bin", received); }, cpu[1]);
            identical = identical && ReadFileBytes(received) == content;
        };
        const auto sendOurs = [&] {
            ::unlink(oursUploaded.c_str());
            c = ourCpu([&] { return Send(ourPort, served, "up-ours.bin"); }, cpu[2]);
            identical = identical && ReadFileBytes(oursUploaded) == content;
        };
        const auto sendTheirs = [&] {
            ::unlink(theirsUploaded.c_str());
            d = theirCpu([&] { return Send(hpaPort, served, "up-hpa.bin"); }, cpu[3]);
            identical = identical && ReadFileBytes(theirsUploaded) == content;
        };
        if (oursFirst) {
            fetchOurs(), fetchTheirs(), sendOurs(), sendTheirs();
        } else {
            fetchTheirs(), fetchOurs(), sendTheirs(), sendOurs();
        }
        if (a < 0 || b < 0 || c < 0 || d < 0) {
            std::fprintf(stderr, "a transfer failed in round %d\n", round + 1);
            return 1;
        }
        ours.push_back(a);
        theirs.push_back(b);
        oursUp.push_back(c);
        theirsUp.push_back(d);
        oursCpu.push_back(cpu[0] / megabytes);
        theirsCpu.push_back(cpu[1] / megabytes);
        oursUpCpu.push_back(cpu[2] / megabytes);
        theirsUpCpu.push_back(cpu[3] / megabytes);
        std::printf("round %d: download KwTFTPServer %.0f ms (CPU %.0f ms), in.tftpd %.0f ms (CPU %.0f ms); "
                    "upload KwTFTPServer %.0f ms (CPU %.0f ms), in.tftpd %.0f ms (CPU %.0f ms)\n",
                    round + 1, a, cpu[0], b, cpu[1], c, cpu[2], d, cpu[3]);
    }
    ::unlink(oursUploaded.c_str());
    ::unlink(theirsUploaded.c_str());
    ::kill(reference, SIGTERM);
    ::waitpid(reference, &referenceStatus, 0);
    server.Stop();
    ::unlink(received.c_str());
    ::rmdir(localFolder.c_str());
    ::unlink(served.c_str());
    ::rmdir(folder.c_str());

    std::printf("file %d MB, %d rounds, files identical: %s, in.tftpd CPU from %s\n", megabytes, rounds,
                identical ? "yes" : "NO", hpaCpu.Source());
    // Besides the ratio of the medians, the median of the rounds' own ratios: both
    // servers of a round ran back to back, so a load burst of the machine mostly hits both.
    const auto pairedRatio = [](const std::vector<double>& a, const std::vector<double>& b) {
        std::vector<double> ratios;
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
            if (b[i] > 0)
                ratios.push_back(a[i] / b[i]);
        return ratios.empty() ? 0.0 : Median(ratios);
    };
    const auto report = [&](const char* what, const std::vector<double>& a, const std::vector<double>& b,
                            const std::vector<double>& aCpu, const std::vector<double>& bCpu) {
        const double mine = Median(a), ref = Median(b), mineCpu = Median(aCpu), refCpu = Median(bCpu);
        std::printf("%s: median KwTFTPServer %.0f ms (%.1f MB/s), in.tftpd %.0f ms (%.1f MB/s), ratio %.2f; "
                    "CPU per MB KwTFTPServer %.2f ms, in.tftpd %.2f ms, ratio %.2f; "
                    "median of round ratios: wall %.2f, CPU %.2f\n",
                    what, mine, megabytes * 1000.0 / mine, ref, megabytes * 1000.0 / ref, mine / ref, mineCpu, refCpu,
                    refCpu > 0 ? mineCpu / refCpu : 0.0, pairedRatio(a, b), pairedRatio(aCpu, bCpu));
    };
    report("download (RRQ)", ours, theirs, oursCpu, theirsCpu);
    report("upload (WRQ)", oursUp, theirsUp, oursUpCpu, theirsUpCpu);
    return identical ? 0 : 1;
}
