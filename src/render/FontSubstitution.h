#pragma once

#include "data/FontName.h"

#include <QString>

namespace kakitori {

// Pages name Windows fonts; this machine has other faces. The name stored in files and shown in
// the status bar stays the one the teacher chose; only drawing uses the installed substitute.

// The installed family that draws a font name: the name itself when installed, else the face
// that stands in for it (ＭＳ Ｐ明朝 → IPAPMincho, textbook faces → Klee One, …), else
// IPAexMincho.
QString substituteFamily(const QString& name);

// True when the name is neither installed nor one of the known Windows names, so a generic face
// stands in for it and the teacher should be told.
bool isStandIn(const QString& name);

} // namespace kakitori
