#pragma once
// Edits of the device's fixed-row tables: rows are never created or removed
// by a set; a row is free when its key column holds the free value (a MAC
// address of zero bytes, "0.0.0.0", an empty text). Each edit checks and
// applies in one go and says what it refused, so the same call serves as a
// set's guard (on a trial copy of the state) and as its effect.
#include "SetCheck.h"
#include "StateStore.h"

namespace devsim {

// The free value of a column that now holds `value`: zero for numbers,
// "0.0.0.0", zero bytes of the same length for binary strings (MAC
// addresses), "" for texts, 0.0 for an OID.
Value freeValueLike(const Value& value);

bool isFreeValue(const Value& value);

enum class KeyKind { MacAddress, Text };

// Writes `key` into the first free row of the key column `column`
// (the column's OID without the row). A free key changes nothing.
// Refusals: wrongLength (a MAC address that is not 6 bytes), wrongType,
// inconsistentValue (the key is listed already), resourceUnavailable (no
// free row).
SetError addKey(StateStore& store, const Oid& column, KeyKind kind, const Value& key);

// Frees the row holding `key`. A free key changes nothing. Refusals:
// wrongLength, wrongType, inconsistentValue (no row holds the key).
SetError deleteKey(StateStore& store, const Oid& column, KeyKind kind, const Value& key);

// Frees every row of the key column.
void freeAllKeys(StateStore& store, const Oid& column);

// Frees row `row` of the table whose entry is `entry` (every column
// entry.C.row but those in `keep`). Row 0 changes nothing. Refusals:
// wrongValue (a negative row), inconsistentValue (no such row).
SetError freeRow(StateStore& store, const Oid& entry, std::int64_t row, const std::vector<std::uint32_t>& keep = {});

// Replaces the rows below `entry` by the template rows below it.
void refillFromTemplate(StateStore& store, const Oid& entry);

} // namespace devsim
