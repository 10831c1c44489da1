#include "KwSNMPVarList.h"

#include <optional>
#include <string>

// One owned copy: the descriptor plus the storage its pointers refer to.
struct KwSNMPVarList::Entry {
    KwSNMPVar var{};
    std::string oid, name;
    std::optional<std::string> getExpr, setExpr, reserved;
    AnsiString value, instanceOid;

    Entry() = default;
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;
};

namespace {
const char* Text(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
}

std::optional<std::string> CopyText(const char* text)
{
    if (!text)
        return std::nullopt;
    return std::string(text);
}
} // namespace

KwSNMPVarList::KwSNMPVarList() : KeyCount(0), ItemType(SVT_SV) {}

KwSNMPVarList::KwSNMPVarList(const KwSNMPVar* table, KwSNMPItemType itemType, int keyCount)
    : KeyCount(keyCount), ItemType(itemType)
{
    AddTable(table);
}

KwSNMPVarList::KwSNMPVarList(const KwSNMPVarList& other) : KwSNMPVarList()
{
    Assign(other);
}

KwSNMPVarList& KwSNMPVarList::operator=(const KwSNMPVarList& other)
{
    Assign(other);
    return *this;
}

KwSNMPVarList::~KwSNMPVarList()
{
    Clear();
}

KwSNMPVar& KwSNMPVarList::Item(int index)
{
    return entries[index]->var;
}

const KwSNMPVar& KwSNMPVarList::Item(int index) const
{
    return entries[index]->var;
}

AnsiString KwSNMPVarList::ValueOf(const KwSNMPVar& var)
{
    return var.Value ? *var.Value : AnsiString();
}

std::unique_ptr<KwSNMPVarList::Entry> KwSNMPVarList::CopyOf(const KwSNMPVar& record)
{
    auto entry = std::make_unique<Entry>();
    entry->oid = record.Oid ? record.Oid : "";
    entry->name = record.Name ? record.Name : "";
    entry->getExpr = CopyText(record.GetExpr);
    entry->setExpr = CopyText(record.SetExpr);
    entry->reserved = CopyText(record.Reserved);
    if (record.Value)
        entry->value = *record.Value;
    if (record.InstanceOid)
        entry->instanceOid = *record.InstanceOid;

    KwSNMPVar& var = entry->var;
    var.Oid = entry->oid.c_str();
    var.Name = entry->name.c_str();
    var.Syntax = record.Syntax;
    var.Access = record.Access;
    var.Options = record.Options;  // shared, never owned
    var.GetExpr = Text(entry->getExpr);
    var.SetExpr = Text(entry->setExpr);
    var.Reserved = Text(entry->reserved);
    var.Value = &entry->value;
    var.InstanceOid = &entry->instanceOid;
    return entry;
}

int KwSNMPVarList::CountTable(const KwSNMPVar* table)
{
    int count = 0;
    if (table)
        while (table[count].Oid)
            ++count;
    return count;
}

void KwSNMPVarList::AddTable(const KwSNMPVar* table)
{
    const int added = CountTable(table);
    if (added == 0)
        return;
    entries.reserve(entries.size() + added);
    for (int i = 0; i < added; ++i)
        entries.push_back(CopyOf(table[i]));
}

void KwSNMPVarList::Assign(const KwSNMPVarList& other)
{
    if (&other == this)
        return;
    Clear();
    ItemType = other.ItemType;
    KeyCount = other.KeyCount;
    Name = other.Name;
    entries.reserve(other.entries.size());
    // The current values and instance OIDs travel along with the descriptors.
    for (const auto& entry : other.entries)
        entries.push_back(CopyOf(entry->var));
}

void KwSNMPVarList::RestoreFrom(const KwSNMPVarList& copy)
{
    if (&copy == this)
        return;
    bool same = copy.Count() == Count();
    for (int i = 0; same && i < Count(); ++i)
        same = entries[i]->oid == copy.entries[i]->oid;
    if (!same) {
        Assign(copy);
        return;
    }
    ItemType = copy.ItemType;
    KeyCount = copy.KeyCount;
    Name = copy.Name;
    for (int i = 0; i < Count(); ++i) {
        KwSNMPVar& var = entries[i]->var;
        const KwSNMPVar& saved = copy.entries[i]->var;
        var.Syntax = saved.Syntax;
        var.Access = saved.Access;
        var.Options = saved.Options;
        *var.Value = *saved.Value;
        *var.InstanceOid = *saved.InstanceOid;
    }
}

void KwSNMPVarList::Clear()
{
    entries.clear();
    entries.shrink_to_fit();
}

bool KwSNMPVarList::IsReadable(int index) const
{
    const int access = Item(index).Access;
    return !(access & AC_INVALID) && (access & AC_READONLY);
}

bool KwSNMPVarList::IsWritable(int index) const
{
    const int access = Item(index).Access;
    if (access & AC_INVALID)
        return false;
    return (access & AC_WRITEONLY) || (IsTable() && index < KeyCount);
}

bool KwSNMPVarList::IsVisible(int index) const
{
    const int access = Item(index).Access;
    if (access & (AC_INVALID | AC_HIDDEN))
        return false;
    return (access & (AC_NOTACCESS | AC_DERIVED | AC_READONLY)) != 0;
}

bool KwSNMPVarList::IsHidden(int index) const
{
    const int access = Item(index).Access;
    return access == AC_WRITEONLY || (access & AC_INVALID) || (access & AC_HIDDEN);
}

bool KwSNMPVarList::IsImplied(int index) const
{
    return (Item(index).Access & AC_IMPLIED) != 0;
}

int KwSNMPVarList::VisibleCount() const
{
    int count = 0;
    for (int i = 0; i < Count(); ++i)
        count += IsVisible(i) ? 1 : 0;
    return count;
}

int KwSNMPVarList::HiddenCount() const
{
    int count = 0;
    for (int i = 0; i < Count(); ++i)
        count += IsHidden(i) ? 1 : 0;
    return count;
}
