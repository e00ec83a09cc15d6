#include "print/SheetParts.h"

#include "data/Characters.h"

namespace kakitori {

void printAt(PrintSurface& s, double x, double y, const QString& text)
{
    s.setCurrentX(x);
    s.setCurrentY(y);
    s.print(text);
}

void printAnswer(PrintSurface& surface, const QString& text, double x, double y, double dx,
                 double dy)
{
    const PrintColour before = surface.foreColor();
    surface.setForeColor(kAnswerRed);
    printCharacters(surface, text, x, y, dx, dy);
    surface.setForeColor(before);
}

void printCharacters(PrintSurface& s, const QString& text, double x, double y, double dx, double dy)
{
    const QStringList chars = characters(text);
    for (int i = 0; i < chars.size(); ++i)
        printAt(s, x + dx * i, y + dy * i, chars[i]);
}

void setUpWorksheet(PrintSurface& s, double size, const QString& font, int orientation)
{
    s.setFontSize(size);
    s.setFontName(font);
    s.setPaperSize(kPaperA4);
    s.setOrientation(orientation);
    s.setDrawStyle(0);
}

void drawVerticalHeader(PrintSurface& s, const QString& heading, const QString& title)
{
    const double w = s.scaleWidth();
    s.line(200, 200, w - 850, 200, kBlack);
    s.line(w - 850, 200, w - 850, 1200, kBlack);
    s.line(w - 850, 1200, 200, 1200, kBlack);
    s.line(200, 1200, 200, 200, kBlack);
    s.setFontSize(20);
    printAt(s, 5130, 300, QStringLiteral("名"));
    printAt(s, 5630, 300, QStringLiteral("前"));
    printCharacters(s, heading, 230, 230, 500, 0);
    s.setFontSize(10);
    printCharacters(s, title, 350, 800, 300, 0);
}

void drawHorizontalHeader(PrintSurface& s, const QString& heading, const QString& title,
                          double titleStep)
{
    const double w = s.scaleWidth();
    s.line(w - 1200, 200, w - 100, 200, kBlack);
    s.line(w - 1200, 200, w - 1200, 10500, kBlack);
    s.line(w - 1200, 10500, w - 100, 10500, kBlack);
    s.line(w - 100, 10500, w - 100, 200, kBlack);
    s.setFontSize(20);
    printAt(s, w - 700, 6000, QStringLiteral("名"));
    printAt(s, w - 700, 6500, QStringLiteral("前"));
    printCharacters(s, heading, w - 700, 500, 0, 500);
    s.setFontSize(10);
    printCharacters(s, title, w - 1000, 500, 0, titleStep);
}

void drawVerticalRuledBody(PrintSurface& s)
{
    const double w = s.scaleWidth(), h = s.scaleHeight();
    for (int i = 1; i <= 11; ++i)
        s.line(200, i * h / 11 - 100, w - 850, i * h / 11 - 100, kBlack);
    s.line(w - 850, h / 11 - 100, w - 850, h - 100, kBlack);
    s.line(200, h - 100, 200, h / 11 - 100, kBlack);
}

void drawHorizontalRuledBody(PrintSurface& s)
{
    const double u = s.scaleWidth() - 1300, d = u / 10;
    for (int i = 0; i <= 11; ++i)
        s.line(u - d * i, 10500, u - d * i, 200, kBlack);
    s.line(u - 11 * d, 200, u, 200, kBlack);
    s.line(u - 11 * d, 10500, u, 10500, kBlack);
}

} // namespace kakitori
