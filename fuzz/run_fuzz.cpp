// Fuzzes a whole calculation run over the recording form: any texts in the ten inputs and the
// six result fields, any category, either decimal separator. The run must end in exactly one of
// its three ways and write nothing but what that way writes.
//
// Input: a first line of two bytes, the category (A to D; another byte picks one by its value)
// and the decimal separator (',' for a comma, anything else for a full stop), then one line for
// each of Text1 to Text10, Text11, Text12 and Text14 to Text17. Missing lines are empty texts.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "property.hpp"
#include "tests/support/recording_form.hpp"
#include "ui/calculation_run.hpp"
#include "ui/number_text.hpp"
#include "ui/texts.hpp"

namespace {

using varnok::Field;
using varnok::Option;
using varnok::resultFields;
using varnok::fuzz::require;
using varnok::testing::RecordingForm;
using Event = RecordingForm::Event;
using Kind = RecordingForm::Kind;

constexpr std::array<Field, 16> filledFields{
    Field::Text1,  Field::Text2,  Field::Text3,  Field::Text4,  Field::Text5,  Field::Text6,
    Field::Text7,  Field::Text8,  Field::Text9,  Field::Text10, Field::Text11, Field::Text12,
    Field::Text14, Field::Text15, Field::Text16, Field::Text17};

struct Case {
  Option option = Option::Option1;
  std::string_view separator = ".";
  std::array<std::string_view, 16> texts{};
};

Case decode(std::string_view input) {
  Case c;
  const std::size_t headerEnd = std::min(input.find('\n'), input.size());
  const std::string_view header = input.substr(0, headerEnd);
  if (!header.empty()) {
    const auto category = static_cast<unsigned char>(header[0]);
    const int index = category >= 'A' && category <= 'D' ? category - 'A' : category % 4;
    c.option = static_cast<Option>(index + 1);
  }
  if (header.size() > 1 && header[1] == ',') {
    c.separator = ",";
  }
  std::size_t pos = headerEnd + 1;
  for (std::string_view& text : c.texts) {
    if (pos > input.size()) {
      break;
    }
    const std::size_t end = std::min(input.find('\n', pos), input.size());
    text = input.substr(pos, end - pos);
    pos = end + 1;
  }
  return c;
}

bool isMessage(std::string_view text) {
  return text == varnok::texts::inputError || text == varnok::texts::supportRatioOutOfRange ||
         text == varnok::texts::aspectRatioOutOfRange;
}

// A result as a run writes it: the verdict in Text16, a number that reads back as itself
// elsewhere, and only the run's decimal separator.
void checkResult(const Event& e, std::size_t index, std::string_view separator) {
  require(e.kind == Kind::Write && e.name == varnok::fieldName(resultFields[index]),
          "results are written in their order, and nothing else is written");
  if (resultFields[index] == Field::Text16) {
    require(e.text == varnok::texts::stiffnessAcceptable ||
                e.text == varnok::texts::stiffnessNotAcceptable,
            "Text16 holds a verdict");
    return;
  }
  const std::optional<double> value = varnok::textToNumber(e.text, separator);
  require(value.has_value(), "every number written reads back");
  require(varnok::numberToText(*value, separator) == e.text,
          "a written number reads back as shown");
  require(e.text.find(separator == "," ? '.' : ',') == std::string::npos,
          "a written number holds only the run's separator");
}

void checkEnding(const std::vector<Event>& events, std::string_view separator) {
  const auto message = std::find_if(events.begin(), events.end(),
                                    [](const Event& e) { return e.kind == Kind::Message; });
  const auto written = static_cast<std::size_t>(message - events.begin());
  if (message == events.end()) {
    require(events.size() == resultFields.size(), "a completed run writes all six results");
  } else {
    require(isMessage(message->text), "an exit shows one of the three messages");
    require(written < resultFields.size() && written != 1,
            "an exit comes before the last result, and not between the two loads");
    require(message->text == varnok::texts::inputError || written == 2,
            "a range exit comes after the two loads and before any plate result");
    require(events.size() == written + 1 + resultFields.size(),
            "an exit shows one message and then clears the six results");
    for (std::size_t i = 0; i < resultFields.size(); ++i) {
      const Event& e = events[written + 1 + i];
      require(
          e.kind == Kind::Write && e.name == varnok::fieldName(resultFields[i]) && e.text.empty(),
          "an exit clears the six results in their order");
    }
  }
  for (std::size_t i = 0; i < written; ++i) {
    checkResult(events[i], i, separator);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Case c = decode(std::string_view(reinterpret_cast<const char*>(data), size));
  RecordingForm form;
  for (std::size_t i = 0; i < filledFields.size(); ++i) {
    form.set(filledFields[i], c.texts[i]);
  }
  form.select(c.option);

  varnok::runCalculation(form, c.separator);

  checkEnding(form.writesAndMessages(), c.separator);
  for (std::size_t i = 0; i < varnok::inputFields.size(); ++i) {
    require(form.get(varnok::inputFields[i]) == c.texts[i], "input fields keep their texts");
  }
  return 0;
}
