#pragma once

#include <string_view>

#include "form.hpp"

namespace varnok {

// One click of the Calculate button: the steps from the wind load to the stiffness verdict,
// each reading its own fields when it runs. Ends complete, through the error exit or through the
// range-message exit; both exits show their message first, then clear the six result fields.
void runCalculation(Form& form, std::string_view decimalSeparator);

}  // namespace varnok
