// What a button wrote before a refused set, written back against the simulated device:
// only what differs, judged by a reading; a reading that is none stays not known; a press
// entered again while the write-back runs finds nothing to write back.
#include "Catalogue.h"
#include "EarlierSets.h"
#include "FormRequests.h"
#include "FormTestRoad.h"
#include "JournalBindings.h"
#include "KwSNMPRequest2Edits.h"
#include "KwSNMPSession.h"

using namespace vka_test;

namespace {
const std::string Name = "1.3.6.1.2.1.1.5.0";
const int NameVariable = 4;

class EarlierSets : public FormRoad {};
}  // namespace

TEST_P(EarlierSets, OnlyWhatDiffersGoesBackAndAPressEnteredAgainWritesNothing)
{
    TForm form(nullptr);
    TEarlierSets earlier(&form);
    ASSERT_TRUE(earlier.RecordVariables(systemDescrVars, SVT_SV, "System Name"));
    const std::string held = DeviceValue(Name);
    ASSERT_TRUE(devsim.SetValue(Name, "STRING", "\"renamed\""));  // the earlier set, taken
    // A press entered again while the write-back sends: it records anew and writes back.
    AnsiString nested = "not entered";
    KwSNMPRequest2Edits* request = Owned<KwSNMPRequest2Edits>(&form).at(0);
    request->OnBeforeSet = [&] {
        request->OnBeforeSet = nullptr;
        earlier.Clear();
        for (int i = 0; i < 8; ++i)
            earlier.RecordVariables(systemDescrVars, SVT_SV, "Again");
        nested = earlier.WriteBack("Again");
    };
    ASSERT_TRUE(devsim.ClearJournal());
    EXPECT_EQ(earlier.WriteBack("Refused").ToStdString(), "Kept as the device had it: System Name.");
    EXPECT_EQ(nested.ToStdString(), "");
    EXPECT_EQ(DeviceValue(Name), held);
    EXPECT_EQ(SetBindings(Sets()), std::vector<std::string>{Name + " " + held});  // the name alone

    // Nothing differs: nothing is sent, nothing said.
    ASSERT_TRUE(devsim.ClearJournal());
    earlier.Clear();
    ASSERT_TRUE(earlier.RecordVariables(systemDescrVars, SVT_SV, "System Name", nullptr, {NameVariable}));
    EXPECT_EQ(earlier.WriteBack("Refused").ToStdString(), "");
    EXPECT_TRUE(earlier.AllBack());
    EXPECT_TRUE(Sets().empty());
}

TEST_P(EarlierSets, WhatNoReadingTellsIsNotKnownAndNothingIsWritten)
{
    TForm form(nullptr);
    TEarlierSets earlier(&form);
    ASSERT_TRUE(devsim.RemoveVariable(Name));
    EXPECT_FALSE(earlier.RecordVariables(systemDescrVars, SVT_SV, "System Name", nullptr, {NameVariable}));
    ASSERT_TRUE(devsim.ClearJournal());
    EXPECT_EQ(earlier.WriteBack("Refused").ToStdString(), "The device's state of System Name is not known.");
    EXPECT_FALSE(earlier.AllBack());
    EXPECT_TRUE(Sets().empty());
}

// The write-back's answer lost while the device took it: a read judges it; a read that
// fails too leaves the name not known, never "in effect".
TEST_P(EarlierSets, ALostAnswerIsJudgedByARead)
{
    for (const bool readFails : {false, true}) {
        SCOPED_TRACE(readFails);
        TForm form(nullptr);
        TEarlierSets earlier(&form);
        ASSERT_TRUE(earlier.RecordVariables(systemDescrVars, SVT_SV, "System Name", nullptr, {NameVariable}));
        const std::string held = DeviceValue(Name);
        ASSERT_TRUE(devsim.SetValue(Name, "STRING", "\"renamed\""));
        KwSNMPRequest2Edits* request = Owned<KwSNMPRequest2Edits>(&form).at(0);
        request->OnBeforeSet = [&] {
            request->OnBeforeSet = nullptr;
            KwTimeoutCap = 5;
            ASSERT_TRUE(devsim.DelayReplies(400));  // the answer comes after the time-out
            request->OnBeforeGet = [&] {
                request->OnBeforeGet = nullptr;
                ASSERT_TRUE(devsim.DelayReplies(0));
                EXPECT_TRUE(PumpUntil([&] { return DeviceValue(Name) == held; }));  // taken late
                if (readFails) {
                    ASSERT_TRUE(devsim.DropNext(2));
                }
            };
        };
        EXPECT_EQ(earlier.WriteBack("Refused").ToStdString(),
                  readFails ? "The device's state of System Name is not known." : "Kept as the device had it: System Name.");
        KwTimeoutCap = 0;
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, EarlierSets, ::testing::Values(1), VersionName);
