#pragma once
// Where the VKA-7410 keeps its lists: the refresh variables with the tables
// they fill, the action variables (Add, Delete, DeleteAll) with the
// fixed-row tables they edit, the row-delete variables (a row number) with
// their tables, and the statistics with their clear variables.
#include "Oid.h"
#include "TableEdits.h"

#include <string>
#include <vector>

namespace devsim {

// An OID of the device's subtree 1.3.6.1.4.1.32473.10.37.37 given by its
// tail, e.g. deviceOid("4.3.2.3.0").
Oid deviceOid(const std::string& tail);

struct RefreshTable {
    const char* name;   // the refresh variable's name
    Oid trigger;        // the refresh variable
    Oid entry;          // the table's entry: columns entry.C.row
};

struct KeyedList {
    const char* name;   // the table's key column name
    Oid add;            // Add: writes the key into the first free row
    Oid remove;         // Delete: frees the row holding the key (empty: none)
    Oid removeAll;      // DeleteAll = 1: frees every row (empty: none)
    Oid column;         // the key column
    KeyKind kind;
};

struct RowDelete {
    const char* name;   // the delete variable's name
    Oid trigger;        // written with the number of the row to free
    Oid entry;          // the table's entry
    std::vector<std::uint32_t> keepColumns; // columns that are not the rule's own
};

// A column whose value 1 frees its own row (the row's delete flag).
struct RowDeleteFlag {
    const char* name;   // the flag column's name
    Oid entry;          // the table's entry
    std::uint32_t column;
};

struct CounterGroup {
    const char* name;   // the clear variable's name
    Oid clear;          // = 1 sets the counters to 0
    Oid counters;       // the counters lie below
};

const std::vector<RefreshTable>& refreshTables();
const std::vector<KeyedList>& keyedLists();
const std::vector<RowDelete>& rowDeletes();
const std::vector<RowDeleteFlag>& rowDeleteFlags();
const std::vector<CounterGroup>& counterGroups();

} // namespace devsim
