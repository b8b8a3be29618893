#include "kaiti_font.hpp"

#include <QStringList>

namespace varnok::window {
namespace {

const QString family = QStringLiteral("楷体_GB2312");

}  // namespace

void installKaiTiSubstitutions() {
  // Debian's fonts-arphic-ukai, then Windows, then macOS.
  QFont::insertSubstitutions(family, {QStringLiteral("AR PL UKai CN"), QStringLiteral("KaiTi"),
                                      QStringLiteral("楷体"), QStringLiteral("STKaiti")});
}

QFont kaiTiFont(double pointSize, bool bold) {
  QFont font(family);
  font.setPointSizeF(pointSize);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace varnok::window
