#include "SetCheck.h"

namespace devsim {

SetError checkSet(const StateStore& store, const Oid& oid, const std::optional<VarType>& type, const Value* value)
{
    const StateEntry* entry = store.find(oid);
    if (!entry)
        return SetError::NoCreation;
    if (entry->readOnly || entry->upTime)
        return SetError::NotWritable;
    if (!type || *type != entry->value.type || !value)
        return SetError::WrongType;
    if (entry->fixed && *value != entry->value)
        return SetError::NotWritable;
    if (entry->value.type == VarType::IpAddress && value->bytes.size() != 4)
        return SetError::WrongLength;
    if (entry->value.type == VarType::OctetString && entry->maxLength && value->bytes.size() > *entry->maxLength)
        return SetError::WrongLength;
    return SetError::None;
}

const char* setErrorName(SetError error)
{
    switch (error) {
    case SetError::None: return "noError";
    case SetError::NoCreation: return "noCreation";
    case SetError::NotWritable: return "notWritable";
    case SetError::WrongType: return "wrongType";
    case SetError::WrongLength: return "wrongLength";
    case SetError::WrongValue: return "wrongValue";
    case SetError::InconsistentValue: return "inconsistentValue";
    case SetError::ResourceUnavailable: return "resourceUnavailable";
    }
    return "?";
}

} // namespace devsim
