#include "kanji/KanjiBrowser.h"

namespace kakitori {

namespace {

constexpr BrowserColour kWhite = 0xFFFFFF;
constexpr BrowserColour kGradeColours[] = {0xFF8080, 0xFFC080, 0xFFFF80,
                                           0xC0FFC0, 0x80FFFF, 0xC0C0FF};

bool isHeaderKana(const QString& text)
{
    return text.size() == 1 && QStringLiteral("あかさたなはまやら").contains(text[0]);
}

} // namespace

BrowserColour gradeColour(int grade)
{
    return grade >= 1 && grade <= 6 ? kGradeColours[grade - 1] : kWhite;
}

QString KanjiBrowser::halfSwitchCaption() const
{
    return m_secondHalf ? QStringLiteral("戻る") : QStringLiteral("次へ");
}

void KanjiBrowser::clear(BrowserColour colour)
{
    for (Cell& cell : m_cells)
        cell = Cell{{}, {}, colour, false};
    m_secondHalf = false;
}

void KanjiBrowser::showGrade(int grade, const QString& choice, ReadingKind tooltips)
{
    clear(gradeColour(grade));
    m_grade = grade;
    const QStringList& rows = m_tables.rows(choice);
    const QString wanted = QString::number(grade);
    int lower = 0;
    // Positions count the rows walked, less those of lower grades: a grouped table gives each
    // grade's rows positions 0, 1, 2 … in table order.
    for (int n = 1; n <= m_tables.walkBound(choice); ++n) {
        if (n > rows.size())
            continue; // the walk's one row beyond the table
        const auto row = parseKanjiRow(rows[n - 1]);
        if (!row)
            continue;
        if (row->grade.toInt() < grade)
            ++lower;
        if (row->grade != wanted)
            continue;
        const int position = n - lower - 1;
        if (position < 0 || position >= kCells)
            continue;
        Cell& cell = m_cells[position];
        cell.text = row->kanji;
        cell.tooltip = tooltips == ReadingKind::On ? row->on : row->kun;
        cell.background = row->isHeader() ? kWhite : gradeColour(grade);
    }
}

std::optional<QString> KanjiBrowser::showSearch(ReadingKind kind, const QString& text)
{
    clear(kWhite);
    m_grade = 0;
    const ReadingSearch search = searchReadings(m_tables, kind, text);
    const QList<ReadingMatch>& matches = search.matches;
    for (int i = 0; i < matches.size() && i < kCells; ++i)
        m_cells[i] =
            Cell{matches[i].kanji, matches[i].tooltip, gradeColour(matches[i].grade), false};
    return search.error;
}

void KanjiBrowser::switchHalf()
{
    for (int i = 0; i < kHalf; ++i) {
        Cell& shown = m_cells[i];
        Cell& hidden = m_cells[i + kHalf];
        std::swap(shown.text, hidden.text);
        std::swap(shown.tooltip, hidden.tooltip);
        if (m_grade == 0) {
            std::swap(shown.background, hidden.background); // search results keep their colours
        } else if (!m_secondHalf) {
            shown.background = hidden.background;
        } else {
            shown.background = isHeaderKana(shown.text) ? kWhite : gradeColour(m_grade);
        }
    }
    m_secondHalf = !m_secondHalf;
}

} // namespace kakitori
