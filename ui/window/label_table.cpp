#include "label_table.hpp"

#include <array>

namespace varnok::window {
namespace {

constexpr Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment centre = Qt::AlignCenter;
constexpr double normal = defaultPointSize;
constexpr bool bordered = true;
constexpr bool transparent = false;

constexpr std::array looks{
    LabelLook{"Label9", "Varnok", transparent, centre, 18, true},
    LabelLook{"Label1", "玻璃所在高度：", bordered, right, normal, false, false, "Text1"},
    LabelLook{"Label2", "当地基本风压：", bordered, right, normal, false, false, "Text2"},
    LabelLook{"Label8", "风荷载体型系数：：", bordered, right, normal, false, false, "Text3"},
    LabelLook{"Label16", "每平方幕墙自重：", bordered, right, normal, false, false, "Text6"},
    LabelLook{"Label19", "水平地震影响系数：", bordered, right, normal, false, false, "Text8"},
    LabelLook{"Label18", "地震动力放大系数：", bordered, right, normal, false, false, "Text7"},
    LabelLook{"Label3", "当地地面类型：", bordered, right, normal},
    LabelLook{"Label4", "A类：", bordered, right, normal, false, false, "Option1"},
    LabelLook{"Label5", "B类：", bordered, right, normal, false, false, "Option2"},
    LabelLook{"Label6", "C类：", bordered, right, normal, false, false, "Option3"},
    LabelLook{"Label7", "D类：", bordered, right, normal, false, false, "Option4"},
    LabelLook{"Label11", "m", transparent, centre, normal},
    LabelLook{"Label12", "KN/m2", transparent, centre, normal},
    LabelLook{"Label17", "N/m2", transparent, centre, normal},
    LabelLook{"Label20", "玻璃参数", transparent, left, 9},
    LabelLook{"Label10", "玻璃计算厚度：", bordered, right, normal, false, false, "Text4"},
    LabelLook{"Label14", "玻璃长边长度：", bordered, right, normal, false, false, "Text9"},
    LabelLook{"Label13", "支撑点到玻璃边长度：", bordered, left, normal, false, true, "Text5"},
    LabelLook{"Label15", "玻璃短边长度：", bordered, right, normal, false, false, "Text10"},
    LabelLook{"Label21", "mm", transparent, centre, normal},
    LabelLook{"Label22", "mm", transparent, centre, normal},
    LabelLook{"Label31", "mm", transparent, centre, normal},
    LabelLook{"Label23", "mm", transparent, centre, normal},
    LabelLook{"Label28", "计算结果", transparent, left, 9},
    LabelLook{"Label24", "组合荷载标准值：", bordered, right, 12, false, false, "Text11"},
    LabelLook{"Label26", "组合荷载设计值：", bordered, right, 12, false, false, "Text12"},
    LabelLook{"Label25", "KN/m2", transparent, right, normal},
    LabelLook{"Label27", "KN/m2", transparent, right, normal},
    LabelLook{"Label35", "跨中最大正应力：", bordered, right, 12, false, false, "Text15"},
    LabelLook{"Label33", "跨中最大挠度值：", bordered, right, 12, false, false, "Text14"},
    LabelLook{"Label34", "N/mm2", transparent, right, normal},
    LabelLook{"Label32", "mm", transparent, left, normal},
};

}  // namespace

std::span<const LabelLook> labelLooks() {
  return looks;
}

}  // namespace varnok::window
