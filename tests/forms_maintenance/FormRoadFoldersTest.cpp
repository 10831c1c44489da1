// The plain form road, as the menu tests take it, opening a form with a TFTP server:
// the server listens on the test's own free port (the device told the same), never on
// the designed port 69 that another test or a host service may hold, and the log view
// receives into the test's own per-user folder, never under the real home folder.
#include <pwd.h>
#include <unistd.h>

#include "FormTestRoad.h"
#include "FreePort.h"
#include "Systemlog.h"
#include "TftpTestFiles.h"

namespace {
class FormRoadFolders : public vka_test::FormRoad {};
}  // namespace

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
