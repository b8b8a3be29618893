#include "ui/calculation_run.hpp"

#include <gtest/gtest.h>

#include "tests/support/recording_form.hpp"

namespace varnok {
namespace {

using testing::RecordingForm;

TEST(CalculationRun, ValidExampleShowsSixResults) {
  RecordingForm form;
  form.set(Field::Text1, "10");
  form.set(Field::Text2, "0.3");
  form.set(Field::Text6, "0");
  form.set(Field::Text4, "10");
  form.set(Field::Text9, "1000");
  form.set(Field::Text5, "100");
  form.set(Field::Text10, "1000");
  runCalculation(form, ".");
  EXPECT_EQ(form.get(Field::Text11), "1");
  EXPECT_EQ(form.get(Field::Text12), "1.4");
  EXPECT_EQ(form.get(Field::Text14), "3.5375");
  EXPECT_EQ(form.get(Field::Text15), "11.4716");
  EXPECT_EQ(form.get(Field::Text16), "玻璃刚度合格，挠度≤");
  EXPECT_EQ(form.get(Field::Text17), "10");
}

}  // namespace
}  // namespace varnok
