#pragma once

#include "print/PrintSurface.h"

#include <QFont>
#include <QPainter>
#include <QRawFont>

#include <map>
#include <memory>

namespace kakitori {

class PrintFace;
class VerticalGlyphs;

// Where a painter surface draws: the pages of a printer or PDF file, or images in tests.
class PaintTarget {
public:
    virtual ~PaintTarget() = default;
    // The margins the target cannot print on for a paper.
    virtual Margins margins(int paperSize, int orientation) const = 0;
    // Starts a page with these settings and leaves the painter active on it, its origin at the
    // paper's top-left corner in device pixels. False when the device cannot.
    virtual bool startPage(QPainter& painter, const PrintSurface::PageSetup& setup, bool first) = 0;
    virtual void finish(QPainter& painter) = 0;
    // Device pixels per inch.
    virtual double resolution() const = 0;
};

// The print surface on a QPainter: twips scaled to the device, the printable area as origin and
// clip, hairline pens, and vertical-writing fonts drawn as turned vertical alternates.
class PainterSurface : public PrintSurface {
public:
    explicit PainterSurface(PaintTarget& target);
    ~PainterSurface() override;

    double textWidth(const QString& text) override;
    double textHeight(const QString& text) override;

    // Font names drawn with a generic stand-in face since the last call.
    QStringList takeStandIns();

protected:
    Margins margins(int paperSize, int orientation) const override;
    bool beginPage(const PageSetup& setup, bool firstOfDocument) override;
    void endDocument() override;
    bool drawText(double x, double y, const QString& text) override;
    bool drawLine(double x1, double y1, double x2, double y2, PrintColour colour) override;
    bool drawBox(double x1, double y1, double x2, double y2, PrintColour colour) override;

private:
    struct VerticalFace {
        QRawFont raw;
        std::unique_ptr<VerticalGlyphs> glyphs;
    };

    const PrintFace& currentFace();
    QPen pen(PrintColour colour) const;
    void drawTurned(double x, double y, const QString& character, const PrintFace& face);
    VerticalFace& verticalFaceFor(const QFont& font);

    PaintTarget& m_target;
    QPainter m_painter;
    bool m_active = false;
    std::map<QString, VerticalFace> m_vertical;
    QStringList m_standIns;
};

// The colour of a surface value (0x00BBGGRR).
QColor printColour(PrintColour colour);

} // namespace kakitori
