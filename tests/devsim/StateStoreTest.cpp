// The device's variables in order, with moving counters and the set checks.
#include <gtest/gtest.h>

#include "ServedTrees.h"
#include "SetCheck.h"
#include "StateFile.h"
#include "StateStore.h"

using namespace devsim;
using namespace std::chrono_literals;

namespace {

const std::string P = "1.3.6.1.4.1.32473.10.37.37";

Oid O(const std::string& text)
{
    Oid oid;
    EXPECT_TRUE(parseOid(text, oid)) << text;
    return oid;
}

struct FakeClock {
    StateStore::Clock::time_point now = StateStore::Clock::time_point{} + 1000s;
    StateStore::Now function()
    {
        return [this] { return now; };
    }
};

} // namespace

TEST(DevsimStateStore, NextWalksInOidOrderWithinTheSubtree)
{
    StateStore store;
    // Given out of order, with arcs that sort differently as text (9 < 10).
    store.reset(parseStateText(P + ".10.1 INTEGER 3\n" + P + ".9.1 INTEGER 2\n" + P + ".2.1.1.2 INTEGER 1\n"
                                   + P + ".2.1.1.1 INTEGER 0\n",
                               "t"));
    std::vector<std::string> walked;
    Oid at = privateTreeOid();
    while (const StateEntry* entry = store.next(at, false, privateTreeOid())) {
        walked.push_back(formatOid(entry->oid));
        at = entry->oid;
    }
    EXPECT_EQ(walked, (std::vector<std::string>{P + ".2.1.1.1", P + ".2.1.1.2", P + ".9.1", P + ".10.1"}));

    EXPECT_EQ(formatOid(store.next(O(P + ".9.1"), true, privateTreeOid())->oid), P + ".9.1");
    EXPECT_EQ(formatOid(store.next(O(P + ".9.1"), false, privateTreeOid())->oid), P + ".10.1");
    // The system group ends before the private subtree starts.
    EXPECT_EQ(store.next(O("1.3.6.1.2.1.1.7.0"), false, systemGroupOid()), nullptr);
}

TEST(DevsimStateStore, SystemGroupKeepsItsMarksUnderAStateFile)
{
    StateStore store;
    store.reset(parseStateText("1.3.6.1.2.1.1.1.0 STRING \"other descr\"\n1.3.6.1.2.1.1.5.0 STRING \"ap-1\"\n", "t"));
    const StateEntry* descr = store.find(O("1.3.6.1.2.1.1.1.0"));
    ASSERT_NE(descr, nullptr);
    EXPECT_EQ(descr->value.bytes, "other descr");
    EXPECT_TRUE(descr->readOnly);
    const StateEntry* name = store.find(O("1.3.6.1.2.1.1.5.0"));
    ASSERT_NE(name, nullptr);
    EXPECT_FALSE(name->readOnly);
    ASSERT_TRUE(name->maxLength.has_value());
    EXPECT_EQ(*name->maxLength, 255u);
    EXPECT_NE(store.find(sysUpTimeOid()), nullptr);

    // The same for a single variable put by the control channel.
    StateEntry plain;
    plain.oid = O("1.3.6.1.2.1.1.1.0");
    plain.value = Value::makeString("put");
    store.put(plain);
    EXPECT_TRUE(store.find(plain.oid)->readOnly);
    plain.oid = O(P + ".1.0");
    store.put(plain);
    EXPECT_FALSE(store.find(plain.oid)->readOnly);
}

TEST(DevsimStateStore, CountersAdvanceWithTheClockAndWrap)
{
    FakeClock clock;
    StateStore store(clock.function());
    store.reset(parseStateText("advance=10 " + P + ".1.0 COUNTER32 4294967290\n"
                               "advance=3 " + P + ".2.0 COUNTER64 7\n" + P + ".3.0 COUNTER32 9\n",
                               "t"));
    clock.now += 2500ms;
    EXPECT_EQ(store.read(*store.find(O(P + ".1.0"))).number, 14u); // 4294967290 + 20, modulo 2^32
    EXPECT_EQ(store.read(*store.find(O(P + ".2.0"))).number, 13u);
    EXPECT_EQ(store.read(*store.find(O(P + ".3.0"))).number, 9u);
    EXPECT_EQ(store.read(*store.find(sysUpTimeOid())).number, 250u);

    // A written counter goes on from the written value.
    store.assign(O(P + ".2.0"), Value::makeUnsigned(VarType::Counter64, 100));
    clock.now += 1s;
    EXPECT_EQ(store.read(*store.find(O(P + ".2.0"))).number, 103u);
}

TEST(DevsimSetCheck, RefusesWhatTheDeviceCannotTake)
{
    StateStore store;
    store.reset(parseStateText(P + ".1.0 INTEGER 1\nro " + P + ".2.0 STRING \"fw\"\nmax=3 " + P
                                   + ".3.0 STRING \"abc\"\n" + P + ".4.0 IPADDRESS 1.2.3.4\n",
                               "t"));
    const Value text = Value::makeString("abcd");
    const Value number = Value::makeInteger(5);
    Value shortIp = Value::makeIp(1, 2, 3, 4);
    shortIp.bytes.resize(3);
    EXPECT_EQ(checkSet(store, O(P + ".1.0"), VarType::Integer, &number), SetError::None);
    EXPECT_EQ(checkSet(store, O(P + ".1.0"), VarType::OctetString, &text), SetError::WrongType);
    EXPECT_EQ(checkSet(store, O(P + ".1.0"), std::nullopt, nullptr), SetError::WrongType);
    EXPECT_EQ(checkSet(store, O(P + ".2.0"), VarType::OctetString, &text), SetError::NotWritable);
    EXPECT_EQ(checkSet(store, O(P + ".3.0"), VarType::OctetString, &text), SetError::WrongLength);
    EXPECT_EQ(checkSet(store, O(P + ".4.0"), VarType::IpAddress, &shortIp), SetError::WrongLength);
    EXPECT_EQ(checkSet(store, O(P + ".9.0"), VarType::Integer, &number), SetError::NoCreation);
    EXPECT_EQ(checkSet(store, sysUpTimeOid(), VarType::TimeTicks, &number), SetError::NotWritable);
}

TEST(DevsimStateStore, RemoveBelowEmptiesATableOnly)
{
    StateStore store;
    store.reset(parseStateText(P + ".4.1.1.1 INTEGER 1\n" + P + ".4.1.1.2 INTEGER 2\n" + P + ".4.10.0 INTEGER 3\n"
                                   + P + ".5.0 INTEGER 4\n",
                               "t"));
    const std::size_t before = store.size();
    store.removeBelow(O(P + ".4.1"));
    EXPECT_EQ(store.size(), before - 2);
    EXPECT_EQ(store.find(O(P + ".4.1.1.1")), nullptr);
    EXPECT_NE(store.find(O(P + ".4.10.0")), nullptr);
    store.removeBelow(O("1.3.6.1"));
    EXPECT_EQ(store.size(), 7u); // the system group stays
}
