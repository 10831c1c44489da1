// Containers and the application object: scroll box, panels with borders, the
// message loop, keys.
#include "GuiTestSupport.h"

#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ScrollBox, ContentGrowsToHoldItsChildren)
{
    ShownForm f;
    auto* box = f.Add<TScrollBox>("ScrollBox1");
    box->SetBounds(0, 0, 100, 80);
    auto* edit = new TEdit(f.form);
    edit->SetParent(box);
    edit->SetBounds(10, 200, 121, 21);
    QApplication::processEvents();
    EXPECT_GE(box->ClientWidget()->height(), 221);
    EXPECT_GE(box->ClientWidget()->width(), 131);
    EXPECT_EQ(box->ClientWidget(), edit->Widget()->parentWidget());
}

TEST(Panels, BorderWidthKeepsAlignedChildrenInside)
{
    ShownForm f;
    auto* panel = f.Add<TPanel>("Panel1");
    panel->SetBevelOuter(bvNone);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetBorderWidth(5);
    auto* inner = new TPanel(f.form);
    inner->SetParent(panel);
    inner->SetAlign(alClient);
    EXPECT_EQ(5, inner->Left());
    EXPECT_EQ(190, inner->Width());
    EXPECT_EQ(90, inner->Height());
}

TEST(Clicks, AClickOnALabelIsTheLabelsAloneNotItsPanels)
{
    ShownForm f;
    auto* panel = f.Add<TPanel>("Panel1");
    panel->SetBounds(0, 0, 200, 100);
    auto* label = new TLabel(f.form);
    label->SetParent(panel);
    label->SetCaption("Samples");
    label->SetLeft(20);
    int labelClicks = 0, panelClicks = 0;
    label->OnClick = [&](TObject*) { ++labelClicks; };
    panel->OnClick = [&](TObject*) { ++panelClicks; };
    QTest::mouseClick(label->Widget(), Qt::LeftButton);
    EXPECT_EQ(1, labelClicks);
    EXPECT_EQ(0, panelClicks);
    QTest::mouseClick(panel->Widget(), Qt::LeftButton, {}, QPoint(150, 80));
    EXPECT_EQ(1, panelClicks);
}

TEST(Coordinates, ClientAndScreenPointsConvertBothWays)
{
    ShownForm f;
    auto* group = f.Add<TGroupBox>("GroupBox1");
    group->SetBounds(40, 50, 200, 100);
    TPoint screen = group->ClientToScreen(TPoint(3, 4));
    EXPECT_EQ(TPoint(43, 54), f.form->ScreenToClient(screen));
    EXPECT_EQ(TPoint(3, 4), group->ScreenToClient(screen));
    // A menu bar above the client area moves it, not its coordinates.
    auto* menu = new TMainMenu(f.form);
    menu->Items()->Add(new TMenuItem(f.form));
    menu->Items()->Items(0)->SetCaption("&Home");
    EXPECT_EQ(TPoint(43, 54), f.form->ScreenToClient(group->ClientToScreen(TPoint(3, 4))));
}

TEST(Keys, KeyDownReportsVirtualKeyAndShiftState)
{
    ShownForm f;
    auto* ok = f.Add<TButton>("BT_Ok");
    auto* build = f.Add<TLabel>("Label4");
    build->SetVisible(false);
    ok->OnKeyDown = [&](TObject*, Word& key, TShiftState shift) {
        if (key == VK_F3 && shift.Contains(ssShift) && shift.Contains(ssAlt))
            build->SetVisible(true);
    };
    QTest::keyClick(ok->Widget(), Qt::Key_F3);
    EXPECT_FALSE(build->Visible());
    QTest::keyClick(ok->Widget(), Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(build->Visible());
}

TEST(Keys, KeyPreviewLetsTheFormSeeAndEatKeysFirst)
{
    ShownForm f;
    f.form->SetKeyPreview(true);
    auto* edit = f.Add<TEdit>("Ed_Port");
    int formKeys = 0;
    f.form->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
        ++formKeys;
        if (key == 'X')
            key = 0;
    };
    QApplication::setActiveWindow(f.form->Widget());
    edit->SetFocus();
    QTest::keyClicks(edit->Widget(), "1x2");
    EXPECT_EQ(AnsiString("12"), edit->Text());
    EXPECT_EQ(3, formKeys);
    QTest::keyClick(edit->Widget(), Qt::Key_Return);  // bubbles up unhandled, not previewed twice
    EXPECT_EQ(4, formKeys);
}

TEST(ApplicationLoop, RunEndsWhenTheMainFormCloses)
{
    TCustomForm* previousMain = Application->MainForm();
    Application->SetMainForm(nullptr);
    Application->ResetTerminated();
    TForm* main = nullptr;
    Application->CreateForm(main);
    bool shown = false;
    main->OnShow = [&](TObject*) {
        shown = true;
        WhenLoopRuns([&] { main->Close(); });
    };
    Application->Run();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(main->Visible());
    delete main;
    Application->ResetTerminated();
    Application->SetMainForm(previousMain);
}

TEST(ApplicationLoop, TerminateEndsAModalLoopWithCancel)
{
    Application->ResetTerminated();
    TForm form(nullptr);
    WhenLoopRuns([] { Application->Terminate(); });
    EXPECT_EQ(mrCancel, form.ShowModal());
    Application->ResetTerminated();
}

TEST(ApplicationLoop, AQtQuitEndsAModalLoopInsteadOfSpinning)
{
    Application->ResetTerminated();
    TForm form(nullptr);
    WhenLoopRuns([] { QCoreApplication::exit(0); });
    EXPECT_EQ(mrCancel, form.ShowModal());
    EXPECT_TRUE(Application->Terminated());
    Application->ResetTerminated();
    // Qt keeps its quit state until its own loop has run once more.
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

TEST(ApplicationLoop, ProcessMessagesDeliversPostedMessages)
{
    int delivered = 0;
    HWND window = AllocateHWnd([&](TMessage& m) { delivered += int(m.WParam); });
    PostMessage(window, WM_USER + 1, 2, 0);
    PostMessage(window, WM_USER + 1, 3, 0);
    EXPECT_EQ(0, delivered);
    Application->ProcessMessages();
    EXPECT_EQ(5, delivered);
    PostMessage(window, WM_USER + 1, 4, 0);
    Application->HandleMessage();  // waits for the queued message, then handles it
    EXPECT_EQ(9, delivered);
    DeallocateHWnd(window);
}

TEST(Shapes, BrushColourAndShapePaint)
{
    ShownForm f;
    auto* led = f.Add<TShape>("power");
    led->SetBounds(0, 0, 20, 20);
    led->SetShape(stCircle);
    led->Brush()->SetColor(clLime);
    led->Pen()->SetWidth(0);
    QImage image = led->Widget()->grab().toImage();
    EXPECT_EQ(QColor(0, 255, 0), image.pixelColor(10, 10));
    EXPECT_NE(QColor(0, 255, 0), image.pixelColor(0, 0));  // outside the circle
    led->Brush()->SetColor(clRed);
    image = led->Widget()->grab().toImage();
    EXPECT_EQ(QColor(255, 0, 0), image.pixelColor(10, 10));
}

TEST(Images, PictureLoadsAndAutoSizes)
{
    ShownForm f;
    auto* image = f.Add<TImage>("Image1");
    QImage picture(30, 12, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    image->SetAutoSize(true);
    image->Picture()->Assign(picture);
    EXPECT_EQ(30, image->Width());
    EXPECT_EQ(12, image->Height());
    EXPECT_THROW(image->Picture()->LoadFromFile("/nonexistent/front.jpg"), EFOpenError);
    EXPECT_EQ(30, image->Picture()->Width());
}

}  // namespace
