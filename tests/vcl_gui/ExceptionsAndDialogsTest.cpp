// Exceptions from handlers, timers and posted messages are shown through the
// dialog service and the loop goes on; message boxes and file dialogs.
#include "GuiTestSupport.h"

#include "QtPump.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(HandlerExceptions, ClickTimerAndPostedMessageExceptionsAreShownAndTheLoopGoesOn)
{
    InstalledScriptedDialogs dialogs;
    Application->SetTitle("VKA-7410");
    ShownForm f;
    auto* button = f.Add<TButton>("Bt_Apply");
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        if (++clicks == 1)
            throw Exception("Set Error");
    };
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_EQ(2, clicks);
    ASSERT_EQ(1, dialogs.Count());
    EXPECT_EQ("VKA-7410", dialogs.Last().Caption);
    EXPECT_EQ(DialogOrigin::Exception, dialogs.Last().Origin);
    EXPECT_EQ(DialogIcon::Error, dialogs.Last().Icon);

    TTimer timer(nullptr);
    timer.SetInterval(1);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 1)
            throw Exception("Get: [ERROR]");
    };
    EXPECT_TRUE(vka_test::PumpUntil([&] { return ticks >= 3; }));
    timer.SetEnabled(false);
    const int stoppedAt = ticks;
    Application->ProcessMessages();
    EXPECT_EQ(stoppedAt, ticks);

    std::vector<UINT> handled;
    HWND window = AllocateHWnd([&](TMessage& m) {
        handled.push_back(m.Msg);
        if (m.Msg == 33200)
            throw Exception("socket failed");
    });
    PostMessage(window, 33200, 0, 0);
    PostMessage(window, 33199, 0, 0);
    Application->ProcessMessages();
    DeallocateHWnd(window);
    EXPECT_EQ((std::vector<UINT>{33200, 33199}), handled);
    // A stop is added only where the text has no closing punctuation of its own.
    Application->ShowException(Exception("Save OK!"));
    Application->ShowException(std::runtime_error("plain"));
    EXPECT_EQ((std::vector<std::string>{"Set Error.", "Get: [ERROR].", "socket failed.", "Save OK!", "plain."}),
              dialogs.Texts());
}

TEST(HandlerExceptions, AModalFormSurvivesAnExceptionInItsHandler)
{
    InstalledScriptedDialogs dialogs;
    auto* form = new TForm(nullptr);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->OnClick = [](TObject*) { throw Exception("Please input a number between 1 and 15."); };
    WhenLoopRuns([&] {
        QTest::mouseClick(button->Widget(), Qt::LeftButton);
        WhenLoopRuns([&] { form->SetModalResult(mrOk); });
    });
    EXPECT_EQ(mrOk, form->ShowModal());
    EXPECT_EQ((std::vector<std::string>{"Please input a number between 1 and 15."}), dialogs.Texts());
    delete form;
}

// How many copies of a handler's captured state exist.
int handlerStates = 0;
struct HandlerState {
    HandlerState() { ++handlerStates; }
    HandlerState(const HandlerState&) { ++handlerStates; }
    ~HandlerState() { --handlerStates; }
};

TEST(Timers, AHandlerThatDeletesItsOwnTimerRunsToItsEnd)
{
    auto* owner = new TComponent(nullptr);
    auto* timer = new TTimer(owner);
    timer->SetInterval(1);
    static bool fired, stateAliveAfterDelete;  // not reached through the handler's own state
    fired = stateAliveAfterDelete = false;
    timer->OnTimer = [owner, state = HandlerState()](TObject*) {
        fired = true;
        delete owner;  // the timer goes with its owner
        stateAliveAfterDelete = handlerStates > 0;
    };
    ASSERT_TRUE(vka_test::PumpUntil([&] { return fired; }));
    EXPECT_TRUE(stateAliveAfterDelete);
}

TEST(MessageBoxes, EachCallChoosesCaptionButtonsIconDefaultAndResult)
{
    InstalledScriptedDialogs dialogs;
    Application->SetTitle("VKA-7410");
    using Buttons = std::vector<DialogButton>;
    struct Case {
        std::function<int()> call;
        DialogButton answer;  // Ok: let the default button answer
        int result;
        const char* caption;
        Buttons buttons;
        DialogButton defaultButton;
        DialogIcon icon;
        DialogOrigin origin;
    } cases[] = {
        {[] { return MessageBoxA(nullptr, "Are you sure to delete ?", "Delete", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2); },
         DialogButton::No, IDNO, "Delete", {DialogButton::Yes, DialogButton::No}, DialogButton::No, DialogIcon::Question,
         DialogOrigin::MessageBox},
        {[] { return Application->MessageBox("Another VKA-7410 module is running!", "Warning", 0); },
         DialogButton::Ok, IDOK, "Warning", {DialogButton::Ok}, DialogButton::Ok, DialogIcon::None, DialogOrigin::MessageBox},
        {[] { ShowMessage("This module is only used in the NVane or HP-Openview."); return 0; }, DialogButton::Ok, 0,
         "VKA-7410", {DialogButton::Ok}, DialogButton::Ok, DialogIcon::None, DialogOrigin::ShowMessage},
    };
    for (const Case& c : cases) {
        if (c.answer != DialogButton::Ok)
            dialogs.Answer(c.answer);
        EXPECT_EQ(c.result, c.call()) << c.caption;
        const MessageBoxRequest& box = dialogs.Last();
        EXPECT_EQ(c.caption, box.Caption);
        EXPECT_EQ(c.buttons, box.Buttons) << c.caption;
        EXPECT_EQ(c.defaultButton, box.DefaultButton) << c.caption;
        EXPECT_EQ(c.icon, box.Icon) << c.caption;
        EXPECT_EQ(c.origin, box.Origin) << c.caption;
    }
}

TEST(FileDialogs, SettingsGoToTheServiceAndTheDefaultExtensionIsAdded)
{
    InstalledScriptedDialogs dialogs;
    TSaveDialog save(nullptr);
    save.SetFilter("Config files|*.cfg|All files|*.*");
    save.SetFilterIndex(2);
    save.SetDefaultExt("cfg");
    save.SetInitialDir("/tmp");
    save.SetTitle("Save settings");
    save.SetFileName("old.cfg");
    dialogs.ChooseFile("/tmp/settings", 1);
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(AnsiString("/tmp/settings.cfg"), save.FileName());
    EXPECT_EQ(1, save.FilterIndex());
    const FileDialogRequest& asked = dialogs.fileRequests.back();
    EXPECT_TRUE(asked.Save);
    EXPECT_EQ("Save settings", asked.Title);
    EXPECT_EQ(2, asked.FilterIndex);
    EXPECT_EQ("/tmp", asked.InitialDir);
    EXPECT_EQ("old.cfg", asked.FileName);

    TOpenDialog open(nullptr);
    open.SetFileName("keep.bin");
    dialogs.CancelFile();
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(AnsiString("keep.bin"), open.FileName());
    EXPECT_FALSE(dialogs.fileRequests.back().Save);

    using Pairs = std::vector<std::pair<std::string, std::string>>;
    auto pairs = SplitDialogFilter("Text|*.txt|Logs|*.log;*.msg");
    EXPECT_EQ((Pairs{{"Text", "*.txt"}, {"Logs", "*.log *.msg"}}), Pairs(pairs.begin(), pairs.end()));
    EXPECT_EQ("a/b.tar.gz", ApplyDefaultExtension("a/b.tar.gz", "txt"));
    EXPECT_EQ("dir.d/file.txt", ApplyDefaultExtension("dir.d/file", ".txt"));
}

}  // namespace
