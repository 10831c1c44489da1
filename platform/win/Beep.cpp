#include "Beep.h"

#include <QApplication>
#include <atomic>
#include <mutex>

namespace {
std::atomic<int> beeps{0};
std::mutex hookMutex;
std::function<void(const BeepRecord&)>& Hook()
{
    static std::function<void(const BeepRecord&)> hook;
    return hook;
}
}  // namespace

BOOL Beep(DWORD frequency, DWORD duration)
{
    ++beeps;
    std::function<void(const BeepRecord&)> hook;
    {
        std::lock_guard<std::mutex> lock(hookMutex);
        hook = Hook();
    }
    if (hook)
        hook(BeepRecord{frequency, duration});
    else if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
    return 1;
}

int BeepCount() { return beeps.load(); }

void SetBeepHook(std::function<void(const BeepRecord&)> hook)
{
    std::lock_guard<std::mutex> lock(hookMutex);
    Hook() = std::move(hook);
}
