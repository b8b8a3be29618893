#include "soak_program.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace varnok::soak {
namespace {

constexpr long allowedGrowthKiB = 1024;

// AddressSanitizer holds freed memory in quarantine, so resident memory grows there without a
// leak; under it the leak check at exit judges, not the growth.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool growthMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool growthMeaningful = false;
#else
constexpr bool growthMeaningful = true;
#endif
#else
constexpr bool growthMeaningful = true;
#endif

}  // namespace

int runSoakProgram(Subject& subject, int argc, char** argv) {
  const std::size_t runs = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
  const bool leaksOnly = argc > 2 && std::strcmp(argv[2], "--leaks-only") == 0;
  const std::size_t warmUp = runs < 1000 ? runs : 1000;
  const Report report = runSoak(subject, runs, warmUp);
  const long growth = report.residentKiBAtEnd - report.residentKiBAfterWarmUp;
  std::printf(
      "runs %zu, wrong endings %zu, resident KiB after %zu runs %ld, at end %ld, growth %ld\n",
      report.runs, report.failures, warmUp, report.residentKiBAfterWarmUp, report.residentKiBAtEnd,
      growth);
  const bool judgeGrowth = growthMeaningful && !leaksOnly;
  if (!judgeGrowth) {
    std::printf("growth not judged: the leak checker judges at exit\n");
  }
  const bool memoryKept = !judgeGrowth || growth < allowedGrowthKiB;
  return report.failures == 0 && memoryKept ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace varnok::soak
