#include "worked_example.hpp"

namespace varnok::testing {

RecordingForm workedExampleForm() {
  RecordingForm form;
  form.set(Field::Text1, "10");
  form.set(Field::Text2, "0.3");
  form.set(Field::Text6, "0");
  form.set(Field::Text4, "10");
  form.set(Field::Text9, "1000");
  form.set(Field::Text5, "100");
  form.set(Field::Text10, "1000");
  return form;
}

}  // namespace varnok::testing
