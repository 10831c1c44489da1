#pragma once
// The words of the item types, syntax codes and access flags, as option lists with
// integer keys compared with case. Built when the library starts, destroyed at its end.
class KwOptionList;

extern KwOptionList* ItemTypeNames;
extern KwOptionList* SyntaxNames;
extern KwOptionList* AccessNames;

void InitKeywordLists();
void FreeKeywordLists();
