// The Qt dialog service itself: real message boxes and file dialogs, answered by
// clicking them from the event loop.
#include "GuiTestSupport.h"
#include "TempFolder.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

template <class Dialog>
Dialog* OpenDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<Dialog*>(w))
            if (d->isVisible())
                return d;
    return nullptr;
}

// Runs `act` on the message box once it is up.
void WhenBoxIsUp(std::function<void(QMessageBox*)> act)
{
    WhenLoopRuns([=] {
        if (QMessageBox* box = OpenDialog<QMessageBox>())
            act(box);
        else
            WhenBoxIsUp(act);
    }, 10);
}

TEST(QtDialogService, MessageBoxShowsTextAndReturnsTheButtonClicked)
{
    QString title, text;
    WhenBoxIsUp([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(IDNO, MessageBoxA(nullptr, "Are you sure to delete ?", "Delete", MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(QString("Delete"), title);
    EXPECT_EQ(QString("Are you sure to delete ?"), text);
}

// UTF-8 reaches the box as its characters; markup is shown as written.
TEST(QtDialogService, TextIsShownAsItsCharactersNeverAsMarkup)
{
    for (const QString& message : {QString::fromUtf8("Caf\xC3\xA9"), QString("Please input <1..15> in <b>Channel</b> & retry")}) {
        bool shownPlain = false;
        WhenBoxIsUp([&](QMessageBox* box) {
            for (QLabel* label : box->findChildren<QLabel*>())
                if (label->text() == message && label->textFormat() == Qt::PlainText)
                    shownPlain = true;
            box->button(QMessageBox::Ok)->click();
        });
        MessageBoxA(nullptr, message.toUtf8().constData(), "Warning", MB_OK);
        EXPECT_TRUE(shownPlain) << message.toStdString();
    }
}

// Types `name` into the file dialog's name field, as a user does, and accepts the
// dialog once it is up. (QFileDialog::selectFile leaves the field alone while it has
// the focus, so it cannot stand in for typing.)
void AnswerFileDialogWith(const QString& name)
{
    WhenLoopRuns([=] {
        QFileDialog* dialog = OpenDialog<QFileDialog>();
        if (!dialog) {
            AnswerFileDialogWith(name);
            return;
        }
        auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (field)
            field->setText(name);
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();  // the name was refused: the test sees no file chosen
    }, 10);
}

// A name outside ASCII, in a folder outside ASCII, comes back as the file system's bytes.
TEST(QtDialogService, SaveDialogReturnsTheChosenNameWithTheDefaultExtension)
{
    vka_test::TempFolder base("dialog");
    ASSERT_FALSE(base.Path().empty());
    const QString folder = QString::fromStdString(base.Path()) + QString::fromUtf8("/d\xC3\xA9p\xC3\xB4t");
    ASSERT_TRUE(QDir().mkpath(folder));
    AnswerFileDialogWith(QString::fromUtf8("\xE9\x85\x8D\xE7\xBD\xAE"));
    TSaveDialog save(nullptr);
    save.SetFilter("Config files|*.cfg|All files|*.*");
    save.SetDefaultExt("cfg");
    save.SetInitialDir(QFile::encodeName(folder).constData());
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(AnsiString(QFile::encodeName(folder + QString::fromUtf8("/\xE9\x85\x8D\xE7\xBD\xAE.cfg")).constData()),
              save.FileName());
}

}  // namespace
