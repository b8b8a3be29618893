#pragma once

#include <QFont>

namespace varnok::window {

// The window's brush-style face. Its name is resolved through substitutions to the KaiTi face
// of each platform, so captions never render as empty boxes. Call once before the first use.
void installKaiTiSubstitutions();

QFont kaiTiFont(double pointSize, bool bold = false);

}  // namespace varnok::window
