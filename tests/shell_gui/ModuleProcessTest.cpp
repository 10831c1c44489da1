// The module program itself, started as the host system starts it: a command line, a
// registry file naming the profile folder, a profile with the agent port, and a
// writable working folder. The device's journal shows the two-second status poll.
// Started without standard streams, it puts /dev/null in their place, so that its
// warnings never go into a socket of its own; on a display nobody serves it ends with
// status 1, not with the toolkit's abort.
#include "ShellFixture.h"

#include <climits>
#include <optional>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace shell_test;

namespace {
// The program, stopped and reaped at the end of the test.
class ModuleProcess {
public:
    enum Streams { WithStreams, WithoutStreams };
    // The X display the program is sent to; offscreen where none is given.
    ModuleProcess(const std::string& workFolder, const std::vector<std::string>& arguments,
                  Streams streams = WithStreams, const std::string& xDisplay = "")
    {
        pid_ = fork();
        if (pid_ != 0)
            return;
        if (chdir(workFolder.c_str()) != 0)
            _exit(127);
        if (streams == WithoutStreams)
            for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
                close(stream);
        setenv("QT_QPA_PLATFORM", xDisplay.empty() ? "offscreen" : "xcb", 1);
        setenv("DISPLAY", xDisplay.c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(VKA_MODULE_PROGRAM)};
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(VKA_MODULE_PROGRAM, argv.data());
        _exit(127);
    }
    ~ModuleProcess()
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    bool Running() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }
    // The wait status once the program ended by itself, within the seconds given.
    std::optional<int> Ended(double seconds)
    {
        int status = 0;
        if (!PumpUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, seconds))
            return std::nullopt;
        pid_ = -1;
        return status;
    }
    // What the program's file descriptor refers to ("" when it has none).
    std::string Descriptor(int fd) const
    {
        char target[PATH_MAX];
        const std::string link = "/proc/" + std::to_string(pid_) + "/fd/" + std::to_string(fd);
        const ssize_t length = readlink(link.c_str(), target, sizeof target);
        return length > 0 ? std::string(target, size_t(length)) : std::string();
    }

private:
    pid_t pid_ = -1;
};
}  // namespace

TEST_F(ShellTest, TheModuleProgramPollsSysDescrWithItsReadCommunity)
{
    StartDevice("prairie", "gale");
    WriteDeviceProfile(Address());
    ModuleProcess module(folder, {"/I" + Address(), "/Rprairie", "/Wgale"});

    // Several polls, about two seconds apart (not timed here, only counted).
    ASSERT_TRUE(PumpUntil([&] { return RequestsFor(device, "GET", SysDescr0).size() >= 3; }, 20))
        << "polls seen: " << RequestsFor(device, "GET", SysDescr0).size();
    EXPECT_TRUE(module.Running());
    for (const auto& poll : RequestsFor(device, "GET", SysDescr0)) {
        EXPECT_EQ(poll.Security, "prairie");
        EXPECT_EQ(poll.Version, "1");
        EXPECT_EQ(poll.Status, "noError");
        EXPECT_EQ(poll.Bindings.size(), 1u);
    }
    // Start-up's reads went out too, and the boots counter file was written in the
    // working folder.
    EXPECT_FALSE(RequestsFor(device, "GET", ApMode).empty());
    EXPECT_FALSE(ReadFile(folder + "KwSNMP_PP_BootCounter").empty());
}

TEST_F(ShellTest, TheModuleProgramStartedWithoutStandardStreamsGivesThemDevNull)
{
    StartDevice("prairie", "gale");
    WriteDeviceProfile(Address());
    ModuleProcess module(folder, {"/I" + Address(), "/Rprairie", "/Wgale"}, ModuleProcess::WithoutStreams);

    // Up and polling: the toolkit and the device's session have opened what they need.
    ASSERT_TRUE(PumpUntil([&] { return RequestsFor(device, "GET", SysDescr0).size() >= 2; }, 20))
        << "polls seen: " << RequestsFor(device, "GET", SysDescr0).size();
    ASSERT_TRUE(module.Running());
    for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        EXPECT_EQ(module.Descriptor(stream), "/dev/null") << "standard stream " << stream;
}

TEST_F(ShellTest, TheModuleProgramOnADisplayNobodyServesEndsWithStatusOne)
{
    StartDevice("prairie", "gale");
    WriteDeviceProfile(Address());
    int display = 700;
    for (struct stat socket{}; ::stat(("/tmp/.X11-unix/X" + std::to_string(display)).c_str(), &socket) == 0;)
        ++display;
    ModuleProcess module(folder, {"/I" + Address(), "/Rprairie", "/Wgale"}, ModuleProcess::WithoutStreams,
                         ":" + std::to_string(display));

    const std::optional<int> status = module.Ended(20);
    ASSERT_TRUE(status.has_value());
    EXPECT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
    EXPECT_EQ(WEXITSTATUS(*status), 1);
    EXPECT_TRUE(RequestsFor(device, "GET", SysDescr0).empty());
}
