#pragma once

#include <string_view>

namespace varnok::texts {

inline constexpr std::string_view appTitle = "Varnok";

inline constexpr std::string_view inputError = "温馨提示：参数输入有误或参数输入不全。";
inline constexpr std::string_view supportRatioOutOfRange =
    "温馨提示：玻璃支撑孔边尺寸超出范围，无法计算。";
inline constexpr std::string_view aspectRatioOutOfRange =
    "温馨提示：玻璃长宽比尺寸超出范围，请按单向板计算。";

inline constexpr std::string_view stiffnessAcceptable = "玻璃刚度合格，挠度≤";
inline constexpr std::string_view stiffnessNotAcceptable = "玻璃刚度不合格，挠度>";

}  // namespace varnok::texts
