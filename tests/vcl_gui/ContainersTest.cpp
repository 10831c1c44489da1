// Containers, clicks, keys, the application's loops and painted controls.
#include "GuiTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Containers, ScrollBoxGrowsToHoldItsChildren)
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

TEST(Keys, KeyDownReportsTheVirtualKeyAndTheShiftState)
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
    EXPECT_EQ(QColor(Qt::blue), image->Widget()->grab().toImage().pixelColor(2, 2));
}

}  // namespace
