#include "KwKeywordLists.h"

#include "KwOptionList.h"

KwOptionList* ItemTypeNames = nullptr;
KwOptionList* SyntaxNames = nullptr;
KwOptionList* AccessNames = nullptr;

namespace {
const KwIntOption ItemTypeTable[] = {
    {0, "SVT_SV"}, {1, "MVT_SV"}, {2, "MVT_FMV"}, {3, "MVT_UMV"}, {0, nullptr},
};

const KwIntOption SyntaxTable[] = {
    {2, "integer"},     {3, "bitstr"},      {4, "octetstr"},   {5, "null"},
    {6, "objectid"},    {64, "ipaddress"},  {65, "counter"},   {66, "guage"},
    {67, "timeticks"},  {68, "opaque"},     {70, "counter64"}, {1, "boolean"},
    {69, "nsapaddr"},   {71, "uinteger"},   {72, "double"},    {73, "macaddress"},
    {74, "datetime"},   {75, "bcdatetime"}, {76, "displaystr"}, {193, "bool8"},
    {194, "int8"},      {195, "uint8"},     {196, "bool16"},   {197, "int16"},
    {198, "uint16"},    {0, nullptr},
};

const KwIntOption AccessTable[] = {
    {1, "notaccess"}, {2, "readonly"}, {4, "writeonly"}, {6, "readwrite"},
    {8, "derived"},   {16, "hidden"},  {32, "invalid"},  {0, nullptr},
};

// Library start and end, around the program's entry.
struct KeywordListsLifetime {
    KeywordListsLifetime() { InitKeywordLists(); }
    ~KeywordListsLifetime() { FreeKeywordLists(); }
};
} // namespace

void InitKeywordLists()
{
    if (ItemTypeNames)
        return;
    ItemTypeNames = new KwOptionList(ItemTypeTable, 1, 1);
    SyntaxNames = new KwOptionList(SyntaxTable, 1, 1);
    AccessNames = new KwOptionList(AccessTable, 1, 1);
}

void FreeKeywordLists()
{
    delete AccessNames;
    AccessNames = nullptr;
    delete SyntaxNames;
    SyntaxNames = nullptr;
    delete ItemTypeNames;
    ItemTypeNames = nullptr;
}

static KeywordListsLifetime keywordListsLifetime;
