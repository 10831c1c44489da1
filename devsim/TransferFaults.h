#pragma once
// Faults the control channel orders for the device's next file transfers, so tests
// can see how the module copes with a device that answers its command but does not
// move the file as told:
//
//   transfer-fault fail [N]      the next N transfers (default 1) fail at once
//   transfer-fault skip [N]      the next N transfers never happen
//   transfer-fault late MS [N]   the next N transfers start MS milliseconds late
//   transfer-fault slow MS [N]   the next N files the device sends go one block
//                                every MS milliseconds (100 to 60000), steadily
//                                (tftp-hpa's client only)
//   transfer-fault none          no fault from now on
//
// Each transfer takes one fault when it is queued; the notes say what happened
// ("tftp put LogFile.RD failed: told to fail", "tftp put LogFile.RD skipped").
#include <string>

namespace devsim {

struct TransferFault {
    enum class Kind { None, Fail, Skip, Late, Slow };
    Kind kind = Kind::None;
    unsigned lateMs = 0;
    unsigned blockMs = 0;  // Slow: the time between two blocks
};

class TransferFaults {
public:
    // The command's argument; the reply line ("OK" or "ERR reason").
    std::string command(const std::string& argument);
    // The fault of the next transfer (None when none is ordered).
    TransferFault take();

private:
    TransferFault fault_;
    unsigned count_ = 0;
};

// The device's one set of ordered faults.
TransferFaults& transferFaults();

} // namespace devsim
