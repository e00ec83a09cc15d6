#include "render/PrintFonts.h"

#include "render/FontSubstitution.h"

#include <QFontMetricsF>

#include <cmath>

namespace kakitori {

QFont printFont(const QString& name, double points, bool bold, bool italic)
{
    QFont font(substituteFamily(name));
    // Pixels of the painter's twips space; sizes of layouts are multiples of a twentieth point.
    font.setPixelSize(qMax(1, int(std::lround(points * 20))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double printTextWidth(const QFont& font, const QString& text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

double printTextHeight(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return metrics.ascent() + metrics.descent();
}

double printAscent(const QFont& font)
{
    return QFontMetricsF(font).ascent();
}

bool isFullWidth(char32_t c)
{
    if (c < 0x1100)
        return false;
    if (c >= 0xFF61 && c <= 0xFFDC) // half-width katakana and Hangul
        return false;
    if (c >= 0xFFE8 && c <= 0xFFEE)
        return false;
    return true;
}

} // namespace kakitori
