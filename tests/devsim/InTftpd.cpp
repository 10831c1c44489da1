#include "TempFolder.h"
#include "InTftpd.h"

#include "FreePort.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace devsim_test {

InTftpd::~InTftpd()
{
    Stop();
    std::error_code ignored;
    if (!folder_.empty())
        std::filesystem::remove_all(folder_, ignored);
}

bool InTftpd::Start(std::string* error)
{
    const std::string pattern = vka_test::MakeTempFolder("devsim-tftpd");
    if (pattern.empty()) {
        *error = "cannot make the server's folder";
        return false;
    }
    folder_ = pattern;
    const passwd* user = ::getpwuid(::getuid());
    const std::string userName = user ? user->pw_name : "root";
    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = vka_test::FreeUdpPort();
        const std::string address = "127.0.0.1:" + std::to_string(port_);
        const std::vector<std::string> args = {"in.tftpd", "-L", "-a", address, "-s", folder_, "-c", "-p",
                                               "-u", userName};
        pid_ = ::fork();
        if (pid_ == 0) {
            std::vector<char*> argv;
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execvp("in.tftpd", argv.data());
            ::execv("/usr/sbin/in.tftpd", argv.data());
            ::_exit(127);
        }
        for (int i = 0; i < 100 && !vka_test::UdpPortInUse(port_); ++i) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (pid_ > 0 && vka_test::UdpPortInUse(port_))
            return true;
        Stop();
    }
    *error = "in.tftpd did not start on a free port";
    return false;
}

void InTftpd::Stop()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace devsim_test
