// The settings-form helpers that show things: refusals in message boxes with the focus
// back in the edit, and result texts in the status bar.
#include "ShellFixture.h"

#include "SettingsForm.h"

#include <QApplication>

using namespace shell_test;

namespace {
struct PageForm {
    PageForm()
    {
        form = new TForm(nullptr);
        form->SetBounds(10, 10, 300, 200);
        edit = new TEdit(form);
        edit->SetName("Ed_SSID");
        edit->SetParent(form);
        other = new TEdit(form);
        other->SetName("Ed_Other");
        other->SetParent(form);
        other->SetTop(40);
        bar = new TStatusBar(form);
        bar->SetParent(form);
        form->Show();
        QApplication::processEvents();
        other->SetFocus();
    }
    ~PageForm() { delete form; }
    TForm* form;
    TEdit* edit;
    TEdit* other;
    TStatusBar* bar;
};
}  // namespace

TEST_F(ShellTest, RefusedInputIsReportedAndTheEditTakesTheFocus)
{
    PageForm page;
    page.edit->SetText("caf\xe9");
    EXPECT_FALSE(CheckPlainText(page.edit));
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Last().Text, "Don't support chinese character !");
    EXPECT_EQ(dialogs.Last().Caption, "Warning");
    QApplication::processEvents();
    EXPECT_TRUE(page.edit->Focused());

    page.edit->SetText("cafe");
    EXPECT_TRUE(CheckPlainText(page.edit, "Waring"));
    EXPECT_EQ(dialogs.Count(), 1);

    page.edit->SetText(AnsiString::StringOfChar('a', 33));
    EXPECT_FALSE(CheckMaxLength(page.edit, 32, "The Max Lengh of the SystemName is 32."));
    EXPECT_EQ(dialogs.Last().Text, "The Max Lengh of the SystemName is 32.");
    page.edit->SetText(AnsiString::StringOfChar('a', 32));
    EXPECT_TRUE(CheckMaxLength(page.edit, 32, "x"));

    const char* range = "Please input a number between 25 and 500.";
    for (const char* bad : {"", "abc", "24", "501", "2x5", "99999999999"}) {
        page.edit->SetText(bad);
        EXPECT_FALSE(CheckNumberRange(page.edit, 25, 500, range, "Error")) << bad;
        EXPECT_EQ(dialogs.Last().Caption, "Error");
    }
    for (const char* good : {"25", "500", " 100 "}) {
        page.edit->SetText(good);
        EXPECT_TRUE(CheckNumberRange(page.edit, 25, 500, range)) << good;
    }
}

TEST_F(ShellTest, ResultTextsGoToTheFirstPanelOrTheSimpleText)
{
    PageForm page;
    ShowFormStatus(page.bar, "Save OK!");
    EXPECT_EQ(page.bar->SimpleText(), "Save OK!");
    page.bar->Panels()->Add()->SetWidth(50);
    ShowFormStatus(page.bar, "Set Error!");
    EXPECT_EQ(page.bar->Panels()->Items(0)->Text(), "Set Error!");
    EXPECT_EQ(page.bar->ShownText(), "Set Error!");
    ShowFormStatus(nullptr, "nothing happens");
}
