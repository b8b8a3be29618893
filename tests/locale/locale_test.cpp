// The decimal separator of the results comes from the argument the window passes, never from the
// C library's global locale: under de_DE, zh_CN and C the run and the conversions behave alike.
#include <clocale>
#include <locale>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include <gtest/gtest.h>

#include "tests/support/recording_form.hpp"
#include "tests/support/worked_example.hpp"
#include "ui/calculation_run.hpp"
#include "ui/number_text.hpp"
#include "ui/texts.hpp"

namespace varnok {
namespace {

using testing::RecordingForm;

// Sets the C and C++ global locales for one test and restores C afterwards.
class GlobalLocale {
 public:
  explicit GlobalLocale(const char* name) : set_(std::setlocale(LC_ALL, name) != nullptr) {
    if (set_) {
      std::locale::global(std::locale(name));
    }
  }
  ~GlobalLocale() {
    std::setlocale(LC_ALL, "C");
    std::locale::global(std::locale::classic());
  }
  bool set() const { return set_; }

 private:
  bool set_;
};

// The worked example: category A, inputs entered with a full stop, as the window's defaults are.
RecordingForm workedExample(std::string_view w0) {
  RecordingForm form = varnok::testing::workedExampleForm();
  form.set(Field::Text2, w0);
  return form;
}

std::string withSeparator(std::string text, char separator) {
  for (char& c : text) {
    c = c == '.' ? separator : c;
  }
  return text;
}

void expectWorkedResults(const RecordingForm& form, char separator) {
  EXPECT_EQ(form.get(Field::Text11), "1");
  EXPECT_EQ(form.get(Field::Text12), withSeparator("1.4", separator));
  EXPECT_EQ(form.get(Field::Text14), withSeparator("3.5375", separator));
  EXPECT_EQ(form.get(Field::Text15), withSeparator("11.4716", separator));
  EXPECT_EQ(form.get(Field::Text16), texts::stiffnessAcceptable);
  EXPECT_EQ(form.get(Field::Text17), "10");
  EXPECT_TRUE(form.resultsAtMessage().empty());
}

class LocaleRun : public ::testing::TestWithParam<std::tuple<const char*, char>> {
 protected:
  void SetUp() override {
    if (!locale_.set()) {
      GTEST_SKIP() << std::get<0>(GetParam()) << " is not generated on this machine";
    }
  }
  std::string separator() const { return std::string(1, std::get<1>(GetParam())); }

 private:
  GlobalLocale locale_{std::get<0>(GetParam())};
};

// "1.2" and "0.08" are the window's default texts: they must convert under either separator,
// and Text11 is read back in the separator just written.
TEST_P(LocaleRun, WritesItsSeparatorAndAcceptsAFullStop) {
  RecordingForm form = workedExample("0.3");
  runCalculation(form, separator());
  expectWorkedResults(form, std::get<1>(GetParam()));
}

TEST_P(LocaleRun, AcceptsItsOwnSeparatorInInputs) {
  RecordingForm form = workedExample(withSeparator("0.3", std::get<1>(GetParam())));
  form.set(Field::Text8, withSeparator("0.08", std::get<1>(GetParam())));
  runCalculation(form, separator());
  expectWorkedResults(form, std::get<1>(GetParam()));
}

// Neither the grouping nor the separator of the global locale reaches the conversions.
TEST_P(LocaleRun, ConversionsIgnoreTheGlobalLocale) {
  const char other = std::get<1>(GetParam()) == ',' ? '.' : ',';
  EXPECT_EQ(numberToText(1234567.25, separator()),
            withSeparator("1234567.25", std::get<1>(GetParam())));
  EXPECT_EQ(numberToText(1.0 / 3, separator()),
            withSeparator("0.333333333333333", std::get<1>(GetParam())));
  EXPECT_EQ(textToNumber(withSeparator("1234567.25", std::get<1>(GetParam())), separator()),
            1234567.25);
  EXPECT_EQ(textToNumber("1.5", separator()), 1.5);
  if (other == ',') {
    EXPECT_EQ(textToNumber("1,5", separator()), std::nullopt);
  }
  EXPECT_EQ(textToNumber("1.234,5", separator()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(, LocaleRun,
                         ::testing::Combine(::testing::Values("C", "de_DE.UTF-8", "zh_CN.UTF-8"),
                                            ::testing::Values('.', ',')),
                         [](const auto& info) {
                           std::string name = std::get<0>(info.param);
                           name = name.substr(0, name.find('.'));
                           return name + (std::get<1>(info.param) == ',' ? "_comma" : "_stop");
                         });

}  // namespace
}  // namespace varnok
