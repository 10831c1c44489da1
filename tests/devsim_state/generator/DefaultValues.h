#pragma once
// Plausible values of a VKA-7410 in Access Point mode, by catalogue name.
#include <string>

namespace defaultstate {

// The value text for `name` in row `row` (1-based; scalars use row 1). Values
// listed per row are separated by '|'; rows past the last repeat it. Returns
// false when the name has no value of its own.
bool DefaultValueOf(const std::string& name, int row, std::string& value);

}  // namespace defaultstate
