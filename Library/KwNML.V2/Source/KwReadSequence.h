#pragma once
// A window's creation or refresh reads the device with several synchronous requests in
// a row, each with its full time-out. Against a device that has gone silent that would
// freeze the module for minutes and could stack one message per read.
//
// While a sequence is open (one object on the stack around the creation handler or the
// refresh), the first synchronous exchange that times out marks its device (address and
// port) silent: every later synchronous read or write of the same sequence to that
// device fails at once with the same status, without sending anything. A device that
// answers is not affected, nor are asynchronous requests. Sequences nest: an inner one
// shares the outer one's marks. The time-out values themselves stay as they are.
#include "AnsiString.h"

#include <set>
#include <utility>

class KwReadSequence {
public:
    KwReadSequence();
    ~KwReadSequence();
    KwReadSequence(const KwReadSequence&) = delete;
    KwReadSequence& operator=(const KwReadSequence&) = delete;

    // True when a read of this sequence (or an enclosing one) timed out.
    bool TimedOut() const;
    // The library's text of that time-out ("(SNMPClass) SNMP request timed out!").
    AnsiString FailureText() const;

    // For the request: true, with the status to report, when `address`:`port` is
    // already known silent in the open sequence; the read is then not sent.
    static bool ShortCut(const AnsiString& address, int port, int& status);
    // For the request: the engine's status of a synchronous read just made.
    static void Note(const AnsiString& address, int port, int status);
    // True while a sequence is open and at least one of its reads timed out (a form
    // that reports failures itself shows the first one only).
    static bool SilentDeviceSeen();
    // For forms that report read failures themselves: true for the first failure of the
    // open sequence (and always outside one), false for every later one, so the user
    // sees one message per sequence.
    static bool FirstReport();

private:
    using Device = std::pair<std::string, int>;
    KwReadSequence* outer_;
    std::set<Device> silent_;
    bool reported_ = false;
    static KwReadSequence* current_;
    KwReadSequence& Root();
    const KwReadSequence& Root() const;
};
