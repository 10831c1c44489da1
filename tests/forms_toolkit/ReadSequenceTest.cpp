// Read sequences: once a synchronous read of a sequence timed out, the rest of the
// sequence to that device is cut short; other devices, and reads outside the
// sequence, are asked as usual.
#include "KwReadSequence.h"
#include "SnmpStatus.h"

#include <gtest/gtest.h>

TEST(ReadSequence, ATimeOutCutsShortTheRestOfTheSequenceForThatDeviceOnly)
{
    int status = 0;
    {
        KwReadSequence sequence;
        EXPECT_FALSE(KwReadSequence::ShortCut("127.0.0.1", 1161, status));
        KwReadSequence::Note("127.0.0.1", 1161, SNMP_CLASS_SUCCESS);
        EXPECT_FALSE(sequence.TimedOut());
        KwReadSequence::Note("127.0.0.1", 1161, SNMP_CLASS_TIMEOUT);
        EXPECT_TRUE(sequence.TimedOut());
        ASSERT_TRUE(KwReadSequence::ShortCut("127.0.0.1", 1161, status));
        EXPECT_EQ(status, SNMP_CLASS_TIMEOUT);
        EXPECT_FALSE(KwReadSequence::ShortCut("127.0.0.1", 1162, status)) << "another port";
        EXPECT_FALSE(KwReadSequence::ShortCut("127.0.0.2", 1161, status)) << "another address";
        {
            KwReadSequence inner;  // a refresh inside a creation shares its marks
            EXPECT_TRUE(KwReadSequence::ShortCut("127.0.0.1", 1161, status));
        }
        EXPECT_EQ(sequence.FailureText(), "(SNMPClass) SNMP request timed out!");
    }
    EXPECT_FALSE(KwReadSequence::ShortCut("127.0.0.1", 1161, status)) << "the sequence ended";
    KwReadSequence::Note("127.0.0.1", 1161, SNMP_CLASS_TIMEOUT);  // outside: remembered nowhere
    KwReadSequence next;
    EXPECT_FALSE(KwReadSequence::ShortCut("127.0.0.1", 1161, status));
}

TEST(ReadSequence, OneReportPerSequence)
{
    EXPECT_TRUE(KwReadSequence::FirstReport());
    EXPECT_TRUE(KwReadSequence::FirstReport()) << "outside a sequence every failure is reported";
    KwReadSequence sequence;
    EXPECT_TRUE(KwReadSequence::FirstReport());
    {
        KwReadSequence inner;
        EXPECT_FALSE(KwReadSequence::FirstReport());
    }
    EXPECT_FALSE(KwReadSequence::FirstReport());
}
