// The soak over the recording fake form: the same cases and checks as through the window, without
// one. Usage: varnok_soak_fake [runs] [--leaks-only], as soak_program.hpp describes.
#include <string>

#include "soak_program.hpp"
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

}  // namespace

int main(int argc, char** argv) {
  FakeFormSubject subject;
  return varnok::soak::runSoakProgram(subject, argc, argv);
}
