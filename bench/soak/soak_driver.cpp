#include "soak_driver.hpp"

#include <array>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "soak_cases.hpp"

namespace varnok::soak {
namespace {

using Results = std::array<std::string, resultFields.size()>;

Results shownResults(const Subject& subject) {
  Results results;
  for (std::size_t i = 0; i < resultFields.size(); ++i) {
    results[i] = subject.shown(resultFields[i]);
  }
  return results;
}

// An exit leaves the six results empty; a completed run fills them, and the same inputs give
// the same texts every time.
bool endedAsExpected(const SoakCase& c, const std::string& messages, const Results& results,
                     std::optional<Results>& firstResults) {
  if (messages != c.message) {
    return false;
  }
  if (!c.message.empty()) {
    return results == Results{};
  }
  for (const std::string& text : results) {
    if (text.empty()) {
      return false;
    }
  }
  if (!firstResults) {
    firstResults = results;
  }
  return results == *firstResults;
}

}  // namespace

long residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 20, '\n');
  }
  return 0;
}

Report runSoak(Subject& subject, std::size_t runs, std::size_t warmUp) {
  const std::vector<SoakCase>& cases = soakCases();
  std::vector<std::optional<Results>> firstResults(cases.size());
  Report report;
  for (std::size_t run = 0; run < runs; ++run) {
    if (run == warmUp) {
      report.residentKiBAfterWarmUp = residentKiB();
    }
    const std::size_t index = run % cases.size();
    const SoakCase& c = cases[index];
    for (const auto& [field, text] : workedExample()) {
      subject.enter(field, text);
    }
    for (const auto& [field, text] : c.changes) {
      subject.enter(field, text);
    }
    subject.choose(c.option);
    subject.calculate();
    const std::string messages = subject.takeMessages();
    if (!endedAsExpected(c, messages, shownResults(subject), firstResults[index])) {
      ++report.failures;
    }
    ++report.runs;
  }
  report.residentKiBAtEnd = residentKiB();
  if (runs <= warmUp) {
    report.residentKiBAfterWarmUp = report.residentKiBAtEnd;
  }
  return report;
}

}  // namespace varnok::soak
