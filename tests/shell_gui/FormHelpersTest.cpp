// The settings-form input checks: a refusal is a message box, and the focus goes back
// to the refused edit.
#include "ShellFixture.h"

#include "SettingsForm.h"

#include <QApplication>

using namespace shell_test;

TEST_F(ShellTest, RefusedInputIsReportedAndTheEditTakesTheFocus)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    other->SetTop(40);
    form.Show();
    const char* range = "Please input a number between 25 and 500.";
    const struct {
        AnsiString text;
        std::function<bool()> check;
        const char* message;  // nullptr: accepted
        const char* caption;
    } cases[] = {
        {"caf\xe9", [&] { return CheckPlainText(edit); }, "Don't support chinese character !", "Warning"},
        {"cafe", [&] { return CheckPlainText(edit, "Waring"); }, nullptr, nullptr},
        {AnsiString::StringOfChar('a', 33), [&] { return CheckMaxLength(edit, 32, "The Max Lengh of the SystemName is 32."); },
         "The Max Lengh of the SystemName is 32.", "Warning"},
        {AnsiString::StringOfChar('a', 32), [&] { return CheckMaxLength(edit, 32, "x"); }, nullptr, nullptr},
        {"", [&] { return CheckNumberRange(edit, 25, 500, range, "Error"); }, range, "Error"},
        {"abc", [&] { return CheckNumberRange(edit, 25, 500, range, "Error"); }, range, "Error"},
        {"24", [&] { return CheckNumberRange(edit, 25, 500, range, "Error"); }, range, "Error"},
        {"501", [&] { return CheckNumberRange(edit, 25, 500, range, "Error"); }, range, "Error"},
        {"2x5", [&] { return CheckNumberRange(edit, 25, 500, range, "Error"); }, range, "Error"},
        {"99999999999", [&] { return CheckNumberRange(edit, 25, 500, range, "Error"); }, range, "Error"},
        {"25", [&] { return CheckNumberRange(edit, 25, 500, range); }, nullptr, nullptr},
        {" 500 ", [&] { return CheckNumberRange(edit, 25, 500, range); }, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.ToStdString());
        QApplication::setActiveWindow(form.Widget());
        other->SetFocus();
        dialogs.Clear();
        edit->SetText(c.text);
        EXPECT_EQ(c.check(), c.message == nullptr);
        if (!c.message) {
            EXPECT_EQ(dialogs.Count(), 0);
            continue;
        }
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Last().Text, c.message);
        EXPECT_EQ(dialogs.Last().Caption, c.caption);
        QApplication::processEvents();
        EXPECT_TRUE(edit->Focused());
    }
}
