#include "render/PaintTargets.h"

#include <QPageLayout>
#include <QPrinter>

namespace kakitori {

namespace {

constexpr double kTwipsPerMillimetre = 1440 / 25.4;

QPageSize pageSizeOf(int paperSize)
{
    return QPageSize(paperSize == kPaperB4 ? QPageSize::B4 : QPageSize::A4);
}

QPageLayout::Orientation orientationOf(int orientation)
{
    return orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool isPdf(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat;
}

QPageLayout pdfLayout(int paperSize, int orientation)
{
    const double mm = kPdfMarginTwips / kTwipsPerMillimetre;
    return QPageLayout(pageSizeOf(paperSize), orientationOf(orientation), QMarginsF(mm, mm, mm, mm),
                       QPageLayout::Millimeter);
}

// The painter draws from the paper's corner; the surface adds the margins itself.
QPageLayout fullPage(QPageLayout layout)
{
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

QPageLayout layoutFor(const QPrinter& printer, int paperSize, int orientation)
{
    QPageLayout layout = pdfLayout(paperSize, orientation);
    if (!isPdf(printer)) {
        QPageLayout device = printer.pageLayout();
        device.setPageSize(pageSizeOf(paperSize));
        device.setOrientation(orientationOf(orientation));
        layout.setMargins(device.minimumMargins());
    }
    return layout;
}

} // namespace

Margins pdfMargins()
{
    return {kPdfMarginTwips, kPdfMarginTwips, kPdfMarginTwips, kPdfMarginTwips};
}

Margins PrinterTarget::margins(int paperSize, int orientation) const
{
    if (isPdf(m_printer))
        return pdfMargins();
    const QMarginsF mm =
        layoutFor(m_printer, paperSize, orientation).margins(QPageLayout::Millimeter);
    return {mm.left() * kTwipsPerMillimetre, mm.top() * kTwipsPerMillimetre,
            mm.right() * kTwipsPerMillimetre, mm.bottom() * kTwipsPerMillimetre};
}

bool PrinterTarget::startPage(QPainter& painter, const PrintSurface::PageSetup& setup, bool first)
{
    m_printer.setFullPage(true);
    if (!m_printer.setPageLayout(
            fullPage(layoutFor(m_printer, setup.paperSize, setup.orientation))) &&
        first)
        return false;
    if (first) {
        // The colour mode belongs to the job: it cannot change once the printer is active.
        m_printer.setColorMode(setup.colorMode == 2 ? QPrinter::Color : QPrinter::GrayScale);
        return painter.begin(&m_printer);
    }
    return m_printer.newPage();
}

void PrinterTarget::finish(QPainter& painter)
{
    if (painter.isActive())
        painter.end();
}

double PrinterTarget::resolution() const
{
    return m_printer.resolution();
}

PdfTarget::PdfTarget() : m_buffer(&m_bytes), m_writer(&m_buffer)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_writer.setCreator(QStringLiteral("kakitori"));
}

bool PdfTarget::startPage(QPainter& painter, const PrintSurface::PageSetup& setup, bool first)
{
    if (!m_writer.setPageLayout(fullPage(pdfLayout(setup.paperSize, setup.orientation))) && first)
        return false;
    return first ? painter.begin(&m_writer) : m_writer.newPage();
}

void PdfTarget::finish(QPainter& painter)
{
    if (painter.isActive())
        painter.end();
}

bool ImageTarget::startPage(QPainter& painter, const PrintSurface::PageSetup& setup, bool)
{
    if (painter.isActive())
        painter.end();
    const QSize size(qRound(setup.width * m_dpi / 1440), qRound(setup.height * m_dpi / 1440));
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(qRound(m_dpi / 0.0254));
    page.setDotsPerMeterY(qRound(m_dpi / 0.0254));
    m_pages.append(page);
    return painter.begin(&m_pages.last());
}

void ImageTarget::finish(QPainter& painter)
{
    if (painter.isActive())
        painter.end();
}

} // namespace kakitori
