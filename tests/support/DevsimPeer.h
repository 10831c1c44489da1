// The simulated VKA-7410 (program devsim) on 127.0.0.1:<free port> for
// integration tests. Its state file, configuration, journal, control socket
// and net-snmp folder live in a fresh temporary folder, removed by Stop().
//
// Without SetConfigText the device has the defaults: read community
// "orchid", write community "thunder", no v3 users. Without SetStateText it
// serves the MIB-II system group only.
#pragma once
#include <string>
#include <vector>

#include "LoopbackAgent.h"

namespace vka_test {

// One binding of a journal line, as devsim writes it: Value is the state-file
// text ("\"text\"" for STRING, "00 1A" for HEX, empty for NULL).
struct DevsimJournalBinding {
    std::string Oid;
    std::string Type;
    std::string Value;
};

// One request the device received: Kind GET, GETNEXT, GETBULK or SET;
// Version "1", "2c" or "3"; Security the community or user; Status the
// reply's error status name (noError, wrongType, ...) or dropped, silent,
// noResponse.
struct DevsimJournalEntry {
    std::string Kind;
    std::string Version;
    std::string Security;
    std::string Status;
    long ErrorIndex = 0;
    std::vector<DevsimJournalBinding> Bindings;
};

class DevsimPeer : public LoopbackAgent {
public:
    DevsimPeer() = default;
    ~DevsimPeer();

    // Contents of the state file and the configuration file written at Start.
    void SetStateText(const std::string& text) { stateText_ = text; }
    void SetConfigText(const std::string& text) { configText_ = text; }

    // Starts devsim and waits (up to ~10 s) until it answers on its control
    // channel, which it opens once its SNMP port listens. On failure returns
    // false with the reason and devsim's output in *error.
    bool Start(std::string* error = nullptr);
    // Asks devsim to stop, then terminates it if it does not; removes the folder.
    void Stop();

    std::string StatePath() const { return dir_ + "/device.state"; }
    std::string JournalPath() const { return dir_ + "/journal.log"; }
    std::string ControlPath() const { return dir_ + "/control.sock"; }
    // devsim's stdout and stderr so far.
    std::string Log() const;

    // One control command; its reply line ("OK ..." or "ERR ..."), or "" when
    // the device does not answer.
    std::string Control(const std::string& command) const;
    // The control commands; true when the reply is "OK".
    bool LoadState(const std::string& path) const;
    bool SetValue(const std::string& oid, const std::string& type, const std::string& value) const;
    bool DelayReplies(int milliseconds) const;
    bool DropNext(int requests) const;
    bool SilentFor(int seconds) const;
    bool ClearJournal() const;
    // The device loses the variable (control command "remove").
    bool RemoveVariable(const std::string& oid) const;
    // "TYPE value" as the device holds it now, "" when it has no such variable.
    std::string GetValue(const std::string& oid) const;
    // Every variable the device serves, as state lines in OID order with the stored
    // values (control command "dump"); empty when the device does not answer.
    std::vector<std::string> StateLines() const;

    std::vector<DevsimJournalEntry> Journal() const;
    static std::vector<DevsimJournalEntry> ParseJournal(const std::string& text);

    // The devsim program this build made.
    static std::string Program();

private:
    bool Launch(std::string* error);
    std::string stateText_;
    std::string configText_;
};

}
