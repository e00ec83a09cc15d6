#pragma once

#include "render/PainterSurface.h"

#include <QBuffer>
#include <QImage>
#include <QList>
#include <QPdfWriter>

class QPrinter;

namespace kakitori {

// The margin of the PDF back end on every side: 240 twips (4.2 mm), what a laser printer
// typically cannot print on, so a PDF shows where a printer would put every line. The trace
// back end reports the same printable area.
constexpr double kPdfMarginTwips = 240;
Margins pdfMargins();

// A real printer through CUPS, or a PDF file when the printer's output format is PDF. A PDF gets
// the fixed margins above; a printer its driver's unprintable margins.
class PrinterTarget : public PaintTarget {
public:
    explicit PrinterTarget(QPrinter& printer) : m_printer(printer) {}

    Margins margins(int paperSize, int orientation) const override;
    bool startPage(QPainter& painter, const PrintSurface::PageSetup& setup, bool first) override;
    void finish(QPainter& painter) override;
    double resolution() const override;

private:
    QPrinter& m_printer;
};

// A PDF document in memory, with the fixed margins above. The caller writes the finished bytes
// where it wants them, so a full disk or an unwritable folder is found by one checked write and
// no half-written file is ever left.
class PdfTarget : public PaintTarget {
public:
    PdfTarget();

    Margins margins(int, int) const override { return pdfMargins(); }
    bool startPage(QPainter& painter, const PrintSurface::PageSetup& setup, bool first) override;
    void finish(QPainter& painter) override;
    double resolution() const override { return m_writer.resolution(); }

    // The document so far; whole once finish() has run.
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QBuffer m_buffer;
    QPdfWriter m_writer;
};

// Pages as images, for looking at a sheet without a printer (and for tests).
class ImageTarget : public PaintTarget {
public:
    explicit ImageTarget(double dotsPerInch = 96) : m_dpi(dotsPerInch) {}

    Margins margins(int, int) const override { return pdfMargins(); }
    bool startPage(QPainter& painter, const PrintSurface::PageSetup& setup, bool first) override;
    void finish(QPainter& painter) override;
    double resolution() const override { return m_dpi; }

    const QList<QImage>& pages() const { return m_pages; }

private:
    double m_dpi;
    QList<QImage> m_pages;
};

} // namespace kakitori
