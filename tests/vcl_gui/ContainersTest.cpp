// Containers, clicks, keys, the application's loops and painted controls.
#include "GuiTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Containers, ScrollBoxGrowsToItsChildrenAndBordersKeepAlignedChildrenInside)
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

TEST(Coordinates, ClientAndScreenPointsConvertBothWaysBelowAMenuBar)
{
    ShownForm f;
    auto* group = f.Add<TGroupBox>("GroupBox1");
    group->SetBounds(40, 50, 200, 100);
    for (bool withMenu : {false, true}) {
        if (withMenu) {
            auto* menu = new TMainMenu(f.form);
            menu->Items()->Add(new TMenuItem(f.form));
            menu->Items()->Items(0)->SetCaption("&Home");
        }
        TPoint screen = group->ClientToScreen(TPoint(3, 4));
        EXPECT_EQ(TPoint(43, 54), f.form->ScreenToClient(screen)) << withMenu;
        EXPECT_EQ(TPoint(3, 4), group->ScreenToClient(screen));
    }
}

TEST(Keys, KeyDownReportsKeyAndShiftAndKeyPreviewLetsTheFormEatKeysFirst)
{
    ShownForm f;
    auto* ok = f.Add<TButton>("BT_Ok");
    std::vector<TShiftState> f3;
    ok->OnKeyDown = [&](TObject*, Word& key, TShiftState shift) {
        if (key == VK_F3)
            f3.push_back(shift);
    };
    QTest::keyClick(ok->Widget(), Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    ASSERT_EQ(1u, f3.size());
    EXPECT_TRUE(f3[0].Contains(ssShift) && f3[0].Contains(ssAlt) && !f3[0].Contains(ssCtrl));

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
    main->OnShow = [&](TObject*) { WhenLoopRuns([&] { main->Close(); }); };
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(main->Visible());
    delete main;
    Application->ResetTerminated();
    Application->SetMainForm(previousMain);
}

TEST(ApplicationLoop, TerminateOrAQtQuitEndsAModalLoopWithCancel)
{
    for (bool qtQuit : {false, true}) {
        Application->ResetTerminated();
        TForm form(nullptr);
        WhenLoopRuns([qtQuit] {
            if (qtQuit)
                QCoreApplication::exit(0);
            else
                Application->Terminate();
        });
        EXPECT_EQ(mrCancel, form.ShowModal()) << qtQuit;
        EXPECT_TRUE(Application->Terminated());
    }
    Application->ResetTerminated();
    // Qt keeps its quit state until its own loop has run once more.
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

TEST(Painting, ShapesAndImagesShowTheirColoursAndSizes)
{
    ShownForm f;
    auto* led = f.Add<TShape>("power");
    led->SetBounds(0, 0, 20, 20);
    led->SetShape(stCircle);
    led->Pen()->SetWidth(0);
    for (TColor colour : {clLime, clRed}) {
        led->Brush()->SetColor(colour);
        QImage shown = led->Widget()->grab().toImage();
        EXPECT_EQ(QColor(colour == clLime ? 0 : 255, colour == clLime ? 255 : 0, 0), shown.pixelColor(10, 10));
        EXPECT_NE(shown.pixelColor(10, 10), shown.pixelColor(0, 0));  // outside the circle
    }

    auto* image = f.Add<TImage>("Image1");
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    image->SetAutoSize(true);
    image->Picture()->Assign(picture);
    EXPECT_EQ(4, image->Width());
    EXPECT_THROW(image->Picture()->LoadFromFile("/nonexistent/front.jpg"), EFOpenError);
    EXPECT_EQ(4, image->Picture()->Width());  // a failed load keeps the picture
    image->SetAutoSize(false);
    image->SetBounds(0, 0, 40, 40);
    EXPECT_NE(QColor(Qt::blue), image->Widget()->grab().toImage().pixelColor(30, 30));
    image->SetStretch(true);
    EXPECT_EQ(QColor(Qt::blue), image->Widget()->grab().toImage().pixelColor(30, 30));
}

}  // namespace
