// Every group of the catalogue read from the simulated device loaded with its
// default state, each in one request, over SNMPv1, SNMPv2c and SNMPv3 (an
// authPriv user, SHA and AES): what a form sees when it opens against a device
// in its factory state.
#include "TempFolder.h"
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <memory>
#include <string>

#include "Catalogue.h"
#include "DefaultState.h"
#include "DevsimPeer.h"
#include "QtTestEnvironment.h"
#include "KwSNMPRequest.h"
#include "KwSNMPSession.h"
#include "snmp_pp.h"

namespace {

const char* const V3User = "catalogue";
const char* const V3AuthPass = "catalogue-auth";
const char* const V3PrivPass = "catalogue-priv";

std::string VersionName(int version)
{
    return version == 0 ? " over SNMPv1" : version == 1 ? " over SNMPv2c" : " over SNMPv3";
}

class CatalogueOnDevice : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        vka_test::EnsureQApplication();
        const std::string folder = vka_test::MakeTempFolder("catalogue-devsim");
        if (!folder.empty())
            KwSNMPInitSession(folder.c_str());
        std::ifstream file(VKA_DEFAULT_STATE_FILE, std::ios::binary);
        std::ostringstream state;
        state << file.rdbuf();
        device = new vka_test::DevsimPeer;
        device->SetStateText(state.str());
        device->SetConfigText(std::string("user ") + V3User + " authPriv SHA " + V3AuthPass + " AES " + V3PrivPass
                              + "\n");
        if (!device->Start(&startError)) {
            delete device;
            device = nullptr;
        }
    }
    static void TearDownTestSuite()
    {
        delete device;
        device = nullptr;
    }
    void SetUp() override { ASSERT_NE(device, nullptr) << startError; }

    // A request over the group as its forms build it.
    std::unique_ptr<KwSNMPRequest> RequestFor(const CatalogueTableInfo& table, int version)
    {
        auto request = std::make_unique<KwSNMPRequest>();
        request->Device.Address = "127.0.0.1";
        request->Device.Port = device->Port();
        request->Security.Version = static_cast<unsigned char>(version);
        request->Security.ReadCommunity = "orchid";
        request->Security.WriteCommunity = "thunder";
        if (version == 3) {
            request->Security.SecurityModel = 3;  // USM
            request->Security.SecurityLevel = 3;  // authPriv
            request->Security.SecurityName = V3User;
            request->Security.AuthProtocol = SNMP_AUTHPROTOCOL_HMACSHA;
            request->Security.PrivProtocol = SNMP_PRIVPROTOCOL_AES;
            request->Security.AuthPassword = V3AuthPass;
            request->Security.PrivPassword = V3PrivPass;
        }
        request->Timeout = 200;
        request->Retries = 1;
        request->VarList = KwSNMPVarList(table.Table, table.Uses[0].ItemType, table.Uses[0].KeyCount);
        return request;
    }

    static vka_test::DevsimPeer* device;
    static std::string startError;
};

vka_test::DevsimPeer* CatalogueOnDevice::device = nullptr;
std::string CatalogueOnDevice::startError;

std::string ValueOf(KwSNMPRequest& request, int index)
{
    return KwSNMPVarList::ValueOf(request.VarList.Item(index)).c_str();
}

bool IsTable(const CatalogueTableInfo& table)
{
    return table.Uses[0].ItemType == MVT_FMV || table.Uses[0].ItemType == MVT_UMV;
}

TEST_F(CatalogueOnDevice, EveryGroupReadsInOneRequest)
{
    for (int version : {0, 1, 3}) {
        for (int t = 0; t < CatalogueTableCount; ++t) {
            const CatalogueTableInfo& table = CatalogueTableIndex[t];
            SCOPED_TRACE(std::string(table.Name) + VersionName(version));
            auto request = RequestFor(table, version);
            // Variables a form leaves out are read too: the device must hold them.
            for (int i = 0; i < request->VarList.Count(); ++i)
                if (request->VarList.Item(i).Access == AC_INVALID)
                    request->VarList.Item(i).Access = AC_READWRITE;
            bool ok = false;
            const bool more = request->Get(ok, true);
            EXPECT_TRUE(ok) << "the device refused the group";
            if (!ok)
                continue;
            EXPECT_EQ(more, IsTable(table));
            for (int i = 0; i < request->VarList.Count(); ++i) {
                if (!request->VarList.IsReadable(i))
                    continue;
                const std::string value = ValueOf(*request, i);
                EXPECT_NE(value, "(NULL)") << request->VarList.Item(i).Name;
                EXPECT_NE(value, "(NOTDONE)") << request->VarList.Item(i).Name;
            }
        }
    }
    // The v3 reads reached the device as the user's, and were answered.
    int v3Reads = 0;
    for (const vka_test::DevsimJournalEntry& entry : device->Journal())
        if (entry.Version == "3" && entry.Security == V3User && entry.Status == "noError")
            ++v3Reads;
    EXPECT_GE(v3Reads, CatalogueTableCount);
}

TEST_F(CatalogueOnDevice, WalkedGroupsShowTheirRows)
{
    for (int t = 0; t < CatalogueTableCount; ++t) {
        const CatalogueTableInfo& table = CatalogueTableIndex[t];
        if (!IsTable(table))
            continue;
        SCOPED_TRACE(table.Name);
        auto request = RequestFor(table, 0);
        int rows = 0;
        bool ok = false;
        for (bool first = true; request->Get(ok, first) && ok; first = false)
            ++rows;
        EXPECT_TRUE(ok);
        EXPECT_EQ(rows, defaultstate::RowsOfGroup(table.Name));
    }
}

TEST_F(CatalogueOnDevice, ValuesReachTheFormsAsLabelsAndTexts)
{
    const struct {
        const char* group;
        int index;
        const char* value;
    } cases[] = {
        {"dot11ApModeVars3", 0, "Access Point"},  // an option's label, not its key
        {"systemDescrVars", 0, "VKA-7410 Outdoor Wireless Access Point"},
        {"systemDescrVars", 1, "1.3.6.1.4.1.32473.10.37.37"},
    };
    for (const auto& c : cases) {
        const CatalogueTableInfo* table = nullptr;
        for (int t = 0; t < CatalogueTableCount; ++t)
            if (std::string(CatalogueTableIndex[t].Name) == c.group)
                table = &CatalogueTableIndex[t];
        ASSERT_NE(table, nullptr) << c.group;
        auto request = RequestFor(*table, 0);
        bool ok = false;
        request->Get(ok, true);
        ASSERT_TRUE(ok) << c.group;
        EXPECT_EQ(ValueOf(*request, c.index), c.value);
    }
}

}  // namespace
