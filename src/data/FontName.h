#pragma once

#include <QString>

namespace kakitori {

// A font name beginning with "@" (or the full-width "＠") names the vertical-writing form of the
// font named by the rest: it turns every worksheet to its vertical layout.
bool isVerticalFontName(const QString& name);

// The name without its vertical-writing mark.
QString baseFontName(const QString& name);

} // namespace kakitori
