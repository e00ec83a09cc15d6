#include "data/Problem.h"

#include "data/PageLine.h"

namespace kakitori {

Problem::Problem(QList<TextLine> lines) : m_lines(std::move(lines))
{
    if (m_lines.size() > kMaxPages)
        m_lines.resize(kMaxPages);
}

QStringList Problem::headings() const
{
    QStringList result;
    result.reserve(m_lines.size());
    for (const TextLine& l : m_lines)
        result.append(headingOfLine(l.text));
    return result;
}

Page Problem::page(int pageIndex) const
{
    return pageFromLine(line(pageIndex));
}

PageRecord Problem::record(int pageIndex) const
{
    return recordFromPage(page(pageIndex));
}

bool Problem::writeBack(int pageIndex, const Page& page)
{
    if (pageIndex < 0 || pageIndex >= pageCount())
        return false;
    Page stored = page;
    stored.font = fontForWriting(page.font);
    TextLine& current = m_lines[pageIndex];
    if (pageFromLine(current.text) != stored)
        current = {mergePageIntoLine(current.text, stored), {}};
    return true;
}

bool Problem::addPage(const QString& heading, const QString& font)
{
    if (isFull())
        return false;
    Page blank;
    blank.heading = heading;
    blank.font = fontForWriting(font);
    m_lines.append({joinPageLine(blank), {}});
    return true;
}

} // namespace kakitori
