#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/form.hpp"

namespace varnok::soak {

// What the soak drives: a form whose inputs it fills, whose category it chooses and whose
// Calculate button it presses. The window's subject dismisses each message box as it appears;
// the fake form's returns at once.
class Subject {
 public:
  virtual ~Subject() = default;

  virtual void enter(Field field, std::string_view text) = 0;
  virtual void choose(Option option) = 0;
  virtual void calculate() = 0;
  virtual std::string shown(Field field) const = 0;
  // The messages shown since the last call, joined by newlines; empty when none was shown.
  virtual std::string takeMessages() = 0;
};

struct Report {
  std::size_t runs = 0;
  std::size_t failures = 0;  // runs that did not end as their case expects
  long residentKiBAfterWarmUp = 0;
  long residentKiBAtEnd = 0;
};

// Resident set size of this process in KiB, from /proc/self/status; 0 where it cannot be read.
long residentKiB();

// Runs the cases in turn, runs times in all, mixing completed runs with every exit, and checks
// each ending. The resident size is taken after the first warmUp runs and at the end.
Report runSoak(Subject& subject, std::size_t runs, std::size_t warmUp);

}  // namespace varnok::soak
