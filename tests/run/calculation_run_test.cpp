#include "ui/calculation_run.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/recording_form.hpp"
#include "tests/support/worked_example.hpp"
#include "ui/texts.hpp"

namespace varnok {
namespace {

using testing::RecordingForm;
using Kind = RecordingForm::Kind;
using Event = RecordingForm::Event;
using Results = std::array<std::string, 6>;

// Results of an earlier run, to see what an exit leaves showing while its message is up.
const Results previous{"p11", "p12", "p14", "p15", "p16", "p17"};

// The worked example, with an earlier run's results in the result fields.
RecordingForm validForm() {
  RecordingForm form = testing::workedExampleForm();
  for (std::size_t i = 0; i < resultFields.size(); ++i) {
    form.set(resultFields[i], previous[i]);
  }
  return form;
}

Results shownResults(const RecordingForm& form) {
  Results r;
  for (std::size_t i = 0; i < resultFields.size(); ++i) {
    r[i] = form.get(resultFields[i]);
  }
  return r;
}

std::vector<std::string> fieldsWritten(const RecordingForm& form) {
  std::vector<std::string> names;
  for (const Event& e : form.events()) {
    if (e.kind == Kind::Write) {
      names.push_back(e.name);
    }
  }
  return names;
}

void expectInputsUntouched(const RecordingForm& before, const RecordingForm& after) {
  for (const Field f : inputFields) {
    EXPECT_EQ(after.get(f), before.get(f)) << fieldName(f);
  }
  for (const Event& e : after.events()) {
    EXPECT_TRUE(e.kind != Kind::Write || e.name == "Text11" || e.name == "Text12" ||
                e.name == "Text14" || e.name == "Text15" || e.name == "Text16" ||
                e.name == "Text17")
        << e.name;
  }
}

TEST(CalculationRun, CompleteRunWritesTheSixResultsInOrderAndShowsNothing) {
  RecordingForm form = validForm();
  runCalculation(form, ".");
  const std::vector<Event> expected{
      {Kind::Write, "Text11", "1"},
      {Kind::Write, "Text12", "1.4"},
      {Kind::Write, "Text14", "3.5375"},
      {Kind::Write, "Text15", "11.4716"},
      {Kind::Write, "Text16", std::string(texts::stiffnessAcceptable)},
      {Kind::Write, "Text17", "10"}};
  EXPECT_EQ(form.writesAndMessages(), expected);
  expectInputsUntouched(validForm(), form);
}

TEST(CalculationRun, EachStepReadsItsOwnFieldsWhenItRuns) {
  RecordingForm form = validForm();
  runCalculation(form, ".");
  std::string log;
  for (const Event& e : form.events()) {
    log += (e.kind == Kind::Write ? "w:" : "") + e.name + " ";
  }
  EXPECT_EQ(log,
            // wind load: the category, then z, w0, mu_s
            "Option1 Text1 Text2 Text3 "
            // seismic load and combinations
            "Text7 Text8 Text6 w:Text11 w:Text12 "
            // reduction factor, with q_k read back from Text11
            "Text9 Text5 Text4 Text11 "
            // the two coefficient lookups: b only after the support ratio
            "Text5 Text9 Text10 Text5 Text9 Text10 "
            // results: the verdict reads the deflection back as shown
            "Text4 Text9 w:Text14 Text4 Text9 w:Text15 Text9 Text14 w:Text16 Text9 w:Text17 ");
}

TEST(CalculationRun, CompletesWithTheShownValuesAndEitherVerdict) {
  struct Case {
    const char* name;
    Option option;
    const char *z, *w0, *G, *t, *a, *c, *b;
    Results results;
  };
  const Case cases[] = {
      {"category C, not acceptable",
       Option::Option3,
       "50",
       "0.8",
       "1250",
       "6",
       "1500",
       "120",
       "1100",
       {"2.37510266730503", "3.29514373422705", "80.5847118680563", "99.1331288730835",
        std::string(texts::stiffnessNotAcceptable), "15"}},
      {"category D when none of A to C",
       Option::Option4,
       "20",
       "0.5",
       "1000",
       "8",
       "1200",
       "100",
       "1000",
       {"1.24", "1.712", "10.7499052020671", "24.8858039083008",
        std::string(texts::stiffnessAcceptable), "12"}},
      {"a negative thickness gives a negative deflection",
       Option::Option1,
       "10",
       "0.3",
       "0",
       "-10",
       "1000",
       "100",
       "1000",
       {"1", "1.4", "-3.5375", "11.4716", std::string(texts::stiffnessAcceptable), "10"}},
  };
  for (const Case& c : cases) {
    RecordingForm form = validForm();
    form.select(c.option);
    form.set(Field::Text1, c.z);
    form.set(Field::Text2, c.w0);
    form.set(Field::Text6, c.G);
    form.set(Field::Text4, c.t);
    form.set(Field::Text9, c.a);
    form.set(Field::Text5, c.c);
    form.set(Field::Text10, c.b);
    runCalculation(form, ".");
    EXPECT_EQ(shownResults(form), c.results) << c.name;
    EXPECT_TRUE(form.resultsAtMessage().empty()) << c.name;
  }
}

TEST(CalculationRun, AsksOptionOneToThreeAndNeverOptionFour) {
  RecordingForm form = validForm();
  form.select(Option::Option4);
  runCalculation(form, ".");
  std::vector<std::string> asked;
  for (const Event& e : form.events()) {
    if (e.kind == Kind::Selected) {
      asked.push_back(e.name);
    }
  }
  EXPECT_EQ(asked, (std::vector<std::string>{"Option1", "Option2", "Option3"}));
}

struct ExitCase {
  const char* name;
  Field field;
  const char* text;
  std::string_view message;
  bool loadsShown;  // this run's Text11 and Text12 are up while the message is
};

void PrintTo(const ExitCase& c, std::ostream* os) {
  *os << c.name;
}

class ExitTest : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ExitTest, ShowsOneMessageThenClearsTheResultsInOrder) {
  const ExitCase& c = GetParam();
  RecordingForm form = validForm();
  form.set(c.field, c.text);
  if (c.field == Field::Text9 && std::string_view(c.text) == "2500") {
    form.set(Field::Text10, "");  // the support ratio is judged before b is read
  }
  const RecordingForm before = form;
  runCalculation(form, ".");

  Results atMessage = previous;
  if (c.loadsShown) {
    atMessage[0] = "1";
    atMessage[1] = "1.4";
  }
  ASSERT_EQ(form.resultsAtMessage().size(), 1u);
  EXPECT_EQ(form.resultsAtMessage()[0], atMessage);

  std::vector<Event> tail;
  tail.push_back({Kind::Message, "", std::string(c.message)});
  for (const Field f : resultFields) {
    tail.push_back({Kind::Write, fieldName(f), ""});
  }
  std::vector<Event> events = form.writesAndMessages();
  const std::size_t head = c.loadsShown ? 2 : 0;
  ASSERT_EQ(events.size(), head + tail.size());
  EXPECT_EQ(std::vector<Event>(events.begin() + static_cast<long>(head), events.end()), tail);
  EXPECT_EQ(shownResults(form), Results{});
  expectInputsUntouched(before, form);
}

INSTANTIATE_TEST_SUITE_P(
    Exits, ExitTest,
    ::testing::Values(
        ExitCase{"empty height", Field::Text1, "", texts::inputError, false},
        ExitCase{"zero height", Field::Text1, "0", texts::inputError, false},
        ExitCase{"negative height", Field::Text1, "-10", texts::inputError, false},
        ExitCase{"word for pressure", Field::Text2, "abc", texts::inputError, false},
        ExitCase{"empty shape coefficient", Field::Text3, "", texts::inputError, false},
        ExitCase{"empty self-weight", Field::Text6, "", texts::inputError, false},
        ExitCase{"bad amplification", Field::Text7, "5,0", texts::inputError, false},
        ExitCase{"empty thickness", Field::Text4, "", texts::inputError, true},
        ExitCase{"zero thickness", Field::Text4, "0", texts::inputError, true},
        ExitCase{"empty long side", Field::Text9, "", texts::inputError, true},
        ExitCase{"zero support distance", Field::Text5, "0", texts::inputError, true},
        ExitCase{"support ratio 25, short side empty", Field::Text9, "2500",
                 texts::supportRatioOutOfRange, true},
        ExitCase{"support ratio 9", Field::Text5, "111.2", texts::supportRatioOutOfRange, true},
        ExitCase{"negative support distance", Field::Text5, "-100", texts::supportRatioOutOfRange,
                 true},
        ExitCase{"short side longer than the long side", Field::Text10, "1001",
                 texts::aspectRatioOutOfRange, true},
        ExitCase{"aspect ratio 0.5", Field::Text10, "500", texts::aspectRatioOutOfRange, true},
        ExitCase{"empty short side", Field::Text10, "", texts::inputError, true},
        ExitCase{"word for short side", Field::Text10, "x", texts::inputError, true}),
    [](const auto& info) {
      std::string name;
      for (const char ch : std::string(info.param.name)) {
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      }
      return name;
    });

TEST(CalculationRun, ResultFieldTextsHaveNoEffectOnTheNextRun) {
  RecordingForm form = validForm();
  form.set(Field::Text11, "999");
  form.set(Field::Text14, "999");
  runCalculation(form, ".");
  RecordingForm fresh = validForm();
  runCalculation(fresh, ".");
  EXPECT_EQ(shownResults(form), shownResults(fresh));
}

TEST(CalculationRun, ARunAfterAnExitBehavesAsTheFirst) {
  RecordingForm form = validForm();
  form.set(Field::Text6, "");
  runCalculation(form, ".");
  form.set(Field::Text6, "0");
  form.clearEvents();
  runCalculation(form, ".");
  EXPECT_TRUE(form.resultsAtMessage().empty());
  EXPECT_EQ(shownResults(form), (Results{"1", "1.4", "3.5375", "11.4716",
                                         std::string(texts::stiffnessAcceptable), "10"}));
}

// A form whose thickness turns unreadable once the deflection is shown: the exit must clear
// the deflection again with the other results.
class ThicknessLostAfterDeflection : public RecordingForm {
 public:
  void setText(Field field, std::string_view text) override {
    RecordingForm::setText(field, text);
    if (field == Field::Text14 && !text.empty()) {
      set(Field::Text4, "");
    }
  }
};

TEST(CalculationRun, AFailureAfterTheDeflectionIsShownClearsItToo) {
  ThicknessLostAfterDeflection form;
  static_cast<RecordingForm&>(form) = validForm();
  runCalculation(form, ".");
  ASSERT_EQ(form.resultsAtMessage().size(), 1u);
  EXPECT_EQ(form.resultsAtMessage()[0], (Results{"1", "1.4", "3.5375", "p15", "p16", "p17"}));
  EXPECT_EQ(fieldsWritten(form),
            (std::vector<std::string>{"Text11", "Text12", "Text14", "Text11", "Text12", "Text14",
                                      "Text15", "Text16", "Text17"}));
  EXPECT_EQ(shownResults(form), Results{});
}

TEST(CalculationRun, WritesAndReadsBackTheLocalesSeparator) {
  RecordingForm form = validForm();
  form.set(Field::Text2, "0,3");
  form.set(Field::Text6, "1250");
  runCalculation(form, ",");
  EXPECT_TRUE(form.resultsAtMessage().empty());
  EXPECT_EQ(form.get(Field::Text11), "1,3");
  EXPECT_EQ(form.get(Field::Text12), "1,79");
  EXPECT_EQ(form.get(Field::Text17), "10");
}

}  // namespace
}  // namespace varnok
