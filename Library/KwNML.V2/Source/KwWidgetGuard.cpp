// Whether a control still exists, told by its widget.
#include "KwWidgetGuard.h"

#include "Controls.h"

KwWidgetGuard::KwWidgetGuard(const TControl* control)
    : widget_(control ? control->Widget() : nullptr)
{
}
