// Forms: creation order, modal results, closing rules, window messages, menus.
#include "GuiTestSupport.h"

#include <QAction>
#include <QMenuBar>
#include <QGuiApplication>
#include <QPushButton>
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
        Ed_Value->SetName("Ed_Value");
        Ed_Value->SetParent(this);
        SecondsLeft = 20;
        OnCreate = [this](TObject*) {
            // The controls built by the constructor exist when OnCreate runs.
            Ed_Value->SetText("created");
            SecondsLeft = 25;
            ++creates;
            referenceAtCreate = FM_Sample;
        };
    }
    TEdit* Ed_Value;
    int SecondsLeft;
    int creates = 0;
    TFM_Sample* referenceAtCreate = nullptr;
};

TEST(FormCreation, OnCreateRunsOnceAfterTheDerivedConstructor)
{
    std::unique_ptr<TFM_Sample> form(NewForm<TFM_Sample>(nullptr));
    EXPECT_EQ(1, form->creates);
    EXPECT_EQ(AnsiString("created"), form->Ed_Value->Text());
    EXPECT_EQ(25, form->SecondsLeft);
    form->SecondsLeft = 5;  // the creator's setting survives showing
    form->Show();
    EXPECT_EQ(1, form->creates);
    EXPECT_EQ(5, form->SecondsLeft);
}

TEST(FormCreation, ShowRunsOnCreateForAFormMadeWithNew)
{
    std::unique_ptr<TFM_Sample> form(new TFM_Sample(nullptr));
    EXPECT_EQ(0, form->creates);
    form->Show();
    EXPECT_EQ(1, form->creates);
    EXPECT_TRUE(form->Visible());
}

TEST(FormCreation, CreateFormSetsTheReferenceBeforeOnCreate)
{
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
    Application->SetTitle("VKA-7410");
    std::unique_ptr<TForm> form(new TForm(nullptr));
    form->OnCreate = [](TObject*) { throw Exception("Session failed"); };
    form->DoCreate();
    ASSERT_EQ(1, dialogs.Count());
    EXPECT_EQ("Session failed.", dialogs.Last().Text);
    EXPECT_EQ("VKA-7410", dialogs.Last().Caption);
}

// --- modal forms ---------------------------------------------------------------------

struct ModalDialog {
    ModalDialog()
    {
        form = new TForm(nullptr);
        form->SetCaption("Please wait");
        ok = new TButton(form);
        ok->SetName("BT_Ok");
        ok->SetParent(form);
        ok->SetModalResult(mrOk);
        ok->SetDefault(true);
    }
    ~ModalDialog() { delete form; }
    TForm* form;
    TButton* ok;
};

TEST(ModalForms, ShowModalReturnsTheModalResultOfTheButton)
{
    ModalDialog d;
    int clicks = 0;
    d.ok->OnClick = [&](TObject*) { ++clicks; };
    WhenLoopRuns([&] { QTest::mouseClick(d.ok->Widget(), Qt::LeftButton); });
    EXPECT_EQ(mrOk, d.form->ShowModal());
    EXPECT_EQ(1, clicks);
    EXPECT_FALSE(d.form->Visible());
    EXPECT_FALSE(d.form->Widget()->isVisible());
}

TEST(ModalForms, SettingModalResultFromCodeEndsTheLoopAndEnterClicksTheDefault)
{
    ModalDialog d;
    WhenLoopRuns([&] { d.form->SetModalResult(mrYes); });
    EXPECT_EQ(mrYes, d.form->ShowModal());
    WhenLoopRuns([&] { QTest::keyClick(d.form->Widget(), Qt::Key_Return); });
    EXPECT_EQ(mrOk, d.form->ShowModal());
}

TEST(ModalForms, CloseQueryRefusesEscAndTheCloseButton)
{
    ModalDialog d;
    bool allow = false;
    int queries = 0;
    d.form->OnCloseQuery = [&](TObject*, bool& canClose) {
        ++queries;
        canClose = allow;
    };
    bool stillOpenAfterEsc = false, stillOpenAfterClose = false, closeAccepted = true;
    WhenLoopRuns([&] {
        QTest::keyClick(d.form->Widget(), Qt::Key_Escape);
        WhenLoopRuns([&] {
            stillOpenAfterEsc = d.form->Widget()->isVisible();
            closeAccepted = d.form->Widget()->close();
            WhenLoopRuns([&] {
                stillOpenAfterClose = d.form->Widget()->isVisible();
                allow = true;
                d.form->Widget()->close();
            });
        });
    });
    EXPECT_EQ(mrCancel, d.form->ShowModal());
    EXPECT_TRUE(stillOpenAfterEsc);
    EXPECT_TRUE(stillOpenAfterClose);
    EXPECT_FALSE(closeAccepted);
    EXPECT_EQ(3, queries);
}

TEST(ModalForms, AFormDeletedWhileModalEndsItsLoopWithCancel)
{
    auto* owner = new TComponent(nullptr);
    auto* form = new TForm(owner);
    WhenLoopRuns([owner] { delete owner; });  // e.g. the main form going at shutdown
    EXPECT_EQ(mrCancel, form->ShowModal());
}

TEST(ModalForms, EscClicksTheCancelButton)
{
    ModalDialog d;
    auto* cancel = new TButton(d.form);
    cancel->SetParent(d.form);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrNo);
    WhenLoopRuns([&] { QTest::keyClick(d.form->Widget(), Qt::Key_Escape); });
    EXPECT_EQ(mrNo, d.form->ShowModal());
}

TEST(ModalForms, CloseInsideOnCloseDoesNotRecurseOrChangeTheResult)
{
    ModalDialog d;
    int closes = 0;
    d.form->OnClose = [&](TObject*, TCloseAction&) {
        ++closes;
        d.form->Close();
    };
    WhenLoopRuns([&] { d.ok->Click(); });
    EXPECT_EQ(mrOk, d.form->ShowModal());
    EXPECT_EQ(1, closes);
}

TEST(Forms, CloseInsideOnCloseOfAShownFormRunsOnce)
{
    ShownForm f;
    int closes = 0;
    f.form->OnClose = [&](TObject*, TCloseAction&) {
        ++closes;
        f.form->Close();
    };
    f.form->Close();
    EXPECT_EQ(1, closes);
    EXPECT_FALSE(f.form->Visible());
}

TEST(Forms, CloseActionNoneKeepsTheFormAndFreeReleasesIt)
{
    auto* form = new TForm(nullptr);
    bool destroyed = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    TCloseAction next = caNone;
    form->OnClose = [&](TObject*, TCloseAction& action) { action = next; };
    form->Show();
    form->Close();
    EXPECT_TRUE(form->Visible());
    next = caFree;
    form->Close();
    EXPECT_FALSE(destroyed);
    QApplication::processEvents();
    EXPECT_TRUE(destroyed);
}

TEST(Forms, AFixedBorderStillLetsCodeResizeTheForm)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsSingle);
    form.SetBorderIcons(biSystemMenu | biMinimize);
    form.SetClientWidth(300);
    form.Show();
    form.SetClientWidth(420);
    form.SetClientHeight(170);
    EXPECT_EQ(420, form.ClientWidth());
    EXPECT_EQ(170, form.ClientHeight());
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

// --- window messages ----------------------------------------------------------------

class TConfigProbe : public TForm {
public:
    using TForm::TForm;
    void Dispatch(void* message) override
    {
        auto* m = static_cast<TMessage*>(message);
        if (m->Msg == 34002) {
            ++refreshes;
            return;
        }
        TForm::Dispatch(message);
    }
    int refreshes = 0;
};

TEST(Forms, PostedMessagesReachDispatchAndTheRestGoesToTheDefault)
{
    auto* form = new TConfigProbe(nullptr);
    form->Show();
    HWND handle = form->Handle();
    ASSERT_TRUE(PostMessage(handle, 34002, 0, 0));
    ASSERT_TRUE(PostMessage(handle, WM_CLOSE, 0, 0));
    Application->ProcessMessages();
    EXPECT_EQ(1, form->refreshes);
    EXPECT_FALSE(form->Visible());
    delete form;
    EXPECT_FALSE(IsWindow(handle));
}

TEST(Forms, NextControlMessageMovesTheFocus)
{
    ShownForm f;
    auto* first = f.Add<TEdit>("Ed_First");
    auto* second = f.Add<TEdit>("Ed_Second");
    second->SetTop(30);
    QApplication::setActiveWindow(f.form->Widget());
    first->SetFocus();
    ASSERT_TRUE(first->Focused());
    PostMessage(f.form->Handle(), WM_NEXTDLGCTL, 0, 0);
    Application->ProcessMessages();
    EXPECT_TRUE(second->Focused());
}

TEST(Forms, TabOrderDecidesWhereTheFocusGoesNext)
{
    ShownForm f;
    auto* a = f.Add<TEdit>("Ed_A");
    auto* b = f.Add<TEdit>("Ed_B");
    auto* c = f.Add<TEdit>("Ed_C");
    EXPECT_EQ(2, c->TabOrder());
    b->SetTabOrder(2);
    EXPECT_EQ(2, b->TabOrder());
    EXPECT_EQ(1, c->TabOrder());
    QApplication::setActiveWindow(f.form->Widget());
    a->SetFocus();
    f.form->SelectNext();
    EXPECT_TRUE(c->Focused());
    f.form->SelectNext();
    EXPECT_TRUE(b->Focused());
}

TEST(Forms, EnterAndExitFollowTheFocus)
{
    ShownForm f;
    auto* first = f.Add<TEdit>("Ed_First");
    auto* second = f.Add<TEdit>("Ed_Second");
    std::vector<std::string> log;
    first->OnExit = [&](TObject*) { log.push_back("exit first"); };
    second->OnEnter = [&](TObject*) { log.push_back("enter second"); };
    QApplication::setActiveWindow(f.form->Widget());
    first->SetFocus();
    second->SetFocus();
    EXPECT_EQ((std::vector<std::string>{"exit first", "enter second"}), log);
}

TEST(Forms, ActiveControlChosenBeforeShowGetsTheFocusWhenShown)
{
    TForm form(nullptr);
    auto* first = new TEdit(&form);
    first->SetParent(&form);
    auto* second = new TEdit(&form);
    second->SetParent(&form);
    second->SetTop(30);
    form.SetActiveControl(second);
    form.Show();
    QApplication::setActiveWindow(form.Widget());
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(second, form.ActiveControl());
}

TEST(Forms, AnActiveControlDeletedBeforeShowIsForgotten)
{
    TForm form(nullptr);
    auto* kept = new TEdit(&form);
    kept->SetParent(&form);
    auto* dropped = new TEdit(&form);
    dropped->SetParent(&form);
    form.SetActiveControl(dropped);
    delete dropped;
    form.Show();  // the deleted control is not read (AddressSanitizer builds see it)
    QApplication::setActiveWindow(form.Widget());
    kept->SetFocus();
    EXPECT_EQ(kept, form.ActiveControl());
}

TEST(Forms, AnExitHandlerCanTakeTheFocusBack)
{
    ShownForm f;
    auto* first = f.Add<TEdit>("Ed_Vid");
    auto* second = f.Add<TEdit>("Ed_Other");
    second->SetTop(30);
    std::vector<std::string> log;
    first->OnExit = [&](TObject*) {
        log.push_back("exit first");
        first->SetFocus();  // refused input: back to the edit
    };
    second->OnEnter = [&](TObject*) { log.push_back("enter second"); };
    second->OnExit = [&](TObject*) { log.push_back("exit second"); };
    QApplication::setActiveWindow(f.form->Widget());
    first->SetFocus();
    second->SetFocus();
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ((std::vector<std::string>{"exit first"}), log);
}

// --- menus --------------------------------------------------------------------------

TEST(Menus, ItemsBecomeActionsOfTheFormsMenuBar)
{
    ShownForm f;
    auto* menu = new TMainMenu(f.form);
    auto* file = new TMenuItem(f.form);
    file->SetCaption("&Home");
    menu->Items()->Add(file);
    auto* wireless = new TMenuItem(f.form);
    wireless->SetCaption("&Wireless");
    wireless->SetName("Wireless1");
    file->Add(wireless);
    int clicks = 0;
    wireless->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_EQ(menu, f.form->Menu());
    auto* bar = f.form->Widget()->findChild<QMenuBar*>();
    ASSERT_NE(nullptr, bar);
    ASSERT_EQ(1, bar->actions().size());
    EXPECT_EQ(QString("&Home"), bar->actions()[0]->text());
    wireless->Action()->trigger();
    EXPECT_EQ(1, clicks);
    wireless->SetVisible(false);
    EXPECT_FALSE(wireless->Action()->isVisible());
    wireless->SetEnabled(false);
    EXPECT_FALSE(wireless->Action()->isEnabled());
    EXPECT_EQ(1, file->Count());
    EXPECT_EQ(wireless, FindComponentByName(f.form, "Wireless1"));
    EXPECT_EQ(f.form->Widget()->height() - f.form->ClientHeight(), bar->height());
    EXPECT_EQ(bar->height(), f.form->ClientWidget()->y());
    EXPECT_GT(bar->height(), 0);
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
