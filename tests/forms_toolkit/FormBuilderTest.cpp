// The control builders: names, parents, owners and the row cursor that every settings
// form relies on.
#include "FormBuilder.h"
#include "FormTestRoad.h"
#include "SettingsForm.h"

#include <QAccessible>
#include <gtest/gtest.h>

TEST(FormBuilder, RowsPlaceALabelAndAControlPerRowAndEveryControlBelongsToTheForm)
{
    vka_test::EnsureQApplication();
    TForm form(nullptr);
    TFormBuilder build(&form);
    TFormRows rows(build, TRowColumns{10, 120, 200, 30}, 20);
    TLabel* label = nullptr;
    TEdit* name = rows.Edit("Lb_Name", "Name:", "Ed_Name", 32, &label);
    TComboBox* mode = rows.Combo("Lb_Mode", "Mode:", "CB_Mode", {"Disable", "Enable"});
    TGroupBox* group = build.Group("GB_Radio", "Radio", 10, rows.Top(), 300, 80);
    TCheckBox* on = build.In(group).Check("CB_On", "On", 8, 20);

    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Name(), "Lb_Name");
    EXPECT_EQ(label->Caption(), "Name:");
    EXPECT_EQ(name->Name(), "Ed_Name");
    EXPECT_EQ(name->MaxLength(), 32);
    EXPECT_EQ(name->Left(), 120);
    EXPECT_EQ(name->Top(), 20);
    EXPECT_EQ(mode->Top(), 50);
    EXPECT_EQ(mode->Items()->Count(), 2);
    EXPECT_EQ(mode->ItemIndex(), -1);
    EXPECT_EQ(rows.Top(), 80);
    EXPECT_EQ(on->Parent(), group);
    EXPECT_EQ(on->Owner(), &form) << "controls in a group box still belong to the form";
    EXPECT_EQ(form.FindComponent("CB_On"), on);
    EXPECT_EQ(rows.ButtonLeft(0), 120 + 200 - TFormBuilder::ButtonWidth);
    EXPECT_EQ(rows.ButtonLeft(1), rows.ButtonLeft(0) - TFormBuilder::ButtonWidth - 10);
}

// An edit shows nothing until the device's value or the form's own starting text fills
// it: never its own name, which a Save would otherwise take for the user's input.
TEST(FormBuilder, EditsStartEmpty)
{
    vka_test::EnsureQApplication();
    TForm form(nullptr);
    TFormBuilder build(&form);
    TFormRows rows(build, TRowColumns{10, 120, 200, 30}, 20);
    for (TEdit* edit : {build.Edit("Edt_StaticIP", 8, 8, 100), build.ShowEdit("Ed_SU", 8, 40, 100),
                        build.HiddenEdit("Ed_From"), rows.Edit("Lb_Host", "Host Name", "ED_StaticHostName", 63),
                        rows.ShowEdit("Lb_SD", "System Description:", "Ed_SD")})
        EXPECT_EQ(edit->Text(), "") << edit->Name();
}

TEST(FormBuilder, HiddenHoldersAreNeverShownAndListsAndBarsGetTheirColumns)
{
    vka_test::EnsureQApplication();
    TForm form(nullptr);
    TFormBuilder build(&form);
    TComboBox* apply = build.HiddenCombo("CB_DeviceApplySetting");
    TListView* hidden = build.HiddenList("LV_GetMAC", 3);
    TListView* shown = build.List("LV_MAC", {{"No.", 40}, {"MAC Address", 120}}, 8, 8, 200, 100);
    TStatusBar* simple = build.StatusBar("StatusBar1");
    TStatusBar* panels = build.StatusBar("StatusBar2", {150, 100});
    form.Show();
    EXPECT_FALSE(apply->Visible());
    EXPECT_FALSE(hidden->Visible());
    EXPECT_EQ(hidden->Columns()->Count(), 3);
    ASSERT_EQ(shown->Columns()->Count(), 2);
    EXPECT_EQ(shown->Column(1)->Caption(), "MAC Address");
    EXPECT_EQ(shown->ViewStyle(), vsReport);
    EXPECT_TRUE(simple->SimplePanel());
    EXPECT_FALSE(panels->SimplePanel());
    EXPECT_EQ(panels->Panels()->Count(), 2);

    // Result texts go to panel 0 when there are panels, to the simple text otherwise.
    ShowFormStatus(panels, "Set OK!");
    EXPECT_EQ(panels->Panels()->Items(0)->Text(), "Set OK!");
    ShowFormStatus(simple, "Get OK!");
    EXPECT_EQ(simple->SimpleText(), "Get OK!");
}

// Assistive technology reads each field by the caption built for it, also inside a
// group box (never by the group's title), and a caption followed by another kind of
// control names no later field.
TEST(FormBuilder, CaptionLabelsNameTheFieldsBuiltForThem)
{
    vka_test::EnsureQApplication();
    TForm form(nullptr);
    TFormBuilder build(&form);
    TGroupBox* group = build.Group("GroupBox1", "Wireless Network Settings", 8, 8, 400, 300);
    TFormBuilder inGroup = build.In(group);
    TFormRows rows(inGroup, TRowColumns{10, 120, 200, 30}, 20);
    TEdit* ssid = rows.Edit("Lb_SSID", "SSID ", "Ed_SSID");
    TComboBox* band = rows.Combo("Lb_Band", "Band:", "CB_Band");
    build.In(group).Label("Lb_Rules", "Rules", 10, 100);
    TListView* rules = build.In(group).List("LV_Rules", {{"No.", 40}}, 10, 120, 200, 60);
    build.In(group).Label("Lb_Note", "Note", 10, 190);
    build.In(group).Button("Bt_Go", "Go", 10, 210, nullptr);
    TEdit* after = build.In(group).Edit("Ed_After", 100, 210, 80);
    const struct {
        TControl* field;
        const char* name;
    } cases[] = {{ssid, "SSID "}, {band, "Band:"}, {rules, "Rules"}};
    auto name = [](TControl* field) {
        return QAccessible::queryAccessibleInterface(field->Widget())->text(QAccessible::Name).toStdString();
    };
    for (const auto& c : cases)
        EXPECT_EQ(name(c.field), c.name) << c.field->Name().ToStdString();
    EXPECT_NE(name(after), "Note");
}
