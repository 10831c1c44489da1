#include "TempFolder.h"
#include "SnmpdPeer.h"

#include <signal.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "FreePort.h"

namespace vka_test {

namespace {

const char* const kConfig =
    "# Private test agent: loopback only, no machine configuration.\n"
    "view all included .1\n"
    "rocommunity orchid 127.0.0.1 -V all\n"
    "rwcommunity thunder 127.0.0.1 -V all\n"
    "createUser noauthuser\n"
    "createUser md5user MD5 md5password\n"
    "createUser shauser SHA shapassword\n"
    "createUser md5des MD5 md5password DES despassword\n"
    "createUser shades SHA shapassword DES despassword\n"
    "createUser shaaes SHA shapassword AES aespassword\n"
    "rwuser noauthuser noauth -V all\n"
    "rwuser md5user auth -V all\n"
    "rwuser shauser auth -V all\n"
    "rwuser md5des priv -V all\n"
    "rwuser shades priv -V all\n"
    "rwuser shaaes priv -V all\n"
    "sysServices 72\n";

// Starts the agent with its standard streams on /dev/null, so it holds no pipe of
// the test's, and ends it with the test: should the test die without Stop, the
// kernel sends the agent SIGTERM when the thread that started it ends.
pid_t spawnAgent(char* const argv[], char* const envp[])
{
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0) return pid;   // the test, or -1
    // Only async-signal-safe calls from here on.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);   // the test ended before prctl
    int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        if (null > 2) close(null);
    }
    execve(argv[0], argv, envp);
    _exit(127);
}

void sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}

SnmpdPeer::~SnmpdPeer()
{
    Stop();
}

std::string SnmpdPeer::Log() const
{
    std::ifstream in(dir_ + "/snmpd.log");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool SnmpdPeer::Start(std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error) *error = why + (dir_.empty() ? "" : "\n" + Log());
        Stop();
        return false;
    };
    if (pid_ > 0) return true;
    const std::string tmpl = vka_test::MakeTempFolder("vka-snmpd");
    if (tmpl.empty()) return fail("cannot create a temporary folder");
    dir_ = tmpl;
    std::filesystem::create_directories(dir_ + "/persist");
    std::filesystem::create_directories(dir_ + "/home");
    {
        std::ofstream conf(dir_ + "/snmpd.conf");
        conf << kConfig;
        if (!conf) return fail("cannot write snmpd.conf");
    }

    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = FreeUdpPort();
        if (port_ == 0) return fail("no free UDP port");
        std::string listen = "udp:127.0.0.1:" + std::to_string(port_);
        std::vector<std::string> args = {"/usr/sbin/snmpd", "-f", "-Lf", dir_ + "/snmpd.log", "-C", "-c",
                                         dir_ + "/snmpd.conf", "-I", "-smux", "-p", dir_ + "/snmpd.pid", listen};
        std::vector<std::string> env = {"SNMPCONFPATH=" + dir_, "SNMP_PERSISTENT_DIR=" + dir_ + "/persist",
                                        "SNMP_PERSISTENT_FILE=" + dir_ + "/persist/snmpd.conf",
                                        "HOME=" + dir_ + "/home", "MIBS=", "MIBDIRS=" + dir_,
                                        "PATH=/usr/sbin:/usr/bin:/bin"};
        std::vector<char*> argv, envp;
        for (auto& a : args) argv.push_back(&a[0]);
        argv.push_back(nullptr);
        for (auto& e : env) envp.push_back(&e[0]);
        envp.push_back(nullptr);
        pid_t pid = spawnAgent(argv.data(), envp.data());
        if (pid < 0)
            return fail("cannot start /usr/sbin/snmpd");
        pid_ = pid;

        // Ready once snmpd holds its port and has logged its start.
        for (int i = 0; i < 200; ++i) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            if (UdpPortInUse(port_) && Log().find("NET-SNMP version") != std::string::npos) return true;
            sleepMs(50);
        }
        if (pid_ > 0) return fail("snmpd did not start listening on " + listen);
        // The port was taken between choosing and binding it: try another.
    }
    return fail("snmpd exited at start");
}

void SnmpdPeer::Stop()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        bool gone = false;
        for (int i = 0; i < 100 && !gone; ++i) {
            if (waitpid(pid_, &status, WNOHANG) == pid_) gone = true;
            else sleepMs(20);
        }
        if (!gone) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
        pid_ = -1;
    }
    if (!dir_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
        dir_.clear();
    }
}

}
