// The plain form road, as the menu tests take it, opening a form with a TFTP server:
// the server listens on the test's own free port (the device told the same), never on
// the designed port 69 that another test or a host service may hold, and the log view
// receives into the test's own per-user folder, never under the real home folder. The
// port's reservation holds against every other claim until it ends.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>

#include "FormTestRoad.h"
#include "FreePort.h"
#include "Systemlog.h"
#include "TftpTestFiles.h"

namespace {
class FormRoadFolders : public vka_test::FormRoad {};

// Another program's socket on the UDP port of 127.0.0.1 (-1 when it cannot be had).
int HoldUdpPort(unsigned short port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
}  // namespace

TEST(ReservedUdpPort, HoldsItsPortAgainstEveryOtherClaimUntilItsEnd)
{
    std::optional<vka_test::ReservedUdpPort> first(std::in_place);
    const unsigned short port = first->Port();
    ASSERT_NE(port, 0);
    EXPECT_EQ(vka_test::ReservedUdpPort({port}).Port(), 0) << "a reserved port is not reserved twice";
    first.reset();
    EXPECT_EQ(vka_test::ReservedUdpPort({port}).Port(), port) << "the reservation's end frees the port";

    const int holder = HoldUdpPort(port);
    ASSERT_GE(holder, 0);
    EXPECT_EQ(vka_test::ReservedUdpPort({port}).Port(), 0) << "a port another program holds is not reserved";
    ::close(holder);
}

TEST_P(FormRoadFolders, ATransferFormServesOnTheTestsPortIntoTheTestsFolder)
{
    ASSERT_NE(tftpPort, 69);
    const std::string home = std::getenv("HOME");
    EXPECT_EQ(StateHome().rfind(home + "/", 0), 0u) << "the state folder lies in the test's home folder";
    EXPECT_NE(home, ::getpwuid(::getuid())->pw_dir) << "HOME is still the user's own";
    vka_test::RunMenuForm<TLogForm>("ViewLog1", LogForm, [&](TLogForm& form) {
        EXPECT_TRUE(vka_test::UdpPortInUse(tftpPort));
        EXPECT_TRUE(vka_test::PumpUntil([&] { return form.StatusBar1->Panels()->Items(0)->Text() == "Get OK."; }, 20))
            << form.StatusBar1->Panels()->Items(0)->Text().ToStdString();
    });
    EXPECT_FALSE(ReadFileBytes(StateHome() + "/vka7410/LogFile.RD").empty());
}

INSTANTIATE_TEST_SUITE_P(Roads, FormRoadFolders, ::testing::Values(1), vka_test::VersionName);
