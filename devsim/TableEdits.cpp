#include "TableEdits.h"

#include <algorithm>
#include <cctype>

namespace devsim {

namespace {

bool printable(const std::string& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f; });
}

SetError checkKey(KeyKind kind, const Value& key)
{
    if (key.type != VarType::OctetString)
        return SetError::WrongType;
    if (kind == KeyKind::MacAddress && !key.bytes.empty() && key.bytes.size() != 6)
        return SetError::WrongLength;
    return SetError::None;
}

bool sameKey(KeyKind kind, const Value& a, const Value& b)
{
    if (a.type != b.type)
        return false;
    if (kind == KeyKind::MacAddress)
        return a.bytes == b.bytes;
    // Host names and URLs compare without regard to case.
    return a.bytes.size() == b.bytes.size()
        && std::equal(a.bytes.begin(), a.bytes.end(), b.bytes.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

Value freeValueLike(const Value& value)
{
    switch (value.type) {
    case VarType::Integer: return Value::makeInteger(0);
    case VarType::IpAddress: return Value::makeIp(0, 0, 0, 0);
    case VarType::OctetString:
        return Value::makeString(printable(value.bytes) ? std::string() : std::string(value.bytes.size(), '\0'));
    case VarType::ObjectId: return Value::makeOid({0, 0});
    default: return Value::makeUnsigned(value.type, 0);
    }
}

bool isFreeValue(const Value& value)
{
    switch (value.type) {
    case VarType::Integer: return value.integer == 0;
    case VarType::IpAddress:
    case VarType::OctetString:
        return std::all_of(value.bytes.begin(), value.bytes.end(), [](char c) { return c == '\0'; });
    case VarType::ObjectId: return value.oid == Oid{0, 0} || value.oid.empty();
    default: return value.number == 0;
    }
}

SetError addKey(StateStore& store, const Oid& column, KeyKind kind, const Value& key)
{
    const SetError bad = checkKey(kind, key);
    if (bad != SetError::None)
        return bad;
    if (isFreeValue(key))
        return SetError::None;
    const Oid* freeRow = nullptr;
    const std::vector<Oid> rows = store.oidsBelow(column);
    for (const Oid& row : rows) {
        const Value held = store.read(*store.find(row));
        if (sameKey(kind, held, key))
            return SetError::InconsistentValue;
        if (!freeRow && isFreeValue(held))
            freeRow = &row;
    }
    if (!freeRow)
        return SetError::ResourceUnavailable;
    Value stored = key;
    stored.type = store.find(*freeRow)->value.type;
    store.assign(*freeRow, stored);
    return SetError::None;
}

SetError deleteKey(StateStore& store, const Oid& column, KeyKind kind, const Value& key)
{
    const SetError bad = checkKey(kind, key);
    if (bad != SetError::None)
        return bad;
    if (isFreeValue(key))
        return SetError::None;
    for (const Oid& row : store.oidsBelow(column)) {
        const Value held = store.read(*store.find(row));
        if (sameKey(kind, held, key)) {
            store.assign(row, freeValueLike(held));
            return SetError::None;
        }
    }
    return SetError::InconsistentValue;
}

void freeAllKeys(StateStore& store, const Oid& column)
{
    for (const Oid& row : store.oidsBelow(column))
        store.assign(row, freeValueLike(store.find(row)->value));
}

SetError freeRow(StateStore& store, const Oid& entry, std::int64_t row, const std::vector<std::uint32_t>& keep)
{
    if (row < 0)
        return SetError::WrongValue;
    if (row == 0)
        return SetError::None;
    bool found = false;
    for (const Oid& oid : store.oidsBelow(entry)) {
        if (oid.size() != entry.size() + 2 || oid.back() != static_cast<std::uint64_t>(row))
            continue;
        found = true;
        if (std::find(keep.begin(), keep.end(), oid[entry.size()]) != keep.end())
            continue;
        store.assign(oid, freeValueLike(store.find(oid)->value));
    }
    return found ? SetError::None : SetError::InconsistentValue;
}

void refillFromTemplate(StateStore& store, const Oid& entry)
{
    store.removeBelow(entry);
    for (StateEntry row : store.templatesBelow(entry))
        store.put(std::move(row));
}

} // namespace devsim
