// The control channel for tests: loading state, slowing, dropping and
// silencing replies, and the journal of what the device received.
#include "TempFolder.h"
#include "DeviceFixture.h"
#include "DevsimNotes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace devsim_test;

namespace {

bool Answered(const ToolRun& run)
{
    return run.exitCode == 0 && run.output.find("Timeout") == std::string::npos;
}

} // namespace

TEST_F(Devsim, DelayedRepliesOutlastAShortTimeout)
{
    StartDevice();
    ASSERT_TRUE(device.DelayReplies(1500));
    EXPECT_FALSE(Answered(Tool("snmpget", Community("2c", "orchid", 1), {kApMode})));
    ToolRun patient = Tool("snmpget", Community("2c", "orchid", 5), {kApMode});
    EXPECT_TRUE(Answered(patient)) << patient.output;
    ASSERT_TRUE(device.DelayReplies(0));
    EXPECT_TRUE(Answered(Tool("snmpget", Community("2c", "orchid", 1), {kApMode})));
    // Late or not, every request is journalled with its outcome.
    const auto journal = device.Journal();
    ASSERT_EQ(journal.size(), 3u);
    for (const auto& entry : journal)
        EXPECT_EQ(entry.Status, "noError");
}

TEST_F(Devsim, DelayedSetsKeepTheirV3Security)
{
    StartDevice(SmallState(), "user shaaes authPriv SHA shapassword AES aespassword\n");
    ASSERT_TRUE(device.DelayReplies(300));
    ToolRun set = Tool("snmpset",
                       {"-v", "3", "-u", "shaaes", "-l", "authPriv", "-a", "SHA", "-A", "shapassword", "-x", "AES",
                        "-X", "aespassword", "-t", "5", "-r", "0"},
                       {kApMode, "i", "3"});
    EXPECT_TRUE(Answered(set)) << set.output;
    EXPECT_EQ(device.GetValue(kApMode), "INTEGER 3");
}

TEST_F(Devsim, DroppedRequestsGetNoReply)
{
    StartDevice();
    ASSERT_TRUE(device.DropNext(2));
    EXPECT_FALSE(Answered(Tool("snmpget", Community("2c", "orchid", 1), {kApMode})));
    EXPECT_FALSE(Answered(Tool("snmpset", Community("2c", "thunder", 1), {kApMode, "i", "3"})));
    EXPECT_TRUE(Answered(Tool("snmpget", Community("2c", "orchid", 1), {kApMode})));
    EXPECT_EQ(device.GetValue(kApMode), "INTEGER 1"); // the dropped set did nothing
    const auto journal = device.Journal();
    ASSERT_EQ(journal.size(), 3u);
    EXPECT_EQ(journal[0].Status, "dropped");
    EXPECT_EQ(journal[1].Status, "dropped");
    EXPECT_EQ(journal[1].Kind, "SET");
    EXPECT_EQ(journal[2].Status, "noError");
}

TEST_F(Devsim, ASilentDeviceAnswersNothingUntilItSpeaksAgain)
{
    StartDevice();
    ASSERT_TRUE(device.SilentFor(60));
    EXPECT_FALSE(Answered(Tool("snmpget", Community("2c", "orchid", 1), {kSysName})));
    EXPECT_FALSE(Answered(Tool("snmpget", Community("1", "orchid", 1), {kSysName})));
    ASSERT_TRUE(device.SilentFor(0));
    EXPECT_TRUE(Answered(Tool("snmpget", Community("2c", "orchid", 1), {kSysName})));
    const auto journal = device.Journal();
    ASSERT_EQ(journal.size(), 3u);
    EXPECT_EQ(journal[0].Status, "silent");
    EXPECT_EQ(journal[1].Status, "silent");
    EXPECT_EQ(journal[2].Status, "noError");
}

TEST_F(Devsim, SilenceEndsByItself)
{
    StartDevice();
    ASSERT_TRUE(device.SilentFor(2));
    EXPECT_FALSE(Answered(Tool("snmpget", Community("2c", "orchid", 1), {kSysName})));
    EXPECT_TRUE(vka_test::WaitFor([&] { return Answered(Tool("snmpget", Community("2c", "orchid", 1), {kSysName})); }));
}

TEST_F(Devsim, ARestartCommandIsAnsweredThenTheDeviceGoesSilent)
{
    StartDevice(SmallState() + kP37 + ".4.2.1.0 INTEGER 0\n", "restart-silence 60\n");
    const std::string restart = kP37 + ".4.2.1.0"; // deviceRestart
    ToolRun nothing = Tool("snmpset", Community("2c", "thunder", 1), {restart, "i", "0"});
    EXPECT_TRUE(Answered(nothing)) << nothing.output;
    EXPECT_TRUE(Answered(Tool("snmpget", Community("2c", "orchid", 1), {restart})));
    ToolRun reboot = Tool("snmpset", Community("2c", "thunder", 1), {restart, "i", "1"});
    EXPECT_TRUE(Answered(reboot)) << reboot.output;
    EXPECT_FALSE(Answered(Tool("snmpget", Community("2c", "orchid", 1), {restart})));
    const auto journal = device.Journal();
    ASSERT_EQ(journal.size(), 4u);
    EXPECT_EQ(journal[2].Status, "noError");
    EXPECT_EQ(journal[3].Status, "silent");
}

// Both restart commands leave the same System entry in the log the device sends.
TEST_F(Devsim, EveryRestartCommandAddsItsEntryToTheLog)
{
    const std::string restart = kP37 + ".4.2.1.0", upgrade = kP37 + ".4.3.2.4.0", getLog = kP37 + ".5.4.6.0";
    StartDevice(SmallState() + restart + " INTEGER 0\n" + upgrade + " INTEGER 6\n" + getLog + " INTEGER 0\n"
                + kP37 + ".5.4.4.0 IPADDRESS 127.0.0.1\n" + kP37 + ".5.4.5.0 STRING \"LogFile.RD\"\n");
    // The log file is written before its transfer, which is told to fail: no server needed.
    ASSERT_EQ(device.Control("transfer-fault fail"), "OK");
    const ToolRun set = Tool("snmpset", Community("2c", "thunder"), {upgrade, "i", "4", restart, "i", "1", getLog, "i", "1"});
    ASSERT_TRUE(Answered(set)) << set.output;
    ASSERT_NE(vka_test::WaitForDevsimOutcome(device, "tftp put LogFile.RD"), "");
    std::ifstream file(vka_test::DevsimFilesFolder(device) + "/LogFile.RD");
    int restarts = 0;
    for (std::string line; std::getline(file, line);)
        restarts += line.find(" [System]Restart requested by the manager") != std::string::npos;
    EXPECT_EQ(restarts, 2);
}

TEST_F(Devsim, LoadReplacesTheStateAndABadFileKeepsIt)
{
    StartDevice();
    const std::string next = device.Folder() + "/next.state";
    std::ofstream(next) << kP37 + ".1.1.0 STRING \"fresh\"\n";
    EXPECT_EQ(device.Control("load " + next), "OK 1");
    EXPECT_EQ(Get(kP37 + ".1.1.0").Value, "\"fresh\"");
    EXPECT_NE(Get(kApMode).Value.find("No Such"), std::string::npos);
    EXPECT_EQ(Get(kSysName).Value, "\"VKA-7410\""); // the system group is always there

    const std::string bad = device.Folder() + "/bad.state";
    std::ofstream(bad) << kP37 + ".2.0 INTEGER 1\n" + kP37 + ".3.0 INTEGER many\n";
    EXPECT_EQ(device.Control("load " + bad),
              "ERR " + bad + ": line 2: INTEGER value must be a whole number from -2147483648 to 2147483647");
    EXPECT_EQ(Get(kP37 + ".1.1.0").Value, "\"fresh\"");
    EXPECT_EQ(device.Control("load " + device.Folder() + "/missing.state").rfind("ERR ", 0), 0u);
    EXPECT_EQ(device.Control("load /dev/zero"), "ERR /dev/zero: is not a regular file, not a state file");
    EXPECT_EQ(Get(kP37 + ".1.1.0").Value, "\"fresh\"");
}

TEST_F(Devsim, DumpWritesTheWholeStateAsItStandsNow)
{
    StartDevice(SmallState() + "advance=5 " + kP37 + ".6.1.0 COUNTER32 7\n");
    ASSERT_TRUE(device.SetValue(kTftpFile, "STRING", "\"other.dcf\""));
    ASSERT_TRUE(device.RemoveVariable(kTftpCommand));
    const std::vector<std::string> lines = device.StateLines();
    ASSERT_FALSE(lines.empty());
    auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_TRUE(has(kTftpFile + " STRING \"other.dcf\""));
    EXPECT_TRUE(has(kApMode + " INTEGER 1"));
    EXPECT_TRUE(has("ro " + kFirmware + " STRING \"1.2.07\""));
    EXPECT_TRUE(has("advance=5 " + kP37 + ".6.1.0 COUNTER32 7")) << "a counter's stored base";
    const std::string name = kSysName + " STRING \"VKA-7410\"";
    EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.find(name) != std::string::npos; }),
              lines.end())
        << "the system group is part of the state";
    for (const std::string& line : lines)
        EXPECT_EQ(line.find(kTftpCommand), std::string::npos) << line;
    EXPECT_EQ(device.Control("dump"), "ERR dump needs a file path");
    EXPECT_EQ(device.Control("dump " + device.Folder() + "/no/such/folder/x").rfind("ERR cannot write", 0), 0u);
}

TEST_F(Devsim, JournalLinesCarryKindVersionSecurityAndBindings)
{
    StartDevice();
    Tool("snmpget", Community("1", "orchid"), {kApMode, kTftpServer});
    Tool("snmpgetnext", Community("2c", "orchid"), {kTftpCommand});
    Tool("snmpbulkwalk", Community("2c", "thunder"), {kP37 + ".4.10"});
    Tool("snmpset", Community("2c", "thunder"), {kTftpServer, "a", "10.9.8.7", kP37 + ".4.3.2.2.0", "x", "00FF"});
    const auto journal = device.Journal();
    ASSERT_GE(journal.size(), 4u);
    EXPECT_EQ(journal[0].Kind, "GET");
    EXPECT_EQ(journal[0].Version, "1");
    ASSERT_EQ(journal[0].Bindings.size(), 2u);
    EXPECT_EQ(journal[0].Bindings[1].Oid, kTftpServer);
    EXPECT_EQ(journal[0].Bindings[1].Type, "NULL");
    EXPECT_EQ(journal[1].Kind, "GETNEXT");
    EXPECT_EQ(journal[1].Version, "2c");
    EXPECT_EQ(journal[2].Kind, "GETBULK");
    EXPECT_EQ(journal[2].Security, "thunder");
    const auto& set = journal.back();
    EXPECT_EQ(set.Kind, "SET");
    ASSERT_EQ(set.Bindings.size(), 2u);
    EXPECT_EQ(set.Bindings[0].Type, "IPADDRESS");
    EXPECT_EQ(set.Bindings[0].Value, "10.9.8.7");
    EXPECT_EQ(set.Bindings[1].Type, "HEX");
    EXPECT_EQ(set.Bindings[1].Value, "00 FF");

    ASSERT_TRUE(device.ClearJournal());
    EXPECT_TRUE(device.Journal().empty());
    Tool("snmpget", Community("2c", "orchid"), {kSysName});
    EXPECT_EQ(device.Journal().size(), 1u);
}

TEST_F(Devsim, ControlRefusesUnknownCommandsAndBadArguments)
{
    StartDevice();
    EXPECT_EQ(device.Control("ping"), "OK");
    EXPECT_EQ(device.Control("reboot"), "ERR unknown command \"reboot\"");
    EXPECT_EQ(device.Control("delay soon").rfind("ERR ", 0), 0u);
    EXPECT_EQ(device.Control("drop -1").rfind("ERR ", 0), 0u);
    EXPECT_EQ(device.Control("silent").rfind("ERR ", 0), 0u);
    for (const std::string& walkFault : std::vector<std::string>{"walk-fault", "walk-fault " + kApMode,
                                                                  "walk-fault " + kApMode + " late",
                                                                  "walk-fault row genErr", "walk-fault none now"})
        EXPECT_EQ(device.Control(walkFault).rfind("ERR ", 0), 0u) << walkFault;
    EXPECT_EQ(device.Control("get 1.3.6.1.2.1.1.9.0"), "ERR no variable 1.3.6.1.2.1.1.9.0");
    EXPECT_EQ(device.Control("get " + kApMode), "OK " + kApMode + " INTEGER 1");
    // Still serving.
    EXPECT_EQ(Get(kApMode).Value, "1");
}

TEST_F(Devsim, TemplateAndLogCommandsRefuseWhatTheyCannotUse)
{
    const std::string clientRefresh = kP37 + ".2.1.3.4.1.1.1.1";  // fills the client table
    const std::string clientEntry = kP37 + ".2.1.3.4.2.1";
    StartDevice(clientRefresh + " INTEGER 0\n");
    struct Case { std::string command; std::string reply; };
    for (const Case& c : std::vector<Case>{{"clear-template some.table", "ERR "},
                                           {"template " + clientEntry + ".2.1 HEX 0", "ERR "},
                                           {"template 1.3.6.1.2.1.1.5.0 STRING \"x\"", "ERR "},
                                           {"log", "ERR "},
                                           {"clear-log", "OK"},
                                           {"clear-template " + clientEntry, "OK 0"}})
    {
        const std::string reply = device.Control(c.command);  // "ERR " stands for any reason
        EXPECT_EQ(c.reply == "ERR " ? reply.substr(0, 4) : reply, c.reply) << c.command;
    }
}

TEST_F(Devsim, AControlClientThatReadsNoRepliesDoesNotStopTheDevice)
{
    StartDevice();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, device.ControlPath().c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::fcntl(fd, F_SETFL, O_NONBLOCK);
    // Commands until nothing more is taken: the replies fill the channel back.
    std::string commands;
    for (int i = 0; i < 1000; ++i)
        commands += "get " + kApMode + "\n";
    int stalls = 0;
    for (int sent = 0; sent < 100000 && stalls < 20;) {
        if (::send(fd, commands.data(), commands.size(), MSG_NOSIGNAL) > 0) {
            ++sent;
            stalls = 0;
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            break; // the device gave up on this client
        ++stalls;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(Answered(Tool("snmpget", Community("2c", "orchid", 1), {kApMode})));
    EXPECT_EQ(device.Control("ping"), "OK");
    ::close(fd);
}
