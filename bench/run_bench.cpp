// One calculation run over the in-memory form: the conversions of about thirty field texts
// dominate the hundred or so floating-point operations.
#include <benchmark/benchmark.h>

#include "tests/support/recording_form.hpp"
#include "ui/calculation_run.hpp"

namespace varnok {
namespace {

testing::RecordingForm validForm() {
  testing::RecordingForm form;
  form.setRecording(false);
  form.set(Field::Text1, "10");
  form.set(Field::Text2, "0.3");
  form.set(Field::Text6, "1250");
  form.set(Field::Text4, "8");
  form.set(Field::Text9, "1200");
  form.set(Field::Text5, "100");
  form.set(Field::Text10, "1000");
  return form;
}

void completeRun(benchmark::State& state) {
  testing::RecordingForm form = validForm();
  for (auto _ : state) {
    runCalculation(form, ".");
    benchmark::DoNotOptimize(form.get(Field::Text17).data());
  }
}
BENCHMARK(completeRun);

// A thickness of 0 fails after the combined loads are shown: message, then six clears.
void errorExitRun(benchmark::State& state) {
  testing::RecordingForm form = validForm();
  form.set(Field::Text4, "0");
  for (auto _ : state) {
    runCalculation(form, ".");
    benchmark::DoNotOptimize(form.get(Field::Text11).data());
  }
}
BENCHMARK(errorExitRun);

}  // namespace
}  // namespace varnok
