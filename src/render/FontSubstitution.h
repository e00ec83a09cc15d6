#pragma once

#include <QString>

namespace kakitori {

// Pages name Windows fonts; this machine has other faces. The name stored in files and shown in
// the status bar stays the one the teacher chose; only drawing uses the installed substitute.

// A name beginning with "@" (or the full-width "＠") is a vertical-writing font.
bool isVerticalFontName(const QString& name);

// The name without its vertical-writing mark.
QString baseFontName(const QString& name);

// The installed family that draws a font name: the name itself when installed, else the face
// that stands in for it (ＭＳ Ｐ明朝 → IPAPMincho, textbook faces → Klee One, …), else
// IPAexMincho.
QString substituteFamily(const QString& name);

} // namespace kakitori
