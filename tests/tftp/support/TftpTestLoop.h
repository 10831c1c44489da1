#pragma once
// Running the Qt event loop in the test while peers work beside it.
#include "FreePort.h"
#include "QtPump.h"

#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>

// A UDP port on 127.0.0.1 that was free a moment ago.
using vka_test::FreeUdpPort;

// Processes Qt events until `done` holds or `maxMs` have passed; the final `done`.
inline bool PumpUntil(const std::function<bool()>& done, int maxMs)
{
    return vka_test::PumpUntil(done, maxMs / 1000.0) || done();
}
// Processes Qt events for `ms` milliseconds.
inline void PumpFor(int ms) { vka_test::Pump(ms / 1000.0); }

struct ProcessResult {
    bool Finished = false;  // false when it had to be killed after maxMs
    int ExitCode = -1;
    std::string Output;     // standard output and error together
};

// Runs a program to its end while the event loop keeps serving; `input` goes to its
// standard input, which is then closed.
ProcessResult RunPumping(const QString& program, const QStringList& arguments,
                         const std::string& input = std::string(), int maxMs = 120000);

// tftp-hpa's client runs `command` ("get remote local" or "put local remote")
// against 127.0.0.1:`port`, in octet mode, retransmitting every second.
ProcessResult Hpa(std::uint16_t port, const std::string& command, int maxMs = 300000);
// atftp's client; `direction` is "--get" or "--put".
ProcessResult Atftp(std::uint16_t port, const char* direction, const std::string& remote,
                    const std::string& localPath, int maxMs = 300000);

// Creates the process's QCoreApplication once (it lives to the end of the process).
void EnsureCoreApplication();
