#include "soak_cases.hpp"

#include "ui/texts.hpp"

namespace varnok::soak {

const Inputs& workedExample() {
  static const Inputs inputs{
      {Field::Text1, "10"},  {Field::Text2, "0.3"},   {Field::Text3, "1.2"}, {Field::Text6, "0"},
      {Field::Text7, "5"},   {Field::Text8, "0.08"},  {Field::Text4, "10"},  {Field::Text9, "1000"},
      {Field::Text5, "100"}, {Field::Text10, "1000"},
  };
  return inputs;
}

const std::vector<SoakCase>& soakCases() {
  static const std::vector<SoakCase> cases{
      {Option::Option1, {}, {}},
      {Option::Option1, {{Field::Text6, ""}}, texts::inputError},
      {Option::Option3, {{Field::Text1, "40"}, {Field::Text2, "0.75"}}, {}},
      {Option::Option1, {{Field::Text5, "40"}, {Field::Text10, ""}}, texts::supportRatioOutOfRange},
      {Option::Option2, {{Field::Text2, "2.5"}, {Field::Text4, "6"}}, {}},
      {Option::Option1, {{Field::Text10, "1200"}}, texts::aspectRatioOutOfRange},
      {Option::Option4, {{Field::Text1, "100"}, {Field::Text9, "1500"}, {Field::Text5, "120"}}, {}},
      {Option::Option1, {{Field::Text4, "0"}}, texts::inputError},
      {Option::Option1, {{Field::Text4, ""}}, texts::inputError},
      {Option::Option2, {{Field::Text1, "abc"}}, texts::inputError},
  };
  return cases;
}

}  // namespace varnok::soak
