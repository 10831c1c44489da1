// The transfer faults the control channel orders: their words, counts and refusals.
#include "TransferFaults.h"

#include <gtest/gtest.h>

using devsim::TransferFault;
using devsim::TransferFaults;

TEST(TransferFaults, EachOrderLastsItsCount)
{
    TransferFaults faults;
    EXPECT_EQ(faults.take().kind, TransferFault::Kind::None);
    ASSERT_EQ(faults.command("skip 2"), "OK");
    EXPECT_EQ(faults.take().kind, TransferFault::Kind::Skip);
    EXPECT_EQ(faults.take().kind, TransferFault::Kind::Skip);
    EXPECT_EQ(faults.take().kind, TransferFault::Kind::None);

    ASSERT_EQ(faults.command("late 1500"), "OK");
    const TransferFault late = faults.take();
    EXPECT_EQ(late.kind, TransferFault::Kind::Late);
    EXPECT_EQ(late.lateMs, 1500u);
    EXPECT_EQ(faults.take().kind, TransferFault::Kind::None);

    ASSERT_EQ(faults.command("slow 2000 2"), "OK");
    for (int i = 0; i < 2; ++i) {
        const TransferFault slow = faults.take();
        EXPECT_EQ(slow.kind, TransferFault::Kind::Slow);
        EXPECT_EQ(slow.blockMs, 2000u);
    }
    EXPECT_EQ(faults.take().kind, TransferFault::Kind::None);

    ASSERT_EQ(faults.command("fail 3"), "OK");
    ASSERT_EQ(faults.command("none"), "OK");
    EXPECT_EQ(faults.take().kind, TransferFault::Kind::None);
}

TEST(TransferFaults, MalformedOrdersAreRefusedAndChangeNothing)
{
    TransferFaults faults;
    ASSERT_EQ(faults.command("fail"), "OK");
    for (const char* bad : {"", "explode", "fail 0", "fail x", "skip 1 2", "late", "late -5", "late 700000",
                            "late 10 0", "none 1", "slow", "slow 99", "slow 60001", "slow 500 0"})
        EXPECT_EQ(faults.command(bad).rfind("ERR", 0), 0u) << bad;
    EXPECT_EQ(faults.take().kind, TransferFault::Kind::Fail);
}
