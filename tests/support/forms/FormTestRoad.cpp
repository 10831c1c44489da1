#include "TempFolder.h"
#include "FormTestRoad.h"
#include "JournalBindings.h"

#include <QApplication>
#include <algorithm>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "KwSNMPSession.h"
#include "TftpPort.h"

namespace vka_test {

const char* const FormV3User = "shades";
const char* const FormV3AuthPass = "shapassword";
const char* const FormV3PrivPass = "despassword";

std::string DefaultStateText()
{
    std::ifstream file(VKA_DEFAULT_STATE_FILE);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

::testing::internal::ValueArray<int, int, int> AllVersions() { return ::testing::Values(0, 1, 3); }

std::string VersionName(const ::testing::TestParamInfo<int>& info)
{
    return info.param == 0 ? "V1" : info.param == 1 ? "V2c" : "V3";
}

void OpenFormSession()
{
    static bool open = false;
    if (open)
        return;
    const std::string folder = vka_test::MakeTempFolder("vka-form");
    ASSERT_FALSE(folder.empty());
    KwSNMPInitSession(folder.c_str());
    open = true;
}

void AimFormSession(unsigned short port, int version)
{
    KwDefaultDevice.Address = "127.0.0.1";
    KwDefaultDevice.Port = port;
    KwDefaultSecurity = KwSNMPSecurity{};
    KwDefaultSecurity.Version = static_cast<unsigned char>(version);
    KwDefaultSecurity.ReadCommunity = "orchid";
    KwDefaultSecurity.WriteCommunity = "thunder";
    KwDefaultSecurity.SecurityModel = 1;
    KwDefaultSecurity.SecurityLevel = 1;
    KwDefaultSecurity.AuthProtocol = 1;
    KwDefaultSecurity.PrivProtocol = 1;
    if (version == 3) {
        KwDefaultSecurity.SecurityModel = 3;
        KwDefaultSecurity.SecurityLevel = 3;  // authPriv
        KwDefaultSecurity.SecurityName = FormV3User;
        KwDefaultSecurity.AuthProtocol = 3;  // SHA
        KwDefaultSecurity.PrivProtocol = 2;  // DES
        KwDefaultSecurity.AuthPassword = FormV3AuthPass;
        KwDefaultSecurity.PrivPassword = FormV3PrivPass;
    }
}

void RunMenuItem(const char* itemName, const std::function<void()>& body,
                 const std::function<bool()>& globalIsNull)
{
    bool ran = false;
    QTimer::singleShot(0, QApplication::instance(), [&] {
        ran = true;
        body();
        // Whatever the body left open (a modal box of its own is answered by the
        // scripted dialogs), the form goes now.
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    EXPECT_TRUE(OpenMenuForm(itemName)) << itemName << " has no opener";
    EXPECT_TRUE(ran) << "the form's modal loop never ran";
    EXPECT_TRUE(globalIsNull()) << "the global still points at the deleted form";
}

void FormRoad::SetUp()
{
    ASSERT_FALSE(home_.Path().empty());
    tftpPort = tftpReservation_.Port();
    ASSERT_NE(tftpPort, 0) << "no UDP port to reserve";
    environment_.Set(TftpPortVariable, std::to_string(tftpPort));
    environment_.Set("HOME", home_.Path());
    environment_.Set("XDG_STATE_HOME", StateHome());
    OpenFormSession();
    devsim.SetConfigText(std::string("user ") + FormV3User + " authPriv SHA " + FormV3AuthPass + " DES " +
                         FormV3PrivPass + "\ntftp-port " + std::to_string(tftpPort) + "\n" + ExtraConfig());
    devsim.SetStateText(StateText());
    std::string error;
    ASSERT_TRUE(devsim.Start(&error)) << error;
    AimFormSession(devsim.Port(), Version());
}

void FormRoad::TearDown()
{
    devsim.Stop();
    environment_.Restore();
}

std::vector<std::string> FormRoad::SentBindings() const
{
    return SetBindings(Sets());
}

std::vector<std::string> FormRoad::SetsSince(std::size_t from) const
{
    const auto all = SentBindings();
    return std::vector<std::string>(all.begin() + std::min(from, all.size()), all.end());
}

std::vector<DevsimJournalEntry> FormRoad::Requests(const std::string& kind) const
{
    std::vector<DevsimJournalEntry> found;
    for (const auto& entry : devsim.Journal())
        if (entry.Kind == kind)
            found.push_back(entry);
    return found;
}

}  // namespace vka_test
