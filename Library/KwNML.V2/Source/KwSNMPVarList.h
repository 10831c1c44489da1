#pragma once
// A list of device variables built from a descriptor group (KwSNMPVarTable).
//
// Every text of a listed descriptor is the list's own copy, and Value and
// InstanceOid point at strings the list owns; the descriptor's const char* fields
// point into that storage, so they stay valid until the list is cleared or
// reassigned. Option lists stay shared with whoever built them (the catalogue):
// a list never owns or deletes them.
#include <memory>
#include <vector>

#include "AnsiString.h"
#include "KwSNMPVar.h"

class KwSNMPVarList {
public:
    KwSNMPVarList();
    KwSNMPVarList(const KwSNMPVar* table, KwSNMPItemType itemType, int keyCount);
    KwSNMPVarList(const KwSNMPVarList& other);
    KwSNMPVarList& operator=(const KwSNMPVarList& other);
    ~KwSNMPVarList();

    int KeyCount;
    KwSNMPItemType ItemType;
    AnsiString Name;  // shown for "[VARLIST]" in status lines

    // The descriptor at `index` (0 .. Count()-1, not checked), changeable in place.
    KwSNMPVar& Item(int index);
    const KwSNMPVar& Item(int index) const;
    int Count() const { return static_cast<int>(entries.size()); }

    bool IsReadable(int index) const;
    bool IsWritable(int index) const;
    bool IsVisible(int index) const;
    bool IsHidden(int index) const;
    bool IsImplied(int index) const;
    int VisibleCount() const;
    int HiddenCount() const;
    bool IsTable() const { return ItemType == MVT_FMV || ItemType == MVT_UMV; }

    // Records before the terminator (the first record with a null Oid); 0 for none.
    static int CountTable(const KwSNMPVar* table);
    // Appends owned copies of the table's records, in table order.
    void AddTable(const KwSNMPVar* table);
    void Assign(const KwSNMPVarList& other);
    // Assign, keeping this list's descriptors (and the addresses of their strings)
    // when both lists hold the same variables: used to undo a set's temporary marks.
    void RestoreFrom(const KwSNMPVarList& copy);
    void Clear();

    // The value and instance texts of a descriptor (a null string reads as empty).
    static AnsiString ValueOf(const KwSNMPVar& var);

private:
    struct Entry;
    static std::unique_ptr<Entry> CopyOf(const KwSNMPVar& record);
    std::vector<std::unique_ptr<Entry>> entries;
};

// True when the value text a read stored in `var` is of a size its syntax holds (as
// KwValueFits judges an answer): a MAC address of six bytes or none, a display string
// of 255 at most. A value of another size is no reading of the variable.
bool KwValueTextFits(const KwSNMPVar& var);
