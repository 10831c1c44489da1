#include "SingleInstance.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A caption no other test run uses.
std::string UniqueCaption(const char* tag)
{
    return std::string("VKA-7410 : test-") + tag + "-" + std::to_string(::getpid());
}

// A child process that takes the guard as `user`, reports on `ready`, and waits to be told to go.
struct GuardHolder {
    pid_t pid = -1;
    int release = -1;

    bool Start(const std::string& caption, uid_t user = ::geteuid())
    {
        int ready[2], go[2];
        if (::pipe(ready) != 0 || ::pipe(go) != 0)
            return false;
        pid = ::fork();
        if (pid == 0) {
            ::close(ready[0]);
            ::close(go[1]);
            SingleInstanceGuard guard;
            char status = (user == ::geteuid() || ::setuid(user) == 0) && guard.Acquire(caption) == SingleInstanceGuard::Acquired ? 'y' : 'n';
            (void)!::write(ready[1], &status, 1);
            char dummy;
            (void)!::read(go[0], &dummy, 1);  // returns when the parent writes or closes
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(go[0]);
        release = go[1];
        char status = 0;
        bool ok = ::read(ready[0], &status, 1) == 1 && status == 'y';
        ::close(ready[0]);
        return ok;
    }
    void Stop(bool kill = false)
    {
        if (kill)
            ::kill(pid, SIGKILL);
        ::close(release);
        int status;
        ::waitpid(pid, &status, 0);
    }
};

TEST(SingleInstance, AGuardHeldByAnotherProcessIsRefusedUntilItEndsOrIsKilled)
{
    const LoginSession own = LoginSession::Own();
    for (bool kill : {false, true}) {
        const std::string caption = UniqueCaption(kill ? "kill" : "exit");
        GuardHolder holder;
        ASSERT_TRUE(holder.Start(caption));
        SingleInstanceGuard mine;
        EXPECT_EQ(SingleInstanceGuard::AlreadyRunning, mine.Acquire(caption));
        EXPECT_FALSE(mine.Held());
        SingleInstanceGuard other;  // another device's caption is a different guard
        EXPECT_EQ(SingleInstanceGuard::Acquired, other.Acquire(caption + "2"));
        // Another login session of this user, or another user, holds guards of its own.
        EXPECT_EQ(SingleInstanceGuard::Acquired, SingleInstanceGuard().Acquire(caption, {own.user, own.id + "9"}));
        EXPECT_EQ(SingleInstanceGuard::Acquired, SingleInstanceGuard().Acquire(caption, {own.user + 1, own.id}));
        holder.Stop(kill);
        EXPECT_EQ(SingleInstanceGuard::Acquired, mine.Acquire(caption)) << kill;
    }
    GuardHolder nobody;  // another user's module for the same device, where one can run here
    if (::geteuid() == 0) {
        ASSERT_TRUE(nobody.Start(UniqueCaption("user"), 65534));
        EXPECT_EQ(SingleInstanceGuard::Acquired, SingleInstanceGuard().Acquire(UniqueCaption("user")));
        nobody.Stop();
    }
    EXPECT_EQ("3", LoginSession::Of(7, "3", "c5").id);  // the kernel's audit session first, where set
    EXPECT_EQ("c5", LoginSession::Of(7, "4294967295", "c5").id);
    EXPECT_EQ("", LoginSession::Of(7, "", nullptr).id);
}

TEST(SingleInstance, MutexCallsReportAlreadyExists)
{
    const std::string caption = UniqueCaption("mutex");
    HANDLE first = CreateMutexA(nullptr, 1, caption.c_str());
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), GetLastError());
    HANDLE second = CreateMutexA(nullptr, 1, caption.c_str());
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError());
    CloseHandle(second);
    CloseHandle(first);
    HANDLE third = CreateMutexA(nullptr, 1, caption.c_str());
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), GetLastError());
    CloseHandle(third);
}

TEST(SingleInstance, CaptionNeverBecomesAPath)
{
    // Slashes, dots and very long captions map to a fixed-size name of safe characters.
    for (std::string caption : {std::string("../../etc/passwd"), std::string(500, 'x'),
                                std::string("VKA-7410 : 10.0.0.1")}) {
        std::string name = SingleInstanceGuard::NameFor(caption);
        EXPECT_EQ(std::string::npos, name.find('/'));
        EXPECT_LT(name.size(), 100u);
        SingleInstanceGuard guard;
        EXPECT_NE(SingleInstanceGuard::Failed, guard.Acquire(caption + UniqueCaption("p")));
    }
    EXPECT_NE(SingleInstanceGuard::NameFor("VKA-7410 : 10.0.0.1"),
              SingleInstanceGuard::NameFor("VKA-7410 : 10.0.0.2"));
}

}  // namespace
