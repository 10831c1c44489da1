// The file commands against a real TFTP server (tftpd-hpa's in.tftpd): the
// device runs tftp-hpa's or atftp's client once the set's reply has gone
// out, files arrive byte for byte, the outcome is a NOTE line of the journal.
#include "TempFolder.h"
#include "DeviceFixture.h"
#include "DevsimNotes.h"
#include "InTftpd.h"

#include <chrono>
#include <random>
#include <sstream>
#include <thread>

using namespace devsim_test;

namespace {

const std::string kUpgrade = kP37 + ".4.3.2.4.0";
const std::string kRestart = kP37 + ".4.2.1.0";
const std::string kFactory = kP37 + ".4.2.2.0";
const std::string kApply = kP37 + ".4.2.3.0";
const std::string kLogServer = kP37 + ".5.4.4.0";
const std::string kLogName = kP37 + ".5.4.5.0";
const std::string kLogGet = kP37 + ".5.4.6.0";
const std::string kLogClear = kP37 + ".5.4.10.0";

std::string CommandState()
{
    return SmallState() + kUpgrade + " INTEGER 6\n" + kRestart + " INTEGER 0\n" + kFactory + " INTEGER 0\n" + kApply
         + " INTEGER 0\n" + kLogServer + " IPADDRESS 192.168.1.100\n" + kLogName + " STRING \"LogFile.RD\"\n"
         + kLogGet + " INTEGER 0\n" + kLogClear + " INTEGER 0\n";
}

std::string RandomBytes(std::size_t size)
{
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

class DevsimFiles : public Devsim, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(server.Start(&error)) << error;
        StartDevice(CommandState(), "tftp-client " + GetParam() + "\ntftp-port " + std::to_string(server.Port()) + "\n");
    }

    ToolRun Set(const std::vector<std::string>& bindings)
    {
        return Tool("snmpset", Community("2c", "thunder"), bindings);
    }

    // The device's own files.
    std::string DeviceFile(const std::string& name) const { return vka_test::DevsimFilesFolder(device) + "/" + name; }
    std::string ServerFile(const std::string& name) const { return server.Folder() + "/" + name; }

    std::vector<std::string> Notes() const { return vka_test::DevsimNotes(device); }

    // Waits (at most 40 s: a client's own time-outs included) for a note
    // starting with `start`; the whole note, or "" when none came.
    std::string WaitForNote(const std::string& start) const
    {
        for (int i = 0; i < 400; ++i) {
            for (const std::string& note : Notes())
                if (note.rfind(start, 0) == 0)
                    return note;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return "";
    }

    std::string Outcome(const std::string& what) const { return vka_test::WaitForDevsimOutcome(device, what); }

    InTftpd server;
};

} // namespace

TEST_P(DevsimFiles, FirmwareCertificateAndKeyArriveByteForByte)
{
    const std::string image = RandomBytes(300000);
    // A ':' is part of the name, not a host separator.
    WriteBytes(ServerFile("fw:7410.bin"), image);
    ToolRun target = Set({kTftpServer, "a", "127.0.0.1", kTftpFile, "s", "fw:7410.bin"});
    ASSERT_EQ(target.exitCode, 0) << target.output;
    ToolRun get = Set({kTftpCommand, "i", "2"});
    ASSERT_EQ(get.exitCode, 0) << get.output;
    EXPECT_EQ(device.GetValue(kTftpCommand), "INTEGER 4"); // taken
    EXPECT_EQ(Outcome("tftp get download.img"), "tftp get download.img ok");
    EXPECT_TRUE(ReadBytes(DeviceFile("download.img")) == image);

    ASSERT_EQ(Set({kUpgrade, "i", "1"}).exitCode, 0);
    EXPECT_EQ(Outcome("upgrade firmware"), "upgrade firmware ok");
    EXPECT_TRUE(ReadBytes(DeviceFile("firmware.img")) == image);

    WriteBytes(ServerFile("device.pem"), "-----BEGIN CERTIFICATE-----\nMIIB\n-----END CERTIFICATE-----\n");
    ASSERT_EQ(Set({kTftpFile, "s", "device.pem", kTftpCommand, "i", "2"}).exitCode, 0);
    ASSERT_EQ(Set({kUpgrade, "i", "7"}).exitCode, 0); // queued behind the transfer
    EXPECT_EQ(Outcome("upgrade certificate"), "upgrade certificate ok");
    EXPECT_EQ(ReadBytes(DeviceFile("certificate.pem")), ReadBytes(ServerFile("device.pem")));

    const auto notes = Notes();
    ASSERT_GE(notes.size(), 2u);
    EXPECT_EQ(notes[0], "tftp get download.img from 127.0.0.1:" + std::to_string(server.Port()) + " \"fw:7410.bin\"");
}

TEST_P(DevsimFiles, AFailedGetKeepsTheEarlierFileAndSaysWhy)
{
    WriteBytes(DeviceFile("download.img"), "earlier image");
    ASSERT_EQ(Set({kTftpServer, "a", "127.0.0.1", kTftpFile, "s", "missing.bin", kTftpCommand, "i", "2"}).exitCode, 0);
    const std::string failed = Outcome("tftp get download.img");
    EXPECT_EQ(failed.rfind("tftp get download.img failed: ", 0), 0u) << failed;
    EXPECT_EQ(ReadBytes(DeviceFile("download.img")), "earlier image");

    // Only this machine is reached: the factory address of the module is refused at once.
    ASSERT_TRUE(device.ClearJournal());
    ASSERT_EQ(Set({kTftpServer, "a", "192.168.1.100", kTftpCommand, "i", "2"}).exitCode, 0);
    EXPECT_NE(Outcome("tftp get download.img").find("127.0.0.0/8"), std::string::npos);
    EXPECT_NE(Set({kTftpCommand, "i", "7"}).output.find("wrongValue"), std::string::npos);
}

TEST_P(DevsimFiles, AConfigurationBackupRestoresTheDevice)
{
    ASSERT_EQ(Set({kSysName, "s", "mast-7", kTftpServer, "a", "127.0.0.1", kTftpFile, "s", "backup.dcf"}).exitCode, 0);
    ASSERT_EQ(Set({kTftpCommand, "i", "3"}).exitCode, 0);
    EXPECT_EQ(Outcome("tftp put config.dcf"), "tftp put config.dcf ok");
    const std::string backup = ReadBytes(ServerFile("backup.dcf"));
    EXPECT_EQ(backup, ReadBytes(DeviceFile("config.dcf")));
    EXPECT_NE(backup.find("1.3.6.1.2.1.1.5.0 STRING \"mast-7\""), std::string::npos) << backup;
    EXPECT_EQ(backup.find(kFirmware), std::string::npos) << "read-only values are no settings";

    // The PC's copy, edited, comes back with Configsave.
    std::string edited = backup;
    edited.replace(edited.find("\"mast-7\""), 8, "\"mast-9\"");
    WriteBytes(ServerFile("backup.dcf"), edited);
    ASSERT_TRUE(device.ClearJournal());
    ASSERT_EQ(Set({kUpgrade, "i", "3"}).exitCode, 0);
    EXPECT_EQ(Outcome("tftp get restore.dcf"), "tftp get restore.dcf ok");
    EXPECT_EQ(WaitForNote("configuration restore").rfind("configuration restored ", 0), 0u);
    EXPECT_EQ(device.GetValue(kSysName), "STRING \"mast-9\"");

    // A file that is no configuration changes nothing.
    WriteBytes(ServerFile("backup.dcf"), std::string(kSysName + " STRING \"mast-10\"\n") + kApMode + " STRING \"x\"\n");
    ASSERT_TRUE(device.ClearJournal());
    ASSERT_EQ(Set({kUpgrade, "i", "3"}).exitCode, 0);
    EXPECT_EQ(WaitForNote("configuration restore").rfind("configuration restore failed: ", 0), 0u);
    EXPECT_EQ(device.GetValue(kSysName), "STRING \"mast-9\"");
    EXPECT_EQ(device.GetValue(kApMode), "INTEGER 1");

    // Nor does a value longer than a set could ever write.
    WriteBytes(ServerFile("backup.dcf"), kSysName + " STRING \"" + std::string(256, 'n') + "\"\n");
    ASSERT_TRUE(device.ClearJournal());
    ASSERT_EQ(Set({kUpgrade, "i", "3"}).exitCode, 0);
    EXPECT_EQ(WaitForNote("configuration restore"),
              "configuration restore failed: variable " + kSysName + " is longer than 255 bytes");
    EXPECT_EQ(device.GetValue(kSysName), "STRING \"mast-9\"");
}

TEST_P(DevsimFiles, TheDeviceLogIsSentAndCleared)
{
    ASSERT_EQ(Set({kLogServer, "a", "127.0.0.1", kLogName, "s", "LogFile.RD"}).exitCode, 0);
    ASSERT_EQ(Set({kLogGet, "i", "1"}).exitCode, 0);
    EXPECT_EQ(Outcome("tftp put LogFile.RD"), "tftp put LogFile.RD ok");
    const std::string log = ReadBytes(ServerFile("LogFile.RD"));
    EXPECT_EQ(log, ReadBytes(DeviceFile("LogFile.RD")));
    EXPECT_EQ(log.rfind("Jan  1 00:00:05 | VKA-7410 [System]System started", 0), 0u) << log;
    std::istringstream lines(log);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        EXPECT_EQ(line.back(), '\r');
        EXPECT_LT(line.find('|'), line.find('['));
        EXPECT_LT(line.find('['), line.find(']'));
    }
    EXPECT_EQ(count, 4);

    ASSERT_EQ(Set({kLogClear, "i", "1"}).exitCode, 0);
    EXPECT_EQ(device.Control("log Jan  1 01:00:00 | VKA-7410 [Notice]only this"), "OK");
    ASSERT_TRUE(device.ClearJournal());
    ASSERT_EQ(Set({kLogGet, "i", "1"}).exitCode, 0);
    EXPECT_EQ(Outcome("tftp put LogFile.RD"), "tftp put LogFile.RD ok");
    EXPECT_EQ(ReadBytes(ServerFile("LogFile.RD")), "Jan  1 01:00:00 | VKA-7410 [Notice]only this\r\n");
}

INSTANTIATE_TEST_SUITE_P(Clients, DevsimFiles, ::testing::Values("tftp-hpa", "atftp"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param == "atftp" ? std::string("atftp") : std::string("tftphpa");
                         });

TEST_F(Devsim, FactoryResetReloadsTheStateAndRestartsGoSilent)
{
    StartDevice(CommandState(), "restart-silence 1\n");
    auto set = [this](const std::vector<std::string>& bindings) {
        return Tool("snmpset", Community("2c", "thunder", 1), bindings);
    };
    ASSERT_EQ(set({kSysName, "s", "renamed", kApMode, "i", "3"}).exitCode, 0);
    ASSERT_EQ(set({kApply, "i", "1"}).exitCode, 0);
    EXPECT_EQ(device.GetValue(kApply), "INTEGER 0");
    ASSERT_EQ(set({kFactory, "i", "1"}).exitCode, 0);
    EXPECT_NE(Tool("snmpget", Community("2c", "orchid", 1), {kSysName}).exitCode, 0) << "silent after the reset";
    EXPECT_TRUE(vka_test::WaitFor([&] { return Get(kApMode).Value == "1"; }));
    EXPECT_EQ(Get(kSysName).Value, "\"VKA-7410\"");
    const std::string journal = ReadBytes(device.JournalPath());
    EXPECT_NE(journal.find("NOTE\tapply\n"), std::string::npos) << journal;
    EXPECT_NE(journal.find("NOTE\tfactory-reset\n"), std::string::npos) << journal;
    EXPECT_NE(set({kRestart, "i", "2"}).output.find("wrongValue"), std::string::npos);
}

TEST_F(Devsim, TheLogMaySendBeforeTheSetIsAnswered)
{
    InTftpd server;
    std::string error;
    ASSERT_TRUE(server.Start(&error)) << error;
    StartDevice(CommandState(), "tftp-port " + std::to_string(server.Port()) + "\nlog-upload before-reply\n");
    ToolRun set = Tool("snmpset", Community("2c", "thunder", 10),
                       {kLogServer, "a", "127.0.0.1", kLogName, "s", "device.log", kLogGet, "i", "1"});
    ASSERT_EQ(set.exitCode, 0) << set.output;
    // Here already, without waiting: the reply came after the transfer.
    EXPECT_EQ(ReadBytes(server.Folder() + "/device.log").rfind("Jan  1 00:00:05 | VKA-7410 [System]", 0), 0u);
    const std::string journal = ReadBytes(device.JournalPath());
    const std::size_t ok = journal.find("NOTE\ttftp put LogFile.RD ok\n");
    EXPECT_NE(ok, std::string::npos) << journal;
    EXPECT_LT(ok, journal.find("SET\t2c\tthunder\tnoError")) << journal;
    EXPECT_EQ(device.GetValue(kLogGet), "INTEGER 0");
}
