#include "render/PrintFonts.h"

#include "data/Cp932.h"
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
    // Every face is measured as the Windows face it stands in for: its line box one em high with
    // the baseline where Japanese faces put it, 0.88 em down (the ideographic em box runs from
    // 0.12 em below the baseline to 0.88 em above it). The layouts were drawn for such faces; a
    // face with a taller line box (Klee One, Noto CJK: about 1.45 em) would otherwise move every
    // character down out of the place the layout gives it.
    const double em = m_font.pixelSize();
    m_ascent = kBaselineOfEm * em;
    m_height = em;
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
    // Below U+1100 the characters the old code page stores in two bytes (Greek, Cyrillic, ×, ÷,
    // °, §) are full-width on paper too.
    if (c < 0x1100)
        return c >= 0x80 && encodeCp932(QString::fromUcs4(&c, 1)).bytes.size() == 2;
    if (c >= 0xFF61 && c <= 0xFFDC) // half-width katakana and Hangul
        return false;
    if (c >= 0xFFE8 && c <= 0xFFEE)
        return false;
    return true;
}

} // namespace kakitori
