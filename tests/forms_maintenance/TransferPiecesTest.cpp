// The pieces the maintenance forms share: chosen paths split at "/" alone, the PC
// address on the device's network, the log line parser, the TFTP port stand-in, the
// form's server refusing at once what it does not expect (real clients hear why), and
// a TFTP port already taken (the form says so and closes; the module goes on).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "Cfghis.h"
#include "DeviceTransfer.h"
#include "Firmware.h"
#include "KwNetInterface.h"
#include "KwSNMPSession.h"
#include "KwTFTPServer.h"
#include "RawTftpClient.h"
#include "TempFolder.h"
#include "TftpTestLoop.h"
#include "KwTFTPMsg.h"
#include "Systemlog.h"
#include "MaintenanceRoad.h"
#include "System.h"
#include "TftpPort.h"

using namespace maintenance_test;

// Path -> "folder|name" (the root "/" is a folder, not an empty one).
TEST(TransferPieces, PathsSplitAtTheLastSlash)
{
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\cfg\\x.dcf", "refused"}, {"/home/user/cfg/x.dcf", "/home/user/cfg|x.dcf"},
        {"/home/a\\b/x.dcf", "/home/a\\b|x.dcf"}, {"/home/cfg/a\\b", "/home/cfg|a\\b"},
        {"/x.dcf", "/|x.dcf"}, {"x.dcf", "refused"}, {"/home/user/", "refused"}};
    for (const auto& [path, split] : cases) {
        TTransferPath parts;
        EXPECT_EQ(SplitTransferPath(path, parts) ? (parts.Root + "|" + parts.Name).ToStdString() : "refused", split);
    }
}

// Device address and mask -> the local address the device is told ("" none).
TEST(TransferPieces, TheInterfaceOnTheDevicesNetworkIsChosen)
{
    KwNetInterface list[3];
    const char* const local[][2] = {{"10.0.0.5", "255.0.0.0"}, {"192.168.0.100", "255.255.255.0"}, {"192.168.0.101", "255.255.255.0"}};
    for (int i = 0; i < 3; ++i) {
        list[i].Address = local[i][0];
        list[i].Netmask = local[i][1];
    }
    const struct {
        int interfaces;
        const char* device;
        const char* mask;
        const char* chosen;
    } cases[] = {{3, "192.168.0.50", "255.255.255.0", "192.168.0.100"}, {3, "172.16.0.1", "255.255.0.0", ""},
                 {0, "192.168.0.50", "255.255.255.0", ""},
                 {3, "10.200.1.1", "", "10.0.0.5"},  // without the device's mask, each interface's own decides
                 {3, "", "", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(ChooseServerAddress(list, c.interfaces, c.device, c.mask).ToStdString(), c.chosen) << c.device;
}

TEST(TransferPieces, LogLinesSplitIntoTimeTypeAndMessage)
{
    const auto Entry = [](const char* line) {
        const TLogEntry entry = ParseLogLine(line);
        return (entry.Time + "|" + entry.Type + "|" + entry.Message).ToStdString();
    };
    EXPECT_EQ(Entry("t1 | [A]m"), "t1|A|m");
    EXPECT_EQ(Entry(" 12:00 |x[a]b]c"), "12:00|a|b]c");
    EXPECT_EQ(Entry("no separators at all"), "||no separators at all");
    EXPECT_EQ(Entry("Jan  1 00:00:05 | VKA-7410 [System]System started"), "Jan  1 00:00:05|System|System started");
}

TEST(TransferPieces, ThePortStandIn)
{
    for (const char* bad : {"", "0", "65536", "12ab", "-5", "123456", "16969"}) {
        setenv(TftpPortVariable, bad, 1);
        EXPECT_EQ(TftpServerPort(), bad == std::string("16969") ? 16969 : 69) << bad;
    }
    unsetenv(TftpPortVariable);
    EXPECT_EQ(TftpServerPort(), 69);
}

// While the form expects the device to fetch "cfg.dcf", every other request is
// answered at once with an ERROR: another name, the other direction, a name outside
// the folder, the right request from a host that is not the device. When the form
// gives up on a transfer under way, its peer is told and the session ends.
TEST(TransferPieces, TheFormsServerRefusesAtOnceWhatItDoesNotExpect)
{
    vka_test::TempFolder folder("vka-transfer");
    std::ofstream(folder.Path() + "/cfg.dcf") << std::string(1500, 'c');
    const vka_test::ReservedUdpPort reserved;
    const std::uint16_t port = reserved.Port();
    setenv(TftpPortVariable, std::to_string(port).c_str(), 1);
    KwDefaultDevice.Address = "127.0.0.1";
    TForm form(nullptr);
    TTransferServer& server = *new TTransferServer(&form, 3000);  // the form's
    const bool opened = server.Open(folder.Path().c_str());
    unsetenv(TftpPortVariable);
    ASSERT_TRUE(opened);
    server.Expect("cfg.dcf", TTransferDirection::ToDevice);

    const std::string local = folder.Path() + "/client.out";
    const struct {
        ProcessResult run;
        const char* heard;  // tftp-hpa's words; atftp only fails
    } runs[] = {
        {Hpa(port, "get ../../etc/passwd " + local, 3000), "Error code 2"},
        {Hpa(port, "get other.dcf " + local, 3000), "Error code 1"},
        {Hpa(port, "put " + folder.Path() + "/cfg.dcf cfg.dcf", 3000), "Error code 2"},
        {Atftp(port, "--get", "../cfg.dcf", local, 3000), ""},
        {Atftp(port, "--get", "CFG.DCF", local, 3000), ""},
    };
    for (const auto& r : runs) {
        EXPECT_TRUE(r.run.Finished) << "no answer: " << r.run.Output;
        if (*r.heard) {
            EXPECT_NE(r.run.Output.find(r.heard), std::string::npos) << r.run.Output;
        } else {
            EXPECT_NE(r.run.ExitCode, 0) << r.run.Output;
        }
    }
    EXPECT_EQ(server.State(), TTransferState::Expecting);

    RawTftpClient stranger(0x7F000002u);
    stranger.SendRequest(port, 1, "cfg.dcf");
    const auto refused = stranger.Receive(2000);
    ASSERT_TRUE(refused) << "a host other than the device was not answered";
    EXPECT_EQ(refused->Opcode(), 5);
    EXPECT_EQ(refused->Block(), 2);

    RawTftpClient device;
    device.SendRequest(port, 1, "cfg.dcf");
    const auto first = device.Receive(2000);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Opcode(), 3);
    EXPECT_EQ(server.State(), TTransferState::Running);
    server.ExpectNothing();
    const auto told = device.Receive(2000);
    ASSERT_TRUE(told) << "the stopped transfer's peer was not told";
    EXPECT_EQ(told->Opcode(), 5);
    EXPECT_EQ(server.Server()->SessionCount(), 0);
}

namespace {
class TakenPort : public MaintenanceRoad {};
}  // namespace

// Another program holds the port: each transfer form says why it cannot serve and
// closes; the module goes on and opens other forms.
TEST_P(TakenPort, TheFormSaysSoAndCloses)
{
    const int holder = socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(holder, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_port = htons(tftpPort);
    at.sin_addr.s_addr = htonl(INADDR_ANY);
    ASSERT_EQ(bind(holder, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);

    const std::string expected = std::string("TFTP Service Init Error:") + TFTPStatusText(TFTPERR_OPEN_SOCKET).c_str();
    auto closesByItself = [&](TForm& form) {
        EXPECT_TRUE(vka_test::PumpUntil([&] { return form.ModalResult() != mrNone; }, 5));
    };
    vka_test::RunMenuForm<TFM_CfgFile>("tUpdate2", FM_CfgFile, [&](TFM_CfgFile& form) { closesByItself(form); });
    vka_test::RunMenuForm<TFM_Firmware>("Firmware1", FM_Firmware, [&](TFM_Firmware& form) { closesByItself(form); });
    vka_test::RunMenuForm<TLogForm>("ViewLog1", LogForm, [&](TLogForm& form) { closesByItself(form); });
    close(holder);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{expected, expected, expected}));
    EXPECT_TRUE(Sets().empty());

    bool opened = false;
    vka_test::RunMenuForm<TFM_Sytem>("tSystem2", FM_Sytem, [&](TFM_Sytem& form) { opened = form.Visible(); });
    EXPECT_TRUE(opened);
}

INSTANTIATE_TEST_SUITE_P(Roads, TakenPort, ::testing::Values(1), RoadName);
