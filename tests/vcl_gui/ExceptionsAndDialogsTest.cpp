// Exceptions from handlers, timers and posted messages are shown through the
// dialog service and the loop goes on; message boxes and file dialogs.
#include "GuiTestSupport.h"

#include <QEventLoop>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs the event loop until `done` says so (a generous guard ends a hung loop).
void RunLoopUntil(const std::function<bool()>& done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(HandlerExceptions, AClickHandlerExceptionIsShownAndTheFormGoesOn)
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
    EXPECT_EQ("Set Error.", dialogs.Last().Text);
    EXPECT_EQ("VKA-7410", dialogs.Last().Caption);
    EXPECT_EQ(DialogOrigin::Exception, dialogs.Last().Origin);
    EXPECT_EQ(DialogIcon::Error, dialogs.Last().Icon);
}

TEST(HandlerExceptions, MessagesEndingInPunctuationGetNoExtraStop)
{
    InstalledScriptedDialogs dialogs;
    Application->ShowException(Exception("Save OK!"));
    Application->ShowException(std::runtime_error("plain"));
    EXPECT_EQ((std::vector<std::string>{"Save OK!", "plain."}), dialogs.Texts());
}

TEST(HandlerExceptions, ATimerKeepsTickingAfterItsHandlerThrew)
{
    InstalledScriptedDialogs dialogs;
    TTimer timer(nullptr);
    timer.SetInterval(1);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 1)
            throw Exception("Get: [ERROR]");
    };
    RunLoopUntil([&] { return ticks >= 3; });
    EXPECT_GE(ticks, 3);
    ASSERT_EQ(1, dialogs.Count());
    EXPECT_EQ("Get: [ERROR].", dialogs.Last().Text);
    timer.SetEnabled(false);
    int stoppedAt = ticks;
    Application->ProcessMessages();
    EXPECT_EQ(stoppedAt, ticks);
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
    RunLoopUntil([&] { return fired; });
    ASSERT_TRUE(fired);
    EXPECT_TRUE(stateAliveAfterDelete);
}

TEST(HandlerExceptions, APostedMessageHandlerExceptionIsShownAndLaterMessagesArrive)
{
    InstalledScriptedDialogs dialogs;
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
    ASSERT_EQ(1, dialogs.Count());
    EXPECT_EQ("socket failed.", dialogs.Last().Text);
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

// --- message boxes ----------------------------------------------------------------------

TEST(MessageBoxes, MessageBoxAFlagsChooseButtonsIconAndDefault)
{
    InstalledScriptedDialogs dialogs;
    dialogs.Answer(DialogButton::No);
    int result = MessageBoxA(nullptr, "Are you sure to delete ?", "Delete", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_EQ(IDNO, result);
    const MessageBoxRequest& box = dialogs.Last();
    EXPECT_EQ("Delete", box.Caption);
    EXPECT_EQ("Are you sure to delete ?", box.Text);
    EXPECT_EQ((std::vector<DialogButton>{DialogButton::Yes, DialogButton::No}), box.Buttons);
    EXPECT_EQ(DialogButton::No, box.DefaultButton);
    EXPECT_EQ(DialogIcon::Question, box.Icon);
    // Without a queued answer the default button answers.
    EXPECT_EQ(IDOK, Application->MessageBox("Another VKA-7410 module is running!", "Warning", 0));
    EXPECT_EQ(DialogIcon::None, dialogs.Last().Icon);
    EXPECT_EQ((std::vector<DialogButton>{DialogButton::Ok}), dialogs.Last().Buttons);
}

TEST(MessageBoxes, MessageDlgCaptionsByTypeAndResultsByButton)
{
    InstalledScriptedDialogs dialogs;
    dialogs.Answer(DialogButton::Cancel);
    EXPECT_EQ(mrCancel, MessageDlg("Save?", mtConfirmation, mbYesNoCancel, 0));
    EXPECT_EQ("Confirm", dialogs.Last().Caption);
    EXPECT_EQ(DialogButton::Yes, dialogs.Last().DefaultButton);
    EXPECT_EQ(mrOk, MessageDlg("Bad address", mtError, TMsgDlgButtons() << mbOK, 0));
    EXPECT_EQ("Error", dialogs.Last().Caption);
    EXPECT_EQ(DialogOrigin::MessageDlg, dialogs.Last().Origin);
    dialogs.DefaultAnswer = DialogButton::No;
    EXPECT_EQ(mrNo, MessageDlg("Sure?", mtWarning, mbYesNo, 0));
    EXPECT_EQ("Warning", dialogs.Last().Caption);
}

TEST(MessageBoxes, ShowMessageUsesTheApplicationTitle)
{
    InstalledScriptedDialogs dialogs;
    Application->SetTitle("VKA-7410");
    ShowMessage("This module is only used in the NVane or HP-Openview.");
    EXPECT_EQ("VKA-7410", dialogs.Last().Caption);
    EXPECT_EQ(DialogOrigin::ShowMessage, dialogs.Last().Origin);
}

// --- file dialogs -------------------------------------------------------------------------

TEST(FileDialogs, SaveDialogPassesItsSettingsAndAddsTheDefaultExtension)
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
}

TEST(FileDialogs, FiltersSplitIntoDescriptionsAndPatterns)
{
    auto pairs = SplitDialogFilter("Text|*.txt|Logs|*.log;*.msg");
    ASSERT_EQ(2u, pairs.size());
    EXPECT_EQ("Text", pairs[0].first);
    EXPECT_EQ("*.txt", pairs[0].second);
    EXPECT_EQ("*.log *.msg", pairs[1].second);
    EXPECT_EQ("a/b.tar.gz", ApplyDefaultExtension("a/b.tar.gz", "txt"));
    EXPECT_EQ("dir.d/file.txt", ApplyDefaultExtension("dir.d/file", ".txt"));
}

}  // namespace
