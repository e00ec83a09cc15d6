#include "print/RecordingSurface.h"

namespace kakitori {

RecordingSurface::RecordingSurface(Margins margins, TextMetrics metrics)
    : m_margins(margins), m_metrics(std::move(metrics))
{
}

double RecordingSurface::textWidth(const QString& text)
{
    if (m_metrics.width)
        return m_metrics.width(fontName(), fontSize(), text);
    return 20 * fontSize() * text.size();
}

double RecordingSurface::textHeight(const QString&)
{
    if (m_metrics.height)
        return m_metrics.height(fontName(), fontSize());
    return 20 * fontSize();
}

Margins RecordingSurface::margins(int, int) const
{
    return m_margins;
}

bool RecordingSurface::beginPage(const PageSetup& setup, bool)
{
    RecordedOp op;
    op.kind = RecordedOp::Page;
    op.page = setup;
    m_ops.append(op);
    return true;
}

void RecordingSurface::endDocument()
{
    RecordedOp op;
    op.kind = RecordedOp::EndDoc;
    m_ops.append(op);
}

bool RecordingSurface::drawText(double x, double y, const QString& text)
{
    RecordedOp op;
    op.kind = RecordedOp::Text;
    op.x1 = x;
    op.y1 = y;
    op.text = text;
    op.font = fontName();
    op.size = fontSize();
    op.colour = foreColor();
    m_ops.append(op);
    return true;
}

bool RecordingSurface::drawLine(double x1, double y1, double x2, double y2, PrintColour colour)
{
    m_ops.append(shape(RecordedOp::Line, x1, y1, x2, y2, colour));
    return true;
}

bool RecordingSurface::drawBox(double x1, double y1, double x2, double y2, PrintColour colour)
{
    m_ops.append(shape(RecordedOp::Box, x1, y1, x2, y2, colour));
    return true;
}

RecordedOp RecordingSurface::shape(RecordedOp::Kind kind, double x1, double y1, double x2,
                                   double y2, PrintColour colour) const
{
    RecordedOp op;
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
    op.style = drawStyle();
    return op;
}

QList<QList<RecordedOp>> recordedPages(const QList<RecordedOp>& ops)
{
    QList<QList<RecordedOp>> pages;
    for (const RecordedOp& op : ops) {
        if (op.kind == RecordedOp::Page)
            pages.append(QList<RecordedOp>());
        else if (op.kind != RecordedOp::EndDoc && !pages.isEmpty())
            pages.last().append(op);
    }
    return pages;
}

QString recordedText(const QList<RecordedOp>& ops)
{
    QString text;
    for (const RecordedOp& op : ops)
        text += op.text;
    return text;
}

} // namespace kakitori
