#pragma once
// Whether one binding of a set may be applied to the device's state; the
// SNMP error it gets otherwise.
#include "StateStore.h"

namespace devsim {

enum class SetError {
    None, NoCreation, NotWritable, WrongType, WrongLength,
    // from the device's behaviours (HookTable guards):
    WrongValue, InconsistentValue, ResourceUnavailable
};

// `type` is the binding's type as the device understands it; nullopt when the
// binding's ASN.1 type is none of the eight the device keeps.
SetError checkSet(const StateStore& store, const Oid& oid, const std::optional<VarType>& type, const Value* value);

const char* setErrorName(SetError error);

} // namespace devsim
