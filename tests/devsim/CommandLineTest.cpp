// devsim's command line and files: faults are named and end the program
// with a non-zero status before it serves anything.
#include "TempFolder.h"
#include <gtest/gtest.h>

#include "DevsimPeer.h"
#include "FreePort.h"

#include <arpa/inet.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string output;
};

ProgramRun RunDevsim(const std::string& arguments, const std::string& folder = ".")
{
    ProgramRun run;
    const std::string command = "cd '" + folder + "' && timeout 10 " + vka_test::DevsimPeer::Program() + " " + arguments;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class DevsimCommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string pattern = vka_test::MakeTempFolder("devsim-cli");
        ASSERT_FALSE(pattern.empty());
        dir = pattern;
        Write("good.state", "1.3.6.1.4.1.32473.10.37.37.1.0 INTEGER 1\n");
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::string Write(const std::string& name, const std::string& text)
    {
        std::ofstream(dir + "/" + name) << text;
        return dir + "/" + name;
    }
    std::string Port() const { return std::to_string(vka_test::FreeUdpPort()); }
    std::string dir;
};

} // namespace

TEST_F(DevsimCommandLine, BadArgumentsAreNamedWithTheUsage)
{
    struct Case { std::string arguments; std::string message; };
    for (const Case& c : std::vector<Case>{
             {"", "--port is required"},
             {"--port 0 --state x", "--port needs a number from 1 to 65535, not \"0\""},
             {"--port 65536 --state x", "--port needs a number from 1 to 65535"},
             {"--port 16x --state x", "--port needs a number"},
             {"--port 161", "--state is required"},
             {"--port 161 --state", "--state needs a value"},
             {"--port 161 --state x --verbose", "unknown argument \"--verbose\""},
             {"--port 161 --state x --address 10.0.0.1", "--address needs a loopback address 127.x.y.z, not \"10.0.0.1\""},
         }) {
        const ProgramRun run = RunDevsim(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find("devsim: " + c.message), std::string::npos) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find("usage: devsim --port N --state FILE"), std::string::npos);
    }
}

TEST_F(DevsimCommandLine, BadFilesAreNamedWithTheLine)
{
    const std::string good = dir + "/good.state";
    const std::string badState = Write("bad.state", "# fine\n1.3.6.1.4.1.32473.10.37.37.1.0 INTEGR 1\n");
    const std::string badConfig = Write("bad.conf", "read-community orchid\nuser x authPriv SHA short\n");
    const std::string badName = Write("name.conf", "user x#1 noAuthNoPriv\n");
    const std::string blank = Write("blank.conf", "user y authPriv SHA my pass phrase AES privacy-phrase\n");
    struct Case { std::string arguments; std::string message; };
    for (const Case& c : std::vector<Case>{
             {"--state " + dir + "/none.state", dir + "/none.state: cannot read the state file: it does not exist"},
             {"--state " + badState, badState + ": line 2: unknown type \"INTEGR\""},
             {"--state " + dir, dir + ": is a folder, not a state file"},
             {"--state " + good + " --config " + dir, dir + ": is a folder, not a configuration file"},
             {"--state " + good + " --config " + dir + "/none.conf",
              dir + "/none.conf: cannot read the configuration file: it does not exist"},
             {"--state " + good + " --config /dev/zero", "/dev/zero: is not a regular file, not a configuration file"},
             {"--state " + good + " --config " + badConfig, badConfig + ": line 2: user x: authentication pass phrase must have 8 to 1023 bytes"},
             {"--state " + good + " --config " + badName,
              badName + ": line 1: user name \"x#1\" must be 1 to 32 printable ASCII characters without quotes, "
                        "backslashes or \"#\""},
             {"--state " + good + " --config " + blank, blank + ": line 1: user y: authentication pass phrase must not hold blanks"},
             {"--state " + good + " --dir " + dir + "/nofolder", dir + "/nofolder: does not exist"},
             {"--state " + good + " --dir " + good, good + ": not a folder"},
             {"--state " + good + " --journal " + dir + "/nofolder/j.log",
              dir + "/nofolder/j.log: cannot open the journal for appending"},
         }) {
        const ProgramRun run = RunDevsim("--port " + Port() + " " + c.arguments);
        EXPECT_EQ(run.exitCode, 3) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find("devsim: " + c.message), std::string::npos) << c.arguments << "\n" << run.output;
    }
}

TEST_F(DevsimCommandLine, ConfigurationFaultsAreNamed)
{
    const std::string good = dir + "/good.state";
    for (const std::string& line : {std::string("user a authNoPriv SHA1 longenough"),
                                    std::string("user a authNoPriv MD5 short"),
                                    std::string("user a authNoPriv MD5 long enough readonly"),
                                    std::string("user a authPriv MD5 longenough DES private phrase"),
                                    "user a authNoPriv MD5 " + std::string(1024, 'p'),
                                    std::string("user a authPriv MD5 longenough RC4 longenough"),
                                    std::string("user a sometimes"), std::string("community public"),
                                    std::string("user a noAuthNoPriv\nuser a noAuthNoPriv"),
                                    std::string("restart-silence soon"), std::string("tftp-client curl"),
                                    std::string("tftp-port 0"), std::string("tftp-port 65536"),
                                    std::string("tftp-port sixty-nine"), std::string("log-upload sometimes")}) {
        const std::string config = Write("c.conf", line + "\n");
        const ProgramRun run = RunDevsim("--port " + Port() + " --state " + good + " --config " + config);
        EXPECT_EQ(run.exitCode, 3) << line << "\n" << run.output;
        EXPECT_NE(run.output.find(config + ": line "), std::string::npos) << line << "\n" << run.output;
    }
}

TEST_F(DevsimCommandLine, ATakenPortEndsTheProgram)
{
    int holder = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(holder, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ASSERT_EQ(::bind(holder, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    socklen_t length = sizeof address;
    ASSERT_EQ(::getsockname(holder, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const ProgramRun run = RunDevsim("--port " + std::to_string(ntohs(address.sin_port)) + " --state " + dir + "/good.state");
    ::close(holder);
    EXPECT_EQ(run.exitCode, 4) << run.output;
    EXPECT_NE(run.output.find("cannot listen on udp:127.0.0.1:"), std::string::npos) << run.output;
}

TEST_F(DevsimCommandLine, ARelativeFolderIsTakenFromTheCurrentFolder)
{
    // net-snmp's certificate index is made below the folder as the device starts,
    // without a word from net-snmp; a control socket it cannot make then ends the run.
    std::filesystem::create_directory(dir + "/files");
    const ProgramRun run = RunDevsim("--port " + Port() + " --state good.state --dir files --control none/c", dir);
    EXPECT_EQ(run.exitCode, 3) << run.output;
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/files/cert_indexes")) << run.output;
    EXPECT_EQ(run.output.find("Created directory"), std::string::npos) << run.output;
}

TEST_F(DevsimCommandLine, NetSnmpFilesStayInTheGivenFolder)
{
    // The device runs in the given folder and leaves nothing in the temporary one.
    vka_test::DevsimPeer peer;
    peer.SetStateText("1.3.6.1.4.1.32473.10.37.37.1.0 INTEGER 1\n");
    std::string error;
    ASSERT_TRUE(peer.Start(&error)) << error;
    EXPECT_TRUE(std::filesystem::is_directory(peer.Folder() + "/netsnmp"));
    peer.Stop();
    EXPECT_FALSE(peer.Running());
}
