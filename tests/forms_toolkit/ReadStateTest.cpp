// The form base's requests against the simulated device: a failed read is reported by
// the request, once per read sequence, and leaves the bound controls as they were; the
// "was read" state belongs to the request: set by a successful read, cleared by a failed
// one, never inherited by a later request.
#include "Catalogue.h"
#include "FormBuilder.h"
#include "FormTestRoad.h"
#include "KwReadSequence.h"
#include "SettingsFormBase.h"

using namespace vka_test;

namespace {
const char* const TimedOut = "(SNMPClass) SNMP request timed out!";

class ProbeForm : public TSettingsForm {
public:
    ProbeForm() : TSettingsForm(nullptr)
    {
        TFormBuilder build(this);
        Name = build.HiddenEdit("Ed_Name");
        Contact = build.HiddenEdit("Ed_Contact");
    }
    KwSNMPRequest2Edits* NameRequest(TEdit* edit)
    {
        auto* request = GroupRequest(systemDescrVars, SVT_SV, 0, 30, 0);
        request->BindFormat(4, "%s", edit);
        return request;
    }
    using TSettingsForm::ReadGroup;

    TEdit* Name = nullptr;
    TEdit* Contact = nullptr;
};

class ReadStateTest : public FormRoad {};
}  // namespace

TEST_P(ReadStateTest, AFailedReadIsReportedOncePerSequenceAndLeavesTheControlsAsTheyWere)
{
    ProbeForm form;
    KwSNMPRequest2Edits* first = form.NameRequest(form.Name);
    KwSNMPRequest2Edits* second = form.NameRequest(form.Contact);
    form.Name->SetText("typed");
    ASSERT_TRUE(devsim.DropNext(2));  // the first read and its one retry
    {
        KwReadSequence sequence;
        EXPECT_FALSE(form.ReadGroup(first));
        EXPECT_FALSE(form.ReadGroup(second)) << "the silent device is not asked again";
    }
    ASSERT_EQ(dialogs.Count(), 1) << "one message for the whole sequence";
    EXPECT_EQ(dialogs.Last().Text, TimedOut);
    EXPECT_EQ(dialogs.Last().Caption, Application->Title().ToStdString());
    EXPECT_EQ(form.Name->Text(), "typed");
    EXPECT_EQ(form.Contact->Text(), "");

    EXPECT_TRUE(form.ReadGroup(first));
    EXPECT_NE(form.Name->Text(), "typed");
    EXPECT_EQ(dialogs.Count(), 1);
}

TEST_P(ReadStateTest, TheReadStateIsTheRequestsOwnAndAFailedReadClearsIt)
{
    ProbeForm form;
    KwSNMPRequest2Edits* request = form.NameRequest(form.Name);
    EXPECT_TRUE(form.ReadGroup(request));
    EXPECT_TRUE(form.GroupRead(request));

    ASSERT_TRUE(devsim.DropNext(2));
    EXPECT_FALSE(form.ReadGroup(request));
    EXPECT_FALSE(form.GroupRead(request)) << "a failed read leaves values that are not the device's";

    EXPECT_TRUE(form.ReadGroup(request));
    delete request;
    // A request made after it (the allocator may well give it the same address) has
    // read nothing.
    EXPECT_FALSE(form.GroupRead(form.NameRequest(form.Name)));
}

INSTANTIATE_TEST_SUITE_P(Roads, ReadStateTest, ::testing::Values(1), VersionName);
