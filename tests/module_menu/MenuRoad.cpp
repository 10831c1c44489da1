#include "MenuRoad.h"

#include "KwSNMPRequest2Controls.h"
#include "KwSNMPSession.h"

#include <QApplication>
#include <QTimer>

#include <memory>

namespace vka_test {

std::vector<TMenuItem*> FormEntries(TMainForm& main)
{
    std::vector<TMenuItem*> entries;
    std::function<void(TMenuItem*)> walk = [&](TMenuItem* item) {
        if (item->Count() == 0) {
            entries.push_back(item);
            return;
        }
        for (int i = 0; i < item->Count(); ++i)
            walk(item->Items(i));
    };
    for (TMenuItem* top : {main.Home1, main.advanced2, main.tools2, main.status2})
        walk(top);
    return entries;
}

bool OpenAndClose(const std::function<void()>& open, const std::function<void()>& whileOpen)
{
    auto returned = std::make_shared<bool>(false);
    auto attempt = std::make_shared<std::function<void()>>();
    auto tries = std::make_shared<int>(0);
    auto seen = std::make_shared<bool>(false);
    *attempt = [=] {
        if (*returned || ++*tries > 1200)
            return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            // Once, at the first attempt that finds the form open (a creation that pumps
            // messages runs the first attempts before the form is shown).
            if (!*seen && whileOpen) {
                if (TForm* form = NewestForm(); form && RequestPumping(form)) {
                    QTimer::singleShot(10, QApplication::instance(), *attempt);
                    return;  // not from inside a request's own message pumping
                }
                *seen = true;
                whileOpen();
            }
            modal->close();
        }
        QTimer::singleShot(50, QApplication::instance(), *attempt);
    };
    QTimer::singleShot(0, QApplication::instance(), *attempt);
    open();
    *returned = true;
    return QApplication::activeModalWidget() == nullptr;
}

bool OpenAndClose(TMenuItem* entry, const std::function<void()>& whileOpen)
{
    return OpenAndClose([entry] { entry->Click(); }, whileOpen);
}

void ForEveryFormEntry(TMainForm& main, const std::function<void(TMenuItem* entry, TForm* form)>& whileOpen)
{
    for (TMenuItem* entry : FormEntries(main)) {
        if (!entry->Enabled())
            continue;
        SCOPED_TRACE(entry->Name().ToStdString());
        EXPECT_TRUE(OpenAndClose(entry, [&] {
            TForm* form = NewestForm();
            EXPECT_TRUE(PumpUntil([&] { return RequestsIdle(form); }, 20)) << OutstandingRequests(form);
            whileOpen(entry, form);
        }));
    }
}

bool StatusShows(TForm* form, const std::string& text)
{
    for (TStatusBar* bar : Owned<TStatusBar>(form)) {
        if (bar->SimpleText().ToStdString().find(text) != std::string::npos)
            return true;
        for (int i = 0; i < bar->Panels()->Count(); ++i)
            if (bar->Panels()->Items(i)->Text().ToStdString().find(text) != std::string::npos)
                return true;
    }
    return false;
}

TForm* NewestForm()
{
    for (int i = Application->ComponentCount() - 1; i >= 0; --i)
        if (auto* form = dynamic_cast<TForm*>(Application->Components(i)))
            return form;
    return nullptr;
}

void MenuRoad::SetUp()
{
    FormRoad::SetUp();
    main = new TMainForm(Application);
    AimFormSession(devsim.Port(), Version());
}

void MenuRoad::TearDown()
{
    delete main;
    KwTimeoutCap = 0;
    KwWalkRowLimit = walkRowLimit_;
    FormRoad::TearDown();
}

}  // namespace vka_test
