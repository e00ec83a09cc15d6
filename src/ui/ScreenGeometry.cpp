#include "ui/ScreenGeometry.h"

#include "render/FontSubstitution.h"

#include <QFontMetricsF>

#include <cmath>

namespace kakitori {

QFont screenFont(const QString& name, double pointSize, bool bold)
{
    QFont font(substituteFamily(name));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont cellFont(RowField kind)
{
    static const QFont text = screenFont(QStringLiteral("ＭＳ Ｐゴシック"), 15.75);
    static const QFont reading = screenFont(QStringLiteral("ＭＳ Ｐゴシック"), 8);
    return kind == RowField::FirstReading || kind == RowField::SecondReading ? reading : text;
}

QFont rowNumberFont()
{
    return screenFont(QStringLiteral("ＭＳ Ｐゴシック"), 14.25);
}

double measureCell(RowField kind, const QString& text)
{
    const double textWidth = std::ceil(QFontMetricsF(cellFont(kind)).horizontalAdvance(text));
    return (textWidth + 2 * (kCellFramePixels + kCellMarginPixels)) * kTwipsPerPixel;
}

} // namespace kakitori
