#pragma once

#include "print/PrintSurface.h"

#include <QList>

#include <functional>

namespace kakitori {

// One operation as it reached the device.
struct RecordedOp {
    enum Kind { Page, Text, Line, Box, EndDoc };
    Kind kind = Page;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // text: x1, y1 is the position
    QString text;
    QString font;
    double size = 0;
    PrintColour colour = 0;
    int style = 0;
    PrintSurface::PageSetup page{}; // for Page
};

// The operations page by page, each page without its page record (enddoc left out).
QList<QList<RecordedOp>> recordedPages(const QList<RecordedOp>& ops);

// The texts of the operations joined, in order (what a run of Prints reads as).
QString recordedText(const QList<RecordedOp>& ops);

// Text metrics of a font at a size, in twips.
struct TextMetrics {
    std::function<double(const QString& font, double size, const QString& text)> width;
    std::function<double(const QString& font, double size)> height;
};

// A surface that keeps every operation: the trace back end, and the tests' view of a layout.
// Without metrics a character is as wide as the font is high, and a line is the font size.
class RecordingSurface : public PrintSurface {
public:
    explicit RecordingSurface(Margins margins = {}, TextMetrics metrics = {});

    const QList<RecordedOp>& ops() const { return m_ops; }
    void clear() { m_ops.clear(); }

    double textWidth(const QString& text) override;
    double textHeight(const QString& text) override;

protected:
    Margins margins(int paperSize, int orientation) const override;
    bool beginPage(const PageSetup& setup, bool firstOfDocument) override;
    void endDocument() override;
    bool drawText(double x, double y, const QString& text) override;
    bool drawLine(double x1, double y1, double x2, double y2, PrintColour colour) override;
    bool drawBox(double x1, double y1, double x2, double y2, PrintColour colour) override;

private:
    RecordedOp shape(RecordedOp::Kind kind, double x1, double y1, double x2, double y2,
                     PrintColour colour) const;

    Margins m_margins;
    TextMetrics m_metrics;
    QList<RecordedOp> m_ops;
};

} // namespace kakitori
