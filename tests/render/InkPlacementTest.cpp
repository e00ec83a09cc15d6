// Sheets look right in every face: each glyph's ink stays inside the character cell the layout
// gives it (from its position, its advance, one em high), so nothing a face draws runs into a
// writing frame, out of a model's square or across a reading strip. Checked on the raster, for
// every face of the substitution table and an unknown name, in both layouts.
#include "data/PageLine.h"
#include "data/ProblemFile.h"
#include "print/PrintJob.h"
#include "render/PaintTargets.h"
#include "render/PrintFonts.h"
#include "render/TraceSurface.h"

#include "TestFiles.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

constexpr double kDpi = 100;

double toPixels(double twips)
{
    return (twips + kPdfMarginTwips) * kDpi / 1440;
}

// The cells, in twips, of the characters one Print draws: each from its position along its
// advance and one em down; a turned character of a vertical-writing font stands in the em square
// about its cell's centre.
QList<QRectF> characterCells(const RecordedOp& op)
{
    const bool vertical = op.font.startsWith(u'@');
    const PrintFace& face = printFace(op.font.mid(vertical ? 1 : 0), op.size);
    const double em = op.size * 20;
    QList<QRectF> cells;
    double x = op.x1;
    for (const char32_t c : op.text.toUcs4()) {
        const double advance = face.advance(QString::fromUcs4(&c, 1));
        if (vertical && isFullWidth(c))
            cells.append(QRectF(x + advance / 2 - em / 2, op.y1, em, em));
        else
            cells.append(QRectF(x, op.y1, advance, em));
        x += advance;
    }
    return cells;
}

// Where ink may stand on a page: on the layout's lines and boxes (a pixel either side), and in
// the cells of its characters (a pixel of smoothing around them).
QImage allowedInk(const QList<RecordedOp>& page, QSize size)
{
    QImage mask(size, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter p(&mask);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(Qt::NoBrush);
    for (const RecordedOp& op : page) {
        const QPointF a(toPixels(op.x1), toPixels(op.y1));
        const QPointF b(toPixels(op.x2), toPixels(op.y2));
        if (op.kind == RecordedOp::Line)
            p.drawLine(a, b);
        else if (op.kind == RecordedOp::Box)
            p.drawRect(QRectF(a, b).normalized());
        else if (op.kind == RecordedOp::Text)
            for (const QRectF& cell : characterCells(op))
                p.fillRect(QRectF(QPointF(toPixels(cell.left()), toPixels(cell.top())),
                                  QPointF(toPixels(cell.right()), toPixels(cell.bottom())))
                               .adjusted(-1, -1, 1, 1),
                           Qt::white);
    }
    return mask;
}

struct Stray {
    int pixels = 0;
    QPoint first;
};

// Dark pixels outside every allowed place, over every page of the job.
Stray strayInk(SheetKind kind, const QString& font)
{
    const ProblemRead read = readProblemFile(resourcePath(QStringLiteral("sample.mojx")));
    EXPECT_TRUE(read.ok());
    const Page page = pageFromLine(read.lines.value(1).text);
    PrintJob job;
    job.kind = kind;
    job.pageCount = 1;
    job.statusFont = font;
    job.loadPage = [&](int) { return sheetInputFor(page, PrintOptions{}); };

    TraceSurface trace;
    runPrintJob(trace, job);
    ImageTarget target(kDpi);
    {
        PainterSurface surface(target);
        runPrintJob(surface, job);
    }
    const QList<QList<RecordedOp>> pages = recordedPages(trace.ops());
    EXPECT_EQ(pages.size(), target.pages().size());
    Stray stray;
    for (qsizetype n = 0; n < pages.size() && n < target.pages().size(); ++n) {
        const QImage& image = target.pages()[n];
        const QImage allowed = allowedInk(pages[n], image.size());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128 && qGray(allowed.pixel(x, y)) == 0) {
                    if (stray.pixels++ == 0)
                        stray.first = QPoint(x, y);
                }
    }
    return stray;
}

} // namespace

TEST(InkPlacement, EveryGlyphStaysInItsCellInEveryFaceAndLayout)
{
    const QString faces[] = {
        QStringLiteral("ＭＳ 明朝"),        QStringLiteral("ＭＳ Ｐ明朝"),
        QStringLiteral("ＭＳ ゴシック"),    QStringLiteral("ＭＳ Ｐゴシック"),
        QStringLiteral("ＤＦＧ教科書体W4"), QStringLiteral("どこにもない書体")};
    for (const QString& face : faces)
        for (const QString& font : {QString(u'@' + face), face})
            for (SheetKind kind : {SheetKind::Writing, SheetKind::Practice, SheetKind::Reading}) {
                SCOPED_TRACE(testing::Message()
                             << font.toStdString() << ", sheet " << static_cast<int>(kind));
                const Stray stray = strayInk(kind, font);
                EXPECT_EQ(stray.pixels, 0)
                    << "first at " << stray.first.x() << "," << stray.first.y();
            }
}
