#include "render/PrintFonts.h"

#include "render/FontSubstitution.h"

#include <QFontMetricsF>

#include <cmath>
#include <map>
#include <memory>
#include <tuple>

namespace kakitori {

PrintFace::PrintFace(const QString& name, double points, bool bold, bool italic)
    : m_font(substituteFamily(name))
{
    // Pixels of the painter's twips space; sizes of layouts are multiples of a twentieth point.
    m_font.setPixelSize(qMax(1, int(std::lround(points * 20))));
    m_font.setBold(bold);
    m_font.setItalic(italic);
    m_font.setKerning(false);
    m_font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(m_font);
    m_ascent = metrics.ascent();
    m_height = metrics.ascent() + metrics.descent();
}

double PrintFace::advance(const QString& text) const
{
    if (const auto it = m_advances.constFind(text); it != m_advances.constEnd())
        return *it;
    const double width = QFontMetricsF(m_font).horizontalAdvance(text);
    m_advances.insert(text, width);
    return width;
}

const PrintFace& printFace(const QString& name, double points, bool bold, bool italic)
{
    using Key = std::tuple<QString, double, bool, bool>;
    static std::map<Key, std::unique_ptr<PrintFace>> faces;
    auto& face = faces[Key{name, points, bold, italic}];
    if (!face)
        face = std::make_unique<PrintFace>(name, points, bold, italic);
    return *face;
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
