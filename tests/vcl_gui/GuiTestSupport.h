#pragma once
// Helpers for the GUI tests: a shown form to put controls on, and running code
// once the next modal loop is up.
#include "ScriptedDialogs.h"
#include "vcl.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

// Runs `action` from the event loop, i.e. inside the next ShowModal.
inline void WhenLoopRuns(std::function<void()> action, int delayMs = 0)
{
    QTimer::singleShot(delayMs, QApplication::instance(), std::move(action));
}

// A visible form owned by nobody, deleted at the end of the test.
struct ShownForm {
    ShownForm()
    {
        form = new TForm(nullptr);
        form->SetName("TestForm");
        form->SetBounds(10, 10, 400, 300);
        form->Show();
        QApplication::processEvents();
    }
    ~ShownForm() { delete form; }
    template <class T>
    T* Add(const char* name)
    {
        T* control = new T(form);
        control->SetName(name);
        control->SetParent(form);
        return control;
    }
    TForm* form;
};
