#pragma once

#include "soak_driver.hpp"

namespace varnok::soak {

// The command line shared by the soak programs: [runs] [--leaks-only] (default 100000 runs).
// Prints the figures and returns the exit status: non-zero when a run ends wrongly or resident
// memory grows by 1 MiB or more after a warm-up of 1,000 runs. --leaks-only leaves the growth
// to the leak checker, for runs under valgrind, whose own memory grows.
int runSoakProgram(Subject& subject, int argc, char** argv);

}  // namespace varnok::soak
