#pragma once
// The cells of a list view row as the forms read them.
#include "AnsiString.h"

class TListItem;

// Sub-item `index` of the row (0 is the first column after the caption); "" when the
// row has fewer cells, as a row the device sent short has.
AnsiString SubItemText(const TListItem* row, int index);
