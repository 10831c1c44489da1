#include "QtPump.h"

#include <QEventLoop>
#include <QTimer>
#include <chrono>

namespace vka_test {

bool PumpUntil(const std::function<bool()>& done, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

void Pump(double seconds)
{
    PumpUntil([] { return false; }, seconds);
}

} // namespace vka_test
