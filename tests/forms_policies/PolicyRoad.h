#pragma once
// What the wireless policy form tests share: the road to devsim, the device's OIDs,
// and short ways to read the journal's sets and the form's controls.
#include "DeviceState.h"
#include "FormTestRoad.h"
#include "FormTexts.h"
#include "JournalBindings.h"
#include "UserActions.h"
#include "vcl.h"

#include <string>
#include <vector>

namespace policy_test {

inline const std::string P = "1.3.6.1.4.1.32473.10.37.37";

using vka_test::Bindings;
using vka_test::SetBindings;

using vka_test::Rows;
using vka_test::StatusText;

using vka_test::Choose;
using vka_test::ClickRow;

using vka_test::WithLines;
using vka_test::WithoutLines;

class PolicyRoad : public vka_test::FormRoad {
protected:
    std::string StateText() const override
    {
        return WithLines(WithoutLines(vka_test::DefaultStateText(), MissingOids()), ExtraLines());
    }
    virtual std::vector<std::string> ExtraLines() const { return {}; }
    virtual std::vector<std::string> MissingOids() const { return {}; }
};

}  // namespace policy_test
