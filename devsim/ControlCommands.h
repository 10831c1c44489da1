#pragma once
// The control channel's commands, one line each, answered by one line that
// starts with "OK" or "ERR <reason>":
//
//   ping                      OK
//   load PATH                 replaces the state by a state file: OK <count>
//   set [flags] OID TYPE VALUE  adds or replaces one variable (a state-file
//                             line; read-only marks do not stop it): OK
//   get OID                   OK OID TYPE VALUE (the value a reader sees now)
//   dump PATH                 writes every served variable to PATH as state
//                             lines, in OID order, with the values as stored
//                             (a counter's base, not its advance): OK <count>
//   delay MS                  holds every later reply back MS milliseconds (0: off)
//   drop N                    the next N requests get no reply
//   silent SECONDS            no reply to anything for SECONDS (0: speak again)
//   clear-journal             empties the journal
//   template OID TYPE VALUE   adds or replaces one template row (as "set
//                             template ...")
//   clear-template PREFIX     removes the template rows below PREFIX: OK <count>
//                             (a refresh of that table then empties it)
//   endless COLUMN            the column never ends: a get-next of column.k
//                             answers column.(k+1) (StateStore::makeEndless)
//   log TEXT                  adds a line to the device log as given
//   clear-log                 empties the device log
//   transfer-fault ...        the next file transfers fail, never happen,
//                             start late or go slowly (TransferFaults.h)
//   stop                      ends the program
#include "DeviceLog.h"
#include "Journal.h"
#include "RequestGate.h"
#include "StateStore.h"

#include <string>

namespace devsim {

class ControlCommands {
public:
    // `log` may be null (no device log commands).
    ControlCommands(StateStore& store, RequestGate& gate, Journal& journal, DeviceLog* log = nullptr);

    std::string execute(const std::string& line);
    bool stopRequested() const { return stop_; }

private:
    std::string load(const std::string& path);
    std::string set(const std::string& line);
    std::string get(const std::string& oidText);
    std::string dump(const std::string& path) const;

    StateStore& store_;
    RequestGate& gate_;
    Journal& journal_;
    DeviceLog* log_;
    bool stop_ = false;
};

} // namespace devsim
