#pragma once

#include "data/Page.h"
#include "data/PageRecord.h"
#include "data/TextFile.h"

#include <QList>
#include <QStringList>

namespace kakitori {

// The open problem: its pages in order, each held as its current line. A page's line is what it
// shows when chosen, what printing reads and what a save writes; it starts as the line read from
// the file and is replaced by each write-back of that page, so the edits of every page survive
// page switches and saves.
class Problem {
public:
    static constexpr int kMaxPages = 201;

    Problem() = default;
    explicit Problem(QList<TextLine> lines);

    int pageCount() const { return int(m_lines.size()); }
    bool isFull() const { return pageCount() >= kMaxPages; }
    QStringList headings() const;

    const QString& line(int pageIndex) const { return m_lines[pageIndex].text; }
    Page page(int pageIndex) const;
    PageRecord record(int pageIndex) const;

    // Stores the working page into the page's line. The font field is never written empty (the
    // stored page carries the font actually written). A page that reads as its line already does
    // leaves the line as it is; otherwise the fields the page does not hold are kept. False,
    // storing nothing, for an index that is not a page of the problem.
    bool writeBack(int pageIndex, const Page& page);

    // Appends a blank page with its heading as a full line. False when the problem is full.
    bool addPage(const QString& heading, const QString& font);

    // The lines a save writes, page 0 first.
    const QList<TextLine>& lines() const { return m_lines; }

private:
    QList<TextLine> m_lines;
};

} // namespace kakitori
