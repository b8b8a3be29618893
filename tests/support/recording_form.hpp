#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.hpp"

namespace varnok::testing {

// A form that holds its texts in memory and records every operation the run makes on it, with
// the result fields' texts at the moment a message is shown.
class RecordingForm : public Form {
 public:
  enum class Kind { Read, Write, Selected, Message };
  struct Event {
    Kind kind;
    std::string name;  // field or option name; empty for a message
    std::string text;  // written text or message
    bool operator==(const Event&) const = default;
  };

  RecordingForm();  // the window's start-up texts, Option1 selected

  // Sets texts and the selection without recording.
  void set(Field field, std::string_view text);
  void select(Option option);
  const std::string& get(Field field) const;

  std::string text(Field field) const override;
  void setText(Field field, std::string_view text) override;
  bool isSelected(Option option) const override;
  void showMessage(std::string_view message) override;

  const std::vector<Event>& events() const { return events_; }
  std::vector<Event> writesAndMessages() const;
  // The six result fields as they stood when each message was shown.
  const std::vector<std::array<std::string, 6>>& resultsAtMessage() const { return atMessage_; }
  void clearEvents();
  // Off for benchmarks, so that the fake itself costs next to nothing.
  void setRecording(bool on) { recording_ = on; }

 private:
  void record(Kind kind, std::string name, std::string_view text) const;

  std::array<std::string, 18> texts_;
  Option selected_ = Option::Option1;
  bool recording_ = true;
  mutable std::vector<Event> events_;
  std::vector<std::array<std::string, 6>> atMessage_;
};

}  // namespace varnok::testing
