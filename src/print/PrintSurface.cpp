#include "print/PrintSurface.h"

#include <utility>

namespace kakitori {

PaperTwips paperTwips(int paperSize, int orientation)
{
    PaperTwips paper = paperSize == kPaperB4 ? PaperTwips{14570, 20636} : PaperTwips{11906, 16838};
    if (orientation == kLandscape)
        std::swap(paper.width, paper.height);
    return paper;
}

double PrintSurface::width() const
{
    return paperTwips(m_paperSize, m_orientation).width;
}

double PrintSurface::height() const
{
    return paperTwips(m_paperSize, m_orientation).height;
}

double PrintSurface::scaleWidth() const
{
    const Margins m = margins(m_paperSize, m_orientation);
    return width() - m.left - m.right;
}

double PrintSurface::scaleHeight() const
{
    const Margins m = margins(m_paperSize, m_orientation);
    return height() - m.top - m.bottom;
}

bool PrintSurface::ensurePage()
{
    if (m_pageOpen)
        return true;
    const PageSetup setup{m_paperSize, m_orientation, m_colorMode,  width(),
                          height(),    scaleWidth(),  scaleHeight()};
    if (!beginPage(setup, !m_documentOpen))
        return false;
    m_documentOpen = true;
    m_pageOpen = true;
    return true;
}

bool PrintSurface::print(const QString& text)
{
    bool ok = true;
    if (!text.isEmpty())
        ok = ensurePage() && drawText(m_currentX, m_currentY, text);
    const double lineHeight = textHeight(text);
    m_currentX = 0;
    m_currentY += lineHeight;
    return ok;
}

bool PrintSurface::line(double x1, double y1, double x2, double y2,
                        std::optional<PrintColour> colour)
{
    const bool ok = ensurePage() && drawLine(x1, y1, x2, y2, colour.value_or(m_foreColor));
    m_currentX = x2;
    m_currentY = y2;
    return ok;
}

bool PrintSurface::box(double x1, double y1, double x2, double y2,
                       std::optional<PrintColour> colour)
{
    const bool ok = ensurePage() && drawBox(x1, y1, x2, y2, colour.value_or(m_foreColor));
    m_currentX = x2;
    m_currentY = y2;
    return ok;
}

void PrintSurface::newPage()
{
    // The page ends; the next drawing operation begins the next one.
    m_pageOpen = false;
    m_currentX = 0;
    m_currentY = 0;
}

void PrintSurface::endDoc()
{
    if (m_documentOpen)
        endDocument();
    m_documentOpen = false;
    m_pageOpen = false;
}

} // namespace kakitori
