#include "recording_form.hpp"

namespace varnok::testing {

namespace {

std::array<std::string, 18> startTexts() {
  std::array<std::string, 18> texts;
  texts[static_cast<int>(Field::Text3)].append("1.2");
  texts[static_cast<int>(Field::Text7)].append("5");
  texts[static_cast<int>(Field::Text8)].append("0.08");
  return texts;
}

}  // namespace

RecordingForm::RecordingForm() : texts_(startTexts()) {}

void RecordingForm::set(Field field, std::string_view text) {
  texts_[static_cast<int>(field)] = text;
}

void RecordingForm::select(Option option) {
  selected_ = option;
}

const std::string& RecordingForm::get(Field field) const {
  return texts_[static_cast<int>(field)];
}

std::string RecordingForm::text(Field field) const {
  record(Kind::Read, fieldName(field), {});
  return texts_[static_cast<int>(field)];
}

void RecordingForm::setText(Field field, std::string_view text) {
  record(Kind::Write, fieldName(field), text);
  texts_[static_cast<int>(field)] = text;
}

bool RecordingForm::isSelected(Option option) const {
  record(Kind::Selected, optionName(option), {});
  return selected_ == option;
}

void RecordingForm::showMessage(std::string_view message) {
  record(Kind::Message, {}, message);
  std::array<std::string, 6> shown;
  for (std::size_t i = 0; i < resultFields.size(); ++i) {
    shown[i] = get(resultFields[i]);
  }
  atMessage_.push_back(std::move(shown));
}

std::vector<RecordingForm::Event> RecordingForm::writesAndMessages() const {
  std::vector<Event> out;
  for (const Event& e : events_) {
    if (e.kind == Kind::Write || e.kind == Kind::Message) {
      out.push_back(e);
    }
  }
  return out;
}

void RecordingForm::clearEvents() {
  events_.clear();
  atMessage_.clear();
}

void RecordingForm::record(Kind kind, std::string name, std::string_view text) const {
  if (recording_) {
    events_.push_back({kind, std::move(name), std::string(text)});
  }
}

}  // namespace varnok::testing
