// Every form opened against a device that does not answer: its edits show nothing of
// their own, never the control's name (an edit starts empty unless the form's design
// gives it a starting text).
#include "KwSNMPSession.h"
#include "MenuRoad.h"

using namespace vka_test;

class FormStart : public MenuRoad {};

TEST_P(FormStart, NoEditShowsItsOwnNameAfterAFailedRead)
{
    KwTimeoutCap = 5;  // a twentieth of a second a try: the device never answers
    ASSERT_TRUE(devsim.SilentFor(600));
    ForEveryFormEntry(*main, [](TMenuItem*, TForm* form) {
        for (TEdit* edit : Owned<TEdit>(form))
            EXPECT_NE(edit->Text(), edit->Name());
    });
    EXPECT_TRUE(devsim.SilentFor(0));
}

INSTANTIATE_TEST_SUITE_P(Roads, FormStart, ::testing::Values(1), VersionName);
