#pragma once

#include <array>
#include <string>
#include <string_view>

namespace varnok {

// The text boxes of the window, by their names; Text13 does not exist.
enum class Field {
  Text1 = 1,
  Text2,
  Text3,
  Text4,
  Text5,
  Text6,
  Text7,
  Text8,
  Text9,
  Text10,
  Text11,
  Text12,
  Text14 = 14,
  Text15,
  Text16,
  Text17,
};

// The terrain category option buttons A to D.
enum class Option { Option1 = 1, Option2, Option3, Option4 };

// The result fields, in the order in which a run writes them and an exit clears them.
inline constexpr std::array<Field, 6> resultFields{Field::Text11, Field::Text12, Field::Text14,
                                                   Field::Text15, Field::Text16, Field::Text17};

// The input fields; a run never writes them.
inline constexpr std::array<Field, 10> inputFields{
    Field::Text1, Field::Text2, Field::Text3, Field::Text4, Field::Text5,
    Field::Text6, Field::Text7, Field::Text8, Field::Text9, Field::Text10};

// "Text1" for Field::Text1, and so on: the control's name in the window.
std::string fieldName(Field field);
std::string optionName(Option option);

// What the calculation needs of the window. Texts are UTF-8.
class Form {
 public:
  virtual ~Form() = default;

  virtual std::string text(Field field) const = 0;
  virtual void setText(Field field, std::string_view text) = 0;
  virtual bool isSelected(Option option) const = 0;
  // Shows a modal message and returns once the user has dismissed it.
  virtual void showMessage(std::string_view message) = 0;
};

}  // namespace varnok
