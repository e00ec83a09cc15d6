#pragma once

#include <QFont>
#include <QString>

namespace kakitori {

// The face a surface draws a font name with at a size, with its size in twips as pixels: both
// back ends measure and draw in twips, so the trace and the PDF agree to the twip.
QFont printFont(const QString& name, double points, bool bold = false, bool italic = false);

double printTextWidth(const QFont& font, const QString& text);
double printTextHeight(const QFont& font);
double printAscent(const QFont& font);

// Full-width characters (kanji, kana, full-width punctuation and symbols) are turned in a
// vertical-writing font; half-width ones stay upright.
bool isFullWidth(char32_t c);

} // namespace kakitori
