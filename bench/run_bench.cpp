// One calculation run over the in-memory form: the conversions of about thirty field texts
// dominate the hundred or so floating-point operations.
#include <benchmark/benchmark.h>

#include "tests/support/recording_form.hpp"
#include "tests/support/worked_example.hpp"
#include "ui/calculation_run.hpp"

namespace varnok {
namespace {

// Valid inputs inside the tables with a seismic load and a reduction factor below 1.
testing::RecordingForm validForm() {
  testing::RecordingForm form = testing::workedExampleForm();
  form.setRecording(false);
  form.set(Field::Text6, "1250");
  form.set(Field::Text4, "8");
  form.set(Field::Text9, "1200");
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
