#include "form.hpp"

namespace varnok {

std::string fieldName(Field field) {
  return "Text" + std::to_string(static_cast<int>(field));
}

std::string optionName(Option option) {
  return "Option" + std::to_string(static_cast<int>(option));
}

}  // namespace varnok
