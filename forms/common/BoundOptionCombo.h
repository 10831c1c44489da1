#pragma once
// A combo box bound to an option-typed variable of a request: filled with the
// variable's option labels in list order (item k stands for the k-th value), then
// bound, so that a read selects the device's value and a set sends the chosen one.
class KwSNMPRequest2Edits;
class TComboBox;

void BindOptionCombo(KwSNMPRequest2Edits* request, int varIndex, TComboBox* combo);
