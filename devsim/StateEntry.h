#pragma once
// One variable the simulated device serves.
#include "Oid.h"
#include "Value.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace devsim {

struct StateEntry {
    Oid oid;
    Value value;
    bool readOnly = false;
    // Flag "fixed": a set of another value gets notWritable; a set of the value it
    // holds is taken.
    bool fixed = false;
    // Counters that move by themselves: added every second (0 = still).
    // COUNTER32 wraps at 2^32, COUNTER64 at 2^64, INTEGER at 2^31.
    std::uint64_t advancePerSecond = 0;
    // Largest OCTET STRING length a set may write.
    std::optional<std::size_t> maxLength;
    // The value is the agent's up time (sysUpTime); not settable.
    bool upTime = false;
    // A row of a refresh template (flag "template"): not served; a refresh of
    // its table copies it in (see StateStore).
    bool isTemplate = false;
};

} // namespace devsim
