#include "LoopbackAgent.h"

#include "TempFolder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vka_test {

bool LoopbackAgent::MakeFolder(const std::string& prefix)
{
    dir_ = MakeTempFolder(prefix);
    return !dir_.empty();
}

bool LoopbackAgent::Spawn(const std::vector<std::string>& args, const std::string& outputPath,
                          const std::vector<std::string>& environment)
{
    std::vector<std::string> strings = args;
    std::vector<std::string> envStrings = environment;
    std::vector<char*> argv, envp;
    for (auto& a : strings)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : envStrings)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0) {
        pid_ = pid;  // the test, or -1
        return pid > 0;
    }
    // Only async-signal-safe calls from here on. A test that dies takes its agent
    // with it; the agent holds no pipe of the test's.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent)
        _exit(127);  // the test ended before prctl
    const int output = outputPath.empty() ? open("/dev/null", O_RDWR)
                                          : open(outputPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    const int input = open("/dev/null", O_RDONLY);
    if (input >= 0)
        dup2(input, 0);
    if (output >= 0) {
        dup2(output, 1);
        dup2(output, 2);
    }
    if (environment.empty())
        execv(argv[0], argv.data());
    else
        execve(argv[0], argv.data(), envp.data());
    _exit(127);
}

bool LoopbackAgent::WaitReady(const std::function<bool()>& ready, double seconds, int* status)
{
    *status = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid_, status, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        if (ready())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

void LoopbackAgent::EndAndClean(int graceMs, bool terminate)
{
    if (pid_ > 0) {
        if (terminate)
            kill(pid_, SIGTERM);
        int status = 0;
        const bool gone = WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, graceMs / 1000.0);
        if (!gone) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
        pid_ = -1;
    }
    RemoveFolder(dir_);
    dir_.clear();
}

}  // namespace vka_test
