#pragma once
// Shared set-up: the Qt loop the event timer runs on, the library's session, and
// waiting for asynchronous completions by pumping the loop.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <functional>
#include <string>

#include "KwSNMPRequest.h"
#include "KwSNMPSession.h"
#include "KwSNMPVar.h"

namespace library_requests {

inline QCoreApplication& App()
{
    static int argc = 1;
    static char name[] = "library_requests_integration";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? QCoreApplication::instance() : new QCoreApplication(argc, argv);
    return *app;
}

// Opens the library session once per process, with its boots counter in a temporary folder.
void OpenSession();

// Pumps the Qt loop until `done` holds or `seconds` pass; true when it held.
inline bool PumpUntil(const std::function<bool()>& done, double seconds = 10.0)
{
    App();
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

inline void Pump(double seconds)
{
    PumpUntil([] { return false; }, seconds);
}

struct Spec {
    const char* Oid;
    int Syntax;
    int Access;
};

// Loads the list from specs.
void LoadList(KwSNMPRequest& request, std::initializer_list<Spec> specs, KwSNMPItemType itemType,
              int keyCount);

// A request aimed at 127.0.0.1:port with SNMPv2c and the test communities.
void Aim(KwSNMPRequest& request, unsigned short port, int version = 1);

// The output of a net-snmp command line tool (trimmed).
std::string RunTool(const std::string& commandLine);

} // namespace library_requests
