// The form base's report of failed reads against the simulated device: the request's own
// failure text in one message box per read sequence, titled with the program's name; a
// read that is answered leaves no failure behind and shows nothing.
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
        Band = build.HiddenCombo("CB_Band");
        Name = build.HiddenEdit("Ed_Name");
        BandRequest = GroupRequest(dot11BandVars, MVT_SV, 0, 30, 0);
        BandRequest->BindComboBox(0, Band);
        SystemRequest = GroupRequest(systemDescrVars, SVT_SV, 0, 30, 0);
        SystemRequest->BindFormat(4, "%s", Name);
    }
    using TSettingsForm::ReadGroupOrReport;

    TComboBox* Band = nullptr;
    TEdit* Name = nullptr;
    KwSNMPRequest2Edits* BandRequest = nullptr;
    KwSNMPRequest2Edits* SystemRequest = nullptr;
};

class ReadFailureTest : public FormRoad {};
}  // namespace

TEST_P(ReadFailureTest, OneMessagePerSequenceWithTheRequestsOwnTextAndNothingOnceTheDeviceAnswers)
{
    ProbeForm form;
    ASSERT_TRUE(devsim.DropNext(2));  // the band's read and its one retry
    {
        KwReadSequence sequence;
        EXPECT_FALSE(form.ReadGroupOrReport(form.BandRequest));
        EXPECT_FALSE(form.ReadGroupOrReport(form.SystemRequest)) << "the silent device is not asked again";
        EXPECT_FALSE(form.GroupRead(form.BandRequest));
    }
    ASSERT_EQ(dialogs.Count(), 1) << "one message for the whole sequence";
    EXPECT_EQ(dialogs.Last().Text, TimedOut);
    EXPECT_EQ(dialogs.Last().Caption, Application->Title().ToStdString());
    EXPECT_EQ(form.SystemRequest->Request.LastFailure.Message, TimedOut);

    EXPECT_TRUE(form.ReadGroupOrReport(form.BandRequest));
    EXPECT_TRUE(form.ReadGroupOrReport(form.SystemRequest));
    EXPECT_EQ(form.SystemRequest->Request.LastFailure.Code, 0) << "an answered read keeps no failure";
    EXPECT_TRUE(form.GroupRead(form.SystemRequest));
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_FALSE(form.Name->Text().IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Roads, ReadFailureTest, ::testing::Values(1, 3), VersionName);
