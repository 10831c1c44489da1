// A Save's verdict against the simulated device: success when every set sent succeeded,
// followed by the controls the user changed that no set wrote since their last read;
// text set by code is no change of the user's, and a read settles what the user typed.
#include "Catalogue.h"
#include "FormBuilder.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "SettingsFormBase.h"

#include <QTest>

using namespace vka_test;

namespace {
const std::string Contact = "1.3.6.1.2.1.1.4.0";
const std::string Name = "1.3.6.1.2.1.1.5.0";

class SavingForm : public TSettingsForm {
public:
    SavingForm() : TSettingsForm(nullptr)
    {
        TFormBuilder build(this);
        TFormRows rows(build, TRowColumns());
        Ed_Contact = rows.Edit("Lb_Contact", "System Contact :", "Ed_Contact");
        Ed_Name = rows.Edit("Lb_Name", "System Name :", "Ed_Name");
        StatusBar = build.StatusBar("StatusBar", {50});
        SetStatusBar(StatusBar);
        Request = GroupRequest(systemDescrVars, SVT_SV, 0, 30, 0);
        Request->BindFormat(3, "%s", Ed_Contact);
        Request->BindFormat(4, "%s", Ed_Name);
        MarkVars(Request, smKeep, 5);  // the location is not the form's
    }
    // Writes the group; the name goes out only when `withName`.
    void Save(bool withName)
    {
        BeginSave();
        MarkVars(Request, withName ? smSend : smKeep, 4);
        WriteGroup(Request);
        MarkVars(Request, smSend, 4);
        ReportSave("Set OK!", "Set Error!");
    }
    using TSettingsForm::ReadGroup;

    TEdit* Ed_Contact = nullptr;
    TEdit* Ed_Name = nullptr;
    TStatusBar* StatusBar = nullptr;
    KwSNMPRequest2Edits* Request = nullptr;
};

void Type(TEdit* edit, const char* text)
{
    QTest::keyClick(edit->Widget(), Qt::Key_End);
    QTest::keyClicks(edit->Widget(), text);
}

class SaveVerdict : public FormRoad {};
}  // namespace

TEST_P(SaveVerdict, NamesWhatTheUserChangedAndNoSetWroteUntilAReadOrAWriteSettlesIt)
{
    SavingForm form;
    ASSERT_TRUE(form.ReadGroup(form.Request));

    // Text the code sets is not the user's: plain success.
    form.Ed_Name->SetText("by code");
    form.Save(false);
    EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");

    Type(form.Ed_Contact, "c");
    Type(form.Ed_Name, "n");
    devsim.ClearJournal();
    form.Save(false);
    EXPECT_EQ(StatusText(form.StatusBar), "Set OK! Not saved: System Name.");
    EXPECT_NE(DeviceValue(Contact).find("c\""), std::string::npos);
    EXPECT_EQ(DeviceValue(Name).find("n\""), std::string::npos);

    // Still not saved at the next Save; written, it is settled.
    form.Save(false);
    EXPECT_EQ(StatusText(form.StatusBar), "Set OK! Not saved: System Name.");
    form.Save(true);
    EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");

    // A read settles what was typed: the controls show the device's values again.
    Type(form.Ed_Name, "x");
    ASSERT_TRUE(form.ReadGroup(form.Request));
    form.Save(false);
    EXPECT_EQ(StatusText(form.StatusBar), "Set OK!");

    // A set the device refuses is a failure, and what it held stays unsaved.
    Type(form.Ed_Contact, "y");
    ASSERT_EQ(devsim.Control("set ro " + Contact + " STRING x").rfind("OK", 0), 0u);
    form.Save(true);
    EXPECT_EQ(StatusText(form.StatusBar), "Set Error! Not saved: System Contact.");
}

INSTANTIATE_TEST_SUITE_P(Roads, SaveVerdict, AllVersions(), VersionName);
