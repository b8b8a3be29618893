// The soak over the recording fake form: the same cases and checks as through the window, without
// one. Usage: varnok_soak_fake [runs] [--leaks-only] (default 100000 runs). Exits non-zero when a
// run ends wrongly or resident memory grows by 1 MiB or more after the warm-up; --leaks-only
// leaves the growth to the leak checker, for runs under valgrind, whose own memory grows.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "soak_driver.hpp"
#include "tests/support/recording_form.hpp"
#include "ui/calculation_run.hpp"

namespace {

using varnok::Field;
using varnok::Option;

class FakeFormSubject : public varnok::soak::Subject {
 public:
  FakeFormSubject() { form_.setRecording(false); }

  void enter(Field field, std::string_view text) override { form_.set(field, text); }
  void choose(Option option) override { form_.select(option); }
  void calculate() override {
    form_.setRecording(true);
    varnok::runCalculation(form_, ".");
    form_.setRecording(false);
  }
  std::string shown(Field field) const override { return form_.get(field); }
  std::string takeMessages() override {
    std::string messages;
    for (const auto& e : form_.events()) {
      if (e.kind == varnok::testing::RecordingForm::Kind::Message) {
        messages += (messages.empty() ? "" : "\n") + e.text;
      }
    }
    form_.clearEvents();  // the record would otherwise grow with every run
    return messages;
  }

 private:
  varnok::testing::RecordingForm form_;
};

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

int main(int argc, char** argv) {
  const std::size_t runs = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
  const bool leaksOnly = argc > 2 && std::strcmp(argv[2], "--leaks-only") == 0;
  const std::size_t warmUp = runs < 1000 ? runs : 1000;
  FakeFormSubject subject;
  const varnok::soak::Report report = varnok::soak::runSoak(subject, runs, warmUp);
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
