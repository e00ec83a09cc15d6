#include "render/PainterSurface.h"

#include "data/FontName.h"
#include "render/FontSubstitution.h"
#include "render/PrintFonts.h"
#include "render/VerticalGlyphs.h"

#include <QGlyphRun>
#include <QRawFont>

namespace kakitori {

QColor printColour(PrintColour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

PainterSurface::PainterSurface(PaintTarget& target) : m_target(target) {}

PainterSurface::~PainterSurface()
{
    if (m_active)
        m_target.finish(m_painter);
}

Margins PainterSurface::margins(int paperSize, int orientation) const
{
    return m_target.margins(paperSize, orientation);
}

const PrintFace& PainterSurface::currentFace()
{
    if (isStandIn(fontName()) && !m_standIns.contains(fontName()))
        m_standIns.append(fontName());
    return printFace(fontName(), fontSize(), fontBold(), fontItalic());
}

QStringList PainterSurface::takeStandIns()
{
    return std::exchange(m_standIns, {});
}

double PainterSurface::textWidth(const QString& text)
{
    return printFace(fontName(), fontSize(), fontBold(), fontItalic()).advance(text);
}

double PainterSurface::textHeight(const QString&)
{
    return printFace(fontName(), fontSize(), fontBold(), fontItalic()).height();
}

bool PainterSurface::beginPage(const PageSetup& setup, bool firstOfDocument)
{
    if (!m_target.startPage(m_painter, setup, firstOfDocument || !m_active))
        return false;
    m_active = true;
    const Margins m = m_target.margins(setup.paperSize, setup.orientation);
    const double scale = m_target.resolution() / 1440.0;
    m_painter.resetTransform();
    m_painter.scale(scale, scale);
    m_painter.translate(m.left, m.top);
    m_painter.setClipRect(QRectF(0, 0, setup.scaleWidth, setup.scaleHeight));
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    return true;
}

void PainterSurface::endDocument()
{
    if (m_active)
        m_target.finish(m_painter);
    m_active = false;
}

QPen PainterSurface::pen(PrintColour colour) const
{
    // The thinnest pen the device has: one device pixel, a hairline in a PDF.
    QPen p(printColour(colour), 0);
    p.setCosmetic(true);
    p.setStyle(drawStyle() == 1 ? Qt::DashLine : drawStyle() == 2 ? Qt::DotLine : Qt::SolidLine);
    return p;
}

bool PainterSurface::drawLine(double x1, double y1, double x2, double y2, PrintColour colour)
{
    m_painter.setPen(pen(colour));
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    return true;
}

bool PainterSurface::drawBox(double x1, double y1, double x2, double y2, PrintColour colour)
{
    m_painter.setPen(pen(colour));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    return true;
}

PainterSurface::VerticalFace& PainterSurface::verticalFaceFor(const QFont& font)
{
    const QString key = font.family() + QLatin1Char('/') + QString::number(font.pixelSize()) +
                        QLatin1Char(font.bold() ? 'b' : '-') +
                        QLatin1Char(font.italic() ? 'i' : '-');
    VerticalFace& face = m_vertical[key];
    if (!face.glyphs) {
        face.raw = QRawFont::fromFont(font);
        face.glyphs = std::make_unique<VerticalGlyphs>(face.raw);
    }
    return face;
}

void PainterSurface::drawTurned(double x, double y, const QString& character, const PrintFace& face)
{
    const double advance = face.advance(character);
    const double height = face.height();
    const QPointF centre(x + advance / 2, y + height / 2);
    const char32_t c = character.toUcs4().value(0);

    m_painter.save();
    m_painter.translate(centre);
    m_painter.rotate(-90);
    m_painter.translate(-centre);
    // The glyph's em box is centred on the cell, so in a proportional face too the turned glyph
    // stands in the em square about the cell's centre.
    const QPointF baseline(centre.x() - height / 2, y + face.ascent());
    VerticalFace& vertical = verticalFaceFor(face.font());
    const quint32 glyph = vertical.raw.isValid() ? vertical.glyphs->glyphFor(c) : 0;
    if (glyph != 0) {
        QGlyphRun run;
        run.setRawFont(vertical.raw);
        run.setGlyphIndexes({glyph});
        run.setPositions({QPointF(0, 0)});
        m_painter.drawGlyphRun(baseline, run);
    } else {
        // The face lacks the character: Qt's fallback face draws it, turned, without alternate.
        m_painter.drawText(baseline, character);
    }
    m_painter.restore();
}

bool PainterSurface::drawText(double x, double y, const QString& text)
{
    const PrintFace& face = currentFace();
    m_painter.setFont(face.font());
    m_painter.setPen(printColour(foreColor()));
    if (!isVerticalFontName(fontName())) {
        m_painter.drawText(QPointF(x, y + face.ascent()), text);
        return true;
    }
    double at = x;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString character = text.mid(i, pair ? 2 : 1);
        i += character.size();
        if (isFullWidth(character.toUcs4().value(0)))
            drawTurned(at, y, character, face);
        else
            m_painter.drawText(QPointF(at, y + face.ascent()), character);
        at += face.advance(character);
    }
    return true;
}

} // namespace kakitori
