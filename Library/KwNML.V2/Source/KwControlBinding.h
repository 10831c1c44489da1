#pragma once
// One binding record of a KwSNMPRequest2Edits: a variable (or a part of its raw image)
// shown in one or more controls. The first control decides the kind of the binding.
#include <vector>

class KwOptionList;
class TControl;

struct KwControlBinding {
    int VarIndex = 0;
    int PartIndex = 0;                 // byte offset of the part in the raw image
    int Syntax = 0;                    // syntax by which the part is read and written
    KwOptionList* Options = nullptr;   // the binding's own list, not owned
    std::vector<int> BitIndexes;       // bit bindings only (bit 0 = top bit of byte 0)
    std::vector<TControl*> Controls;   // not owned

    int ControlCount() const { return static_cast<int>(Controls.size()); }
    bool IsBitBinding() const { return !BitIndexes.empty(); }
};
