#pragma once

#include <QFont>
#include <QHash>
#include <QString>

namespace kakitori {

// A face as the surfaces draw and measure it: its size in twips as pixels, so both back ends
// measure and draw in twips and a trace and a PDF agree to the twip. Its line is one em high
// and its baseline at the same fraction of the em in every face; advances are the face's own. Faces
// are looked up once per name, size and style; advances once per character. How far below the top
// of its line box a face's baseline stands, as a fraction of the em.
constexpr double kBaselineOfEm = 0.88;

class PrintFace {
public:
    PrintFace(const QString& name, double points, bool bold, bool italic);

    const QFont& font() const { return m_font; }
    double ascent() const { return m_ascent; }
    double height() const { return m_height; }
    double advance(const QString& text) const;

private:
    QFont m_font;
    double m_ascent = 0;
    double m_height = 0;
    mutable QHash<QString, double> m_advances;
};

const PrintFace& printFace(const QString& name, double points, bool bold = false,
                           bool italic = false);

// Full-width characters (kanji, kana, full-width punctuation and symbols) are turned in a
// vertical-writing font; half-width ones stay upright.
bool isFullWidth(char32_t c);

} // namespace kakitori
