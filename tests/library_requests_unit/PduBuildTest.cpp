// Target, PDU and row index of a request.
#include <gtest/gtest.h>

#include "Classes.h"
#include "RequestFixture.h"
#include "SysUtils.h"
#include "snmp_pp.h"

namespace {
std::vector<std::string> OidsOf(const Pdu& pdu)
{
    std::vector<std::string> oids;
    for (const Vb& vb : pdu.vbs())
        oids.push_back(vb.get_printable_oid());
    return oids;
}

TEST(PduBuild, ScalarsGetTheirInstance)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.3.6.1.2.1.1.1", SX_DISPLAYSTR, AC_READONLY},
                       {"1.3.6.1.2.1.1.4", SX_DISPLAYSTR, AC_READWRITE | AC_INVALID},
                       {"1.3.6.1.2.1.1.9", SX_DISPLAYSTR, AC_WRITEONLY},
                       {"1.3.6.1.2.1.1.5", SX_DISPLAYSTR, AC_READWRITE}});
    *request.VarList.Item(0).InstanceOid = "old";
    Pdu pdu;
    request.BuildPdu(KwPduFirstGet, pdu);
    EXPECT_EQ(OidsOf(pdu), (std::vector<std::string>{"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.5.0"}));
    EXPECT_EQ(*request.VarList.Item(0).InstanceOid, "");
    for (const Vb& vb : pdu.vbs())
        EXPECT_TRUE(vb.has_no_value());
    EXPECT_EQ(CodeOf([&] { Pdu next; request.BuildPdu(KwPduNextRow, next); }), -510);
}

TEST(PduBuild, FixedInstancesAndSecurityScope)
{
    KwSNMPRequest request;
    request.Security.SecurityLevel = 3;
    request.Scope.ContextName = "ctx";
    LoadList(request, {{"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.18.1", SX_INTEGER}}, MVT_SV);
    Pdu pdu;
    request.BuildPdu(KwPduFirstGet, pdu);
    EXPECT_EQ(OidsOf(pdu), (std::vector<std::string>{"1.3.6.1.4.1.32473.10.37.37.2.1.3.2.1.1.18.1"}));
    EXPECT_EQ(pdu.get_security_level(), 3);
    EXPECT_EQ(pdu.get_context_name().bytes(), "ctx");
    ValueOf(request, 0) = "4";
    Pdu set;
    request.BuildPdu(KwPduSet, set);
    EXPECT_EQ(OidsOf(set), OidsOf(pdu));
}

TEST(PduBuild, TableSetNamesTheRowAndNeverWritesKeys)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.3.6.1.4.1.9.1.1", SX_INTEGER, AC_READONLY},
                       {"1.3.6.1.4.1.9.1.2", SX_DISPLAYSTR, AC_READWRITE},
                       {"1.3.6.1.4.1.9.1.3", SX_INTEGER, AC_READONLY},
                       {"1.3.6.1.4.1.9.1.4", SX_INTEGER, AC_WRITEONLY}},
             MVT_FMV, 1);
    ValueOf(request, 0) = "3";
    ValueOf(request, 1) = "name";
    ValueOf(request, 3) = "(NULL)";
    Pdu pdu;
    request.BuildPdu(KwPduSet, pdu);
    EXPECT_EQ(OidsOf(pdu), (std::vector<std::string>{"1.3.6.1.4.1.9.1.2.3", "1.3.6.1.4.1.9.1.4.3"}));
    OctetStr text;
    ASSERT_EQ(pdu[0].get_value(text), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(text.bytes(), "name");
    EXPECT_TRUE(pdu[1].has_no_value());

    *request.VarList.Item(0).InstanceOid = "1.3.6.1.4.1.9.1.1.2";
    *request.VarList.Item(1).InstanceOid = "1.3.6.1.4.1.9.1.2.2";
    *request.VarList.Item(2).InstanceOid = "1.3.6.1.4.1.9.1.3.2";
    Pdu next;
    request.BuildPdu(KwPduNextRow, next);
    EXPECT_EQ(OidsOf(next), (std::vector<std::string>{"1.3.6.1.4.1.9.1.1.2", "1.3.6.1.4.1.9.1.2.2",
                                                      "1.3.6.1.4.1.9.1.3.2"}));
}

TEST(PduBuild, BadItemTypeRaisesForSets)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.1", SX_INTEGER}});
    request.VarList.ItemType = 7;
    Pdu pdu;
    EXPECT_EQ(CodeOf([&] { request.BuildPdu(KwPduSet, pdu); }), -515);
}

TEST(RowIndex, JoinsAndSplitsTheKeys)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.9.1", SX_INTEGER, AC_NOTACCESS},
                       {"1.9.2", SX_DISPLAYSTR, AC_READONLY},
                       {"1.9.3", SX_INTEGER, AC_READWRITE}},
             MVT_FMV, 2);
    request.SetRowIndex("5.2.65.66.77");  // left-over sub-identifiers are ignored
    EXPECT_EQ(ValueOf(request, 0), "5");
    EXPECT_EQ(ValueOf(request, 1), "AB");
    EXPECT_EQ(*request.VarList.Item(0).InstanceOid, "1.9.1.5.2.65.66.77");  // not readable
    EXPECT_EQ(*request.VarList.Item(1).InstanceOid, "");
    EXPECT_EQ(request.RowIndex(), "5.2.65.66");

    EXPECT_EQ(CodeOf([&] { request.SetRowIndex(""); }), -514);
    EXPECT_EQ(CodeOf([&] { request.SetRowIndex("5"); }), -514);  // nothing left for key 2
    request.VarList.KeyCount = 0;
    EXPECT_EQ(CodeOf([&] { request.SetRowIndex(""); }), 0);
    EXPECT_EQ(request.RowIndex(), "");
}

TEST(Target, InvalidAddressRaisesBeforeAnythingIsSent)
{
    KwSNMPRequest request;
    request.Device.Address = "no such host.invalid";
    UTarget utarget;
    CTarget ctarget;
    SnmpTarget* target = nullptr;
    EXPECT_EQ(CodeOf([&] { request.BuildTarget(utarget, ctarget, target); }), -509);
    bool ok = true;
    LoadList(request, {{"1.1", SX_INTEGER}});
    EXPECT_THROW(request.Get(ok, true), Exception);
}

TEST(Target, CommunityTargetCarriesTheSettings)
{
    KwSNMPRequest request;
    request.Device.Address = "127.0.0.1";
    request.Device.Port = 1161;
    request.Security.Version = 1;
    request.Security.ReadCommunity = "orchid";
    request.Security.WriteCommunity = "thunder";
    request.Timeout = 300;
    request.Retries = 2;
    UTarget utarget;
    CTarget ctarget;
    SnmpTarget* target = nullptr;
    request.BuildTarget(utarget, ctarget, target);
    ASSERT_EQ(target, &ctarget);
    EXPECT_EQ(ctarget.get_version(), version2c);
    EXPECT_EQ(ctarget.get_timeout(), 300ul);
    EXPECT_EQ(ctarget.get_retry(), 2);
    EXPECT_EQ(ctarget.get_readcommunity().bytes(), "orchid");
    EXPECT_EQ(ctarget.get_writecommunity().bytes(), "thunder");
    EXPECT_EQ(ctarget.get_address().get_port(), 1161);
}

TEST(Request, DefaultsAreCopiedAtConstruction)
{
    const KwSNMPDevice saved = KwDefaultDevice;
    KwDefaultDevice.Address = "10.1.2.3";
    KwDefaultDevice.Port = 1610;
    KwDefaultTimeout = 100;
    KwSNMPRequest request;
    KwDefaultDevice.Address = "10.9.9.9";
    EXPECT_EQ(request.Device.Address, "10.1.2.3");
    EXPECT_EQ(request.Device.Port, 1610);
    EXPECT_EQ(request.Timeout, 100);
    request.LoadDefaults();
    EXPECT_EQ(request.Device.Address, "10.9.9.9");
    KwDefaultDevice = saved;
}

TEST(Request, DisabledRequestDoesNothing)
{
    KwSNMPRequest request;
    LoadList(request, {{"1.1", SX_INTEGER}});
    request.Enabled = false;
    bool ok = true;
    EXPECT_FALSE(request.Get(ok, true));
    EXPECT_FALSE(ok);
    ok = true;
    EXPECT_FALSE(request.Set(ok, false, "", nullptr));
    EXPECT_FALSE(ok);
    bool called = false;
    request.GetAsync([&](KwSNMPError&, KwSNMPVarList&) { called = true; }, true);
    EXPECT_EQ(request.Pending, 0);
    EXPECT_FALSE(called);
}

TEST(Request, SetThatFailsWhilePreparingRestoresTheList)
{
    KwSNMPRequest request;
    request.Device.Address = "127.0.0.1";
    LoadList(request, {{"1.1", SX_INTEGER, AC_READWRITE},
                       {"1.2", SX_INT16, AC_READWRITE},  // cannot be converted: -511
                       {"1.3", SX_INTEGER, AC_READWRITE}});
    ValueOf(request, 0) = "1";
    ValueOf(request, 1) = "2";
    ValueOf(request, 2) = "3";
    TStringList values;
    values.Add("10");
    values.Add("20");
    bool ok = true;
    // Listing 0 and 1 makes variable 2 invalid for this call; the bad syntax of 1 raises.
    EXPECT_THROW(request.Set(ok, false, "0,1", &values), Exception);
    EXPECT_EQ(ValueOf(request, 0), "1");
    EXPECT_EQ(ValueOf(request, 1), "2");
    EXPECT_EQ(request.VarList.Item(2).Access, AC_READWRITE);

    EXPECT_THROW(request.SetAsync(nullptr, false, "0,1", &values), Exception);
    EXPECT_EQ(ValueOf(request, 0), "1");
    EXPECT_EQ(ValueOf(request, 1), "2");
    EXPECT_EQ(request.VarList.Item(2).Access, AC_READWRITE);
    EXPECT_EQ(request.Pending, 0);
}
} // namespace
