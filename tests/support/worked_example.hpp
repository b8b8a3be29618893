#pragma once

#include "recording_form.hpp"

namespace varnok::testing {

// The worked example of a complete run: category A, z = 10, w0 = 0.3, G = 0, t = 10, a = 1000,
// c = 100, b = 1000 with the window's defaults for mu_s, beta_E and alpha_max. The wind load is
// floored to 1, theta = 0.91125 so eta = 1, mu = 0.2547 and m = 0.8194: the run shows "1", "1.4",
// "3.5375", "11.4716", the acceptable verdict and "10".
RecordingForm workedExampleForm();

}  // namespace varnok::testing
