#include "kanji/GradeTables.h"

#include <QFile>

namespace kakitori {

std::optional<KanjiRow> parseKanjiRow(const QString& row)
{
    const QStringList f = row.split(u',');
    if (f.size() != 5)
        return std::nullopt;
    return KanjiRow{f[0], f[1], f[2], f[3], f[4]};
}

QStringList textbookChoices()
{
    return {QStringLiteral("光村図書20"), QStringLiteral("学校図書20"),
            QStringLiteral("教育出版20"), QStringLiteral("東京書籍20"), kNoTextbook};
}

const GradeTables& GradeTables::builtIn()
{
    static const GradeTables tables = [] {
        QFile file(QStringLiteral(":/kanji/grade_tables.txt"));
        return file.open(QIODevice::ReadOnly) ? parse(QString::fromUtf8(file.readAll()))
                                              : GradeTables();
    }();
    return tables;
}

GradeTables GradeTables::parse(const QString& text)
{
    GradeTables tables;
    for (const QString& line : text.split(u'\n')) {
        const QString row = line.endsWith(u'\r') ? line.chopped(1) : line;
        if (row.startsWith(u'[') && row.endsWith(u']'))
            tables.m_tables.append({row.mid(1, row.size() - 2), {}});
        else if (!row.isEmpty() && !tables.m_tables.isEmpty())
            tables.m_tables.last().second.append(row);
    }
    return tables;
}

const QStringList& GradeTables::rows(const QString& choice) const
{
    static const QStringList none;
    for (const auto& [name, rows] : m_tables)
        if (name == choice)
            return rows;
    return none;
}

int GradeTables::walkBound(const QString& choice) const
{
    const int count = int(rows(choice).size());
    return choice == QStringLiteral("東京書籍20") && count > 0 ? count + 1 : count;
}

QStringList GradeTables::gradeRows(const QString& choice, const QString& grade) const
{
    QStringList out;
    for (const QString& row : rows(choice))
        if (const auto parsed = parseKanjiRow(row); parsed && parsed->grade == grade)
            out.append(row);
    return out;
}

} // namespace kakitori
