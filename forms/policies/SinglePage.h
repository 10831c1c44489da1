#pragma once
// A form whose controls sit on one named page: its page control `PageControl1` and the
// page `TabSheet1` on it.
#include "FormBuilder.h"

TTabSheet* AddSinglePage(TFormBuilder& build, TPageControl*& pageControl, const char* caption, int left, int top,
                         int width, int height);
