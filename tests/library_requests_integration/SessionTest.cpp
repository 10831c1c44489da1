// The library session: boots counter file, defaults, event timer.
#include "TempFolder.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "AgentFixture.h"
#include "SysUtils.h"
#include "snmp_pp.h"

using namespace library_requests;

namespace {
std::string TempFolder()
{
    const std::string folder = vka_test::MakeTempFolder("kwsession");
    return folder;
}

unsigned int BootsIn(const std::string& file)
{
    unsigned int boots = 0;
    getBootCounter(file, OctetStr("KwSNMP_PP_Application"), boots);
    return boots;
}

// Each start counts one boot; a file without our engine's line is a first start, a
// corrupt one is refused with the load error and the session keeps working. Starting
// resets the defaults the main window may have changed.
TEST(Session, BootsCounterAndDefaults)
{
    vka_test::EnsureQApplication();
    const std::string folder = TempFolder();
    ASSERT_FALSE(folder.empty());
    const std::string file = folder + "/KwSNMP_PP_BootCounter";
    ASSERT_EQ(saveBootCounter(file, OctetStr("OtherEngine"), 7), SNMPv3_OK);
    KwDefaultSecurity.Version = 3;  // as the main window's constructor sets it
    KwDefaultDevice.Address = "";
    KwSNMPInitSession(folder.c_str());
    EXPECT_EQ(BootsIn(file), 1u);
    EXPECT_EQ(KwDefaultSecurity.Version, 0);
    EXPECT_EQ(KwDefaultSecurity.ReadCommunity, "orchid");
    EXPECT_EQ(KwDefaultSecurity.WriteCommunity, "thunder");
    EXPECT_EQ(KwDefaultDevice.Address, "127.0.0.1");
    EXPECT_EQ(KwDefaultDevice.Port, 161);
    EXPECT_EQ(KwDefaultTimeout, 100);
    ASSERT_NE(SNMPEventTimer, nullptr);
    EXPECT_TRUE(SNMPEventTimer->Running());

    const std::string broken = TempFolder();
    std::ofstream(broken + "/KwSNMP_PP_BootCounter") << "this is not a boots counter file\n";
    try {
        KwSNMPInitSession(broken.c_str());
        FAIL() << "a corrupt boots counter file was accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -507);
        EXPECT_EQ(e.Message, "(KwSNMP++) Error when loading SNMP engine boots counter!");
    }
    KwSNMPInitSession(folder.c_str());
    EXPECT_EQ(BootsIn(file), 2u);
}
} // namespace
