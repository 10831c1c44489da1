// Forms: creation order, modal results, closing rules, window messages, focus, menus.
#include "GuiTestSupport.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TFM_Sample;
TFM_Sample* FM_Sample = nullptr;

class TFM_Sample : public TForm {
public:
    explicit TFM_Sample(TComponent* owner) : TForm(owner)
    {
        Ed_Value = new TEdit(this);
        Ed_Value->SetParent(this);
        OnCreate = [this](TObject*) {
            Ed_Value->SetText("created");  // the constructor's controls exist here
            ++creates;
            referenceAtCreate = FM_Sample;
        };
    }
    TEdit* Ed_Value;
    int creates = 0;
    TFM_Sample* referenceAtCreate = nullptr;
};

TEST(FormCreation, OnCreateRunsOnceAfterTheDerivedConstructor)
{
    std::unique_ptr<TFM_Sample> made(NewForm<TFM_Sample>(nullptr));
    EXPECT_EQ(1, made->creates);
    EXPECT_EQ(AnsiString("created"), made->Ed_Value->Text());
    made->Ed_Value->SetText("set by the creator");
    made->Show();
    EXPECT_EQ(1, made->creates);
    EXPECT_EQ(AnsiString("set by the creator"), made->Ed_Value->Text());

    std::unique_ptr<TFM_Sample> plain(new TFM_Sample(nullptr));
    EXPECT_EQ(0, plain->creates);
    plain->Show();  // a form made with new runs OnCreate when shown
    EXPECT_EQ(1, plain->creates);

    TCustomForm* previousMain = Application->MainForm();
    Application->SetMainForm(nullptr);
    Application->CreateForm(FM_Sample);
    EXPECT_EQ(FM_Sample, FM_Sample->referenceAtCreate);
    EXPECT_EQ(FM_Sample, Application->MainForm());
    delete FM_Sample;
    FM_Sample = nullptr;
    EXPECT_EQ(nullptr, Application->MainForm());
    Application->SetMainForm(previousMain);
}

TEST(FormCreation, ExceptionInOnCreateIsShownAndCreationGoesOn)
{
    InstalledScriptedDialogs dialogs;
    std::unique_ptr<TForm> form(new TForm(nullptr));
    form->OnCreate = [](TObject*) { throw Exception("Session failed"); };
    form->DoCreate();
    EXPECT_EQ(std::vector<std::string>{"Session failed."}, dialogs.Texts());
}

struct ModalDialog {
    ModalDialog()
    {
        form = new TForm(nullptr);
        ok = new TButton(form);
        ok->SetParent(form);
        ok->SetModalResult(mrOk);
        ok->SetDefault(true);
    }
    ~ModalDialog() { delete form; }
    TForm* form;
    TButton* ok;
};

TEST(ModalForms, ShowModalReturnsTheResultOfWhatEndedIt)
{
    struct Case {
        const char* what;
        std::function<void(ModalDialog&)> end;
        TModalResult result;
    } cases[] = {
        {"button click", [](ModalDialog& d) { QTest::mouseClick(d.ok->Widget(), Qt::LeftButton); }, mrOk},
        {"code", [](ModalDialog& d) { d.form->SetModalResult(mrYes); }, mrYes},
        {"Enter", [](ModalDialog& d) { QTest::keyClick(d.form->Widget(), Qt::Key_Return); }, mrOk},
    };
    for (const Case& c : cases) {
        ModalDialog d;
        int clicks = 0;
        d.ok->OnClick = [&](TObject*) { ++clicks; };
        WhenLoopRuns([&] { c.end(d); });
        EXPECT_EQ(c.result, d.form->ShowModal()) << c.what;
        EXPECT_EQ(c.result == mrOk ? 1 : 0, clicks) << c.what;
        EXPECT_FALSE(d.form->Visible() || d.form->Widget()->isVisible()) << c.what;
    }
    auto* owner = new TComponent(nullptr);
    auto* form = new TForm(owner);
    WhenLoopRuns([owner] { delete owner; });  // e.g. the main form going at shutdown
    EXPECT_EQ(mrCancel, form->ShowModal());
}

TEST(ModalForms, CloseQueryRefusesEscAndTheCloseButton)
{
    TForm form(nullptr);
    bool allow = false;
    int queries = 0;
    form.OnCloseQuery = [&](TObject*, bool& canClose) {
        ++queries;
        canClose = allow;
    };
    std::vector<bool> openAfter;
    WhenLoopRuns([&] {
        QTest::keyClick(form.Widget(), Qt::Key_Escape);
        WhenLoopRuns([&] {
            openAfter.push_back(form.Widget()->isVisible());
            openAfter.push_back(!form.Widget()->close());
            WhenLoopRuns([&] {
                openAfter.push_back(form.Widget()->isVisible());
                allow = true;
                form.Widget()->close();
            });
        });
    });
    EXPECT_EQ(mrCancel, form.ShowModal());
    EXPECT_EQ((std::vector<bool>{true, true, true}), openAfter);
    EXPECT_EQ(3, queries);
}

TEST(Forms, CloseInsideOnCloseRunsOnceModalOrNot)
{
    for (bool modal : {true, false}) {
        ModalDialog d;
        int closes = 0;
        d.form->OnClose = [&](TObject*, TCloseAction&) {
            ++closes;
            d.form->Close();
        };
        if (modal) {
            WhenLoopRuns([&] { d.ok->Click(); });
            EXPECT_EQ(mrOk, d.form->ShowModal());
        } else {
            d.form->Show();
            d.form->Close();
        }
        EXPECT_EQ(1, closes) << modal;
        EXPECT_FALSE(d.form->Visible());
    }
}

TEST(Forms, AFixedBorderStillLetsCodeResizeTheForm)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsSingle);
    form.SetClientWidth(300);
    form.Show();
    form.SetClientWidth(420);
    EXPECT_EQ(420, form.ClientWidth());
    EXPECT_EQ(form.Widget()->minimumSize(), form.Widget()->maximumSize());
}

TEST(Forms, CentredOnTheMainWindowTheFormStaysOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        QPoint mainAt;
        QSize formSize;
    } cases[] = {
        {screen.topLeft(), {300, screen.height() - 10}},                      // would start above the top
        {screen.bottomRight() - QPoint(100, 80), {400, 300}},                // would end beyond the corner
        {screen.topLeft() + QPoint(0, screen.height() - 200), {300, 300}},   // grows past the bottom
        {screen.topLeft(), {screen.width() + 50, screen.height() + 50}},     // larger than the screen
    };
    for (const Case& c : cases) {
        TForm main(nullptr);
        main.SetBounds(c.mainAt.x(), c.mainAt.y(), 200, 100);
        main.Show();
        Application->SetMainForm(&main);
        TForm form(nullptr);
        form.SetPosition(poMainFormCenter);
        form.SetBounds(0, 0, c.formSize.width(), c.formSize.height());
        form.Show();
        Application->SetMainForm(nullptr);
        form.SetHeight(form.Height() + 60);  // grown while shown (another layout)
        const QRect placed = form.Widget()->frameGeometry();
        if (placed.width() <= screen.width() && placed.height() <= screen.height()) {
            EXPECT_TRUE(screen.contains(placed)) << placed.x() << "," << placed.y();
        }
        EXPECT_GE(placed.top(), screen.top());
        EXPECT_GE(placed.left(), screen.left());
    }
}

class TConfigProbe : public TForm {
public:
    using TForm::TForm;
    void Dispatch(void* message) override
    {
        auto* m = static_cast<TMessage*>(message);
        if (m->Msg == 34002)
            refreshes += int(m->WParam);
        else
            TForm::Dispatch(message);
    }
    int refreshes = 0;
};

// Posted messages wait for the loop and ProcessMessages delivers what is queued; a
// form's go to Dispatch, the rest to the default.
TEST(Messages, PostedMessagesReachTheirWindowsThroughTheLoop)
{
    int delivered = 0;
    HWND window = AllocateHWnd([&](TMessage& m) { delivered += int(m.WParam); });
    PostMessage(window, WM_USER + 1, 2, 0);
    PostMessage(window, WM_USER + 1, 3, 0);
    EXPECT_EQ(0, delivered);
    Application->ProcessMessages();
    EXPECT_EQ(5, delivered);
    DeallocateHWnd(window);

    auto* form = new TConfigProbe(nullptr);
    form->Show();
    HWND handle = form->Handle();
    ASSERT_TRUE(PostMessage(handle, 34002, 1, 0));
    ASSERT_TRUE(PostMessage(handle, WM_CLOSE, 0, 0));
    Application->ProcessMessages();
    EXPECT_EQ(1, form->refreshes);
    EXPECT_FALSE(form->Visible());
    delete form;
    EXPECT_FALSE(IsWindow(handle));
}

TEST(Focus, TheNextControlMessageMovesTheFocusInCreationOrder)
{
    ShownForm f;
    auto* a = f.Add<TEdit>("Ed_A");
    auto* b = f.Add<TEdit>("Ed_B");
    b->SetTop(30);
    QApplication::setActiveWindow(f.form->Widget());
    a->SetFocus();
    PostMessage(f.form->Handle(), WM_NEXTDLGCTL, 0, 0);
    Application->ProcessMessages();
    EXPECT_TRUE(b->Focused());
}

TEST(Focus, ExitFollowsTheFocusAndAnExitHandlerCanTakeItBack)
{
    ShownForm f;
    auto* first = f.Add<TEdit>("Ed_Vid");
    auto* second = f.Add<TEdit>("Ed_Other");
    second->SetTop(30);
    std::vector<std::string> log;
    bool refuse = false;
    first->OnExit = [&](TObject*) {
        log.push_back("exit first");
        if (refuse)
            first->SetFocus();  // refused input: back to the edit
    };
    second->OnExit = [&](TObject*) { log.push_back("exit second"); };
    QApplication::setActiveWindow(f.form->Widget());
    first->SetFocus();
    second->SetFocus();
    first->SetFocus();
    EXPECT_EQ((std::vector<std::string>{"exit first", "exit second"}), log);
    log.clear();
    refuse = true;
    second->SetFocus();
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ((std::vector<std::string>{"exit first"}), log);
}

TEST(Menus, ItemsBecomeActionsOfTheMenuBarAboveTheClientArea)
{
    ShownForm f;
    auto* menu = new TMainMenu(f.form);
    auto* home = new TMenuItem(f.form);
    home->SetCaption("&Home");
    menu->Items()->Add(home);
    auto* wireless = new TMenuItem(f.form);
    wireless->SetName("Wireless1");
    home->Add(wireless);
    int clicks = 0;
    wireless->OnClick = [&](TObject*) { ++clicks; };
    auto* bar = f.form->Widget()->findChild<QMenuBar*>();
    ASSERT_NE(nullptr, bar);
    ASSERT_EQ(1, bar->actions().size());
    wireless->Action()->trigger();
    EXPECT_EQ(1, clicks);
    wireless->SetVisible(false);
    wireless->SetEnabled(false);
    EXPECT_FALSE(wireless->Action()->isVisible() || wireless->Action()->isEnabled());
    EXPECT_EQ(wireless, FindComponentByName(f.form, "Wireless1"));
    EXPECT_GT(bar->height(), 0);
    EXPECT_EQ(bar->height(), f.form->ClientWidget()->y());
    EXPECT_EQ(f.form->Widget()->height() - f.form->ClientHeight(), bar->height());
}

TEST(Forms, DeletingAFormDeletesItsRequestsWhileItsControlsStillExist)
{
    auto* form = new TForm(nullptr);
    bool readControl = false;
    struct Request : TComponent {
        Request(TComponent* owner, bool& flag, TEdit* edit) : TComponent(owner), flag_(flag), edit_(edit) {}
        // A request may still read its bound controls while it goes.
        ~Request() override { flag_ = edit_->Text() == "kept"; }
        bool& flag_;
        TEdit* edit_;
    };
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetText("kept");
    new Request(form, readControl, edit);
    delete form;
    EXPECT_TRUE(readControl);
}

}  // namespace
