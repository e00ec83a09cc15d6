#include "print/PrintJob.h"
#include "render/PaintTargets.h"
#include "render/TraceSurface.h"

#include "TestFiles.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

// The bounding box of the non-white pixels of an image.
QRect ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

// One character drawn large on its own page.
QRect inkOf(const QString& font, const QString& character)
{
    ImageTarget target(72);
    {
        PainterSurface surface(target);
        surface.setFontName(font);
        surface.setFontSize(72);
        surface.setCurrentX(2000);
        surface.setCurrentY(2000);
        surface.print(character);
        surface.endDoc();
    }
    EXPECT_EQ(target.pages().size(), 1);
    return target.pages().isEmpty() ? QRect() : ink(target.pages()[0]);
}

} // namespace

TEST(PainterSurface, VerticalWritingFontsDrawTurnedVerticalAlternates)
{
    const QRect sun = inkOf(QStringLiteral("@ＭＳ 明朝"), QStringLiteral("日"));
    EXPECT_GT(sun.width(), sun.height()) << "日 lies on its side";
    const QRect upright = inkOf(QStringLiteral("ＭＳ 明朝"), QStringLiteral("日"));
    EXPECT_GT(upright.height(), upright.width());
    // The long vowel mark's vertical form is a vertical stroke; turned it lies flat again. A
    // plain turn of the horizontal glyph would stand upright.
    const QRect bar = inkOf(QStringLiteral("@ＭＳ 明朝"), QStringLiteral("ー"));
    EXPECT_GT(bar.width(), 3 * bar.height());
    // Half-width characters stay upright.
    const QRect one = inkOf(QStringLiteral("@ＭＳ 明朝"), QStringLiteral("1"));
    EXPECT_GT(one.height(), one.width());
}

TEST(PainterSurface, TurnedGlyphStaysInItsCharacterCell)
{
    ImageTarget target(72); // 20 twips a pixel
    {
        PainterSurface surface(target);
        surface.setFontName(QStringLiteral("@ＭＳ 明朝"));
        surface.setFontSize(72);
        const double advance = surface.textWidth(QStringLiteral("日"));
        const double height = surface.textHeight(QStringLiteral("日"));
        surface.setCurrentX(3000);
        surface.setCurrentY(3000);
        surface.print(QStringLiteral("日"));
        surface.endDoc();
        const QRect box = ink(target.pages()[0]);
        const double margin = kPdfMarginTwips / 20;
        EXPECT_GE(box.left(), margin + 3000 / 20 - 1);
        EXPECT_LE(box.right(), margin + (3000 + advance) / 20 + 1);
        EXPECT_GE(box.top(), margin + 3000 / 20 - 1);
        EXPECT_LE(box.bottom(), margin + (3000 + height) / 20 + 1);
    }
}

TEST(PainterSurface, PdfHasOnePageEachOfItsPaper)
{
    TestFolder folder;
    const QString path = folder.path(QStringLiteral("sheet.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PrinterTarget target(printer);
        PainterSurface surface(target);
        PrintJob job;
        job.batch = true;
        job.pageCount = 2;
        job.statusFont = QStringLiteral("@ＭＳ 明朝");
        job.loadPage = [](int p) {
            SheetInput in;
            in.page.heading = QString::number(p);
            return in;
        };
        EXPECT_EQ(surface.scaleWidth(), 11906 - 2 * kPdfMarginTwips);
        runPrintJob(surface, job);
    }
    const QByteArray pdf = folder.read(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const auto pages = QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))
                           .globalMatch(QString::fromLatin1(pdf));
    int count = 0;
    for (auto it = pages; it.hasNext(); it.next())
        ++count;
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595") || pdf.contains("/MediaBox [0 0 595.")) << "A4";
}

TEST(TraceSurface, WritesEveryOperationAsJsonLines)
{
    TraceSurface surface;
    surface.setFontName(QStringLiteral("@ＭＳ 明朝"));
    surface.setFontSize(20);
    surface.line(200, 200, 11056, 200, 0);
    surface.setCurrentX(300);
    surface.setCurrentY(1850.5);
    surface.print(QStringLiteral("①\""));
    surface.setDrawStyle(1);
    surface.box(3000, 1600, 5200, 2500, 0);
    surface.newPage();
    surface.endDoc();
    QString text;
    QTextStream out(&text);
    writeTrace(surface.ops(), out);
    out.flush();
    EXPECT_EQ(
        text,
        QStringLiteral(
            "{\"op\":\"page\",\"paper\":9,\"orientation\":1,\"width\":11906,\"height\":16838,"
            "\"scaleWidth\":11426,\"scaleHeight\":16358}\n"
            "{\"op\":\"line\",\"x1\":200,\"y1\":200,\"x2\":11056,\"y2\":200,\"color\":0,\"style\":"
            "0}\n"
            "{\"op\":\"text\",\"x\":300,\"y\":1850.5,\"text\":\"①\\\"\",\"font\":\"@ＭＳ 明朝\","
            "\"size\":20,\"color\":0}\n"
            "{\"op\":\"box\",\"x1\":3000,\"y1\":1600,\"x2\":5200,\"y2\":2500,\"color\":0,\"style\":"
            "1}\n"
            "{\"op\":\"enddoc\"}\n"));
}
