#include "data/PageLine.h"

namespace kakitori {

namespace {

constexpr RowField kFillOrder[] = {RowField::Lead,   RowField::FirstWord,  RowField::FirstReading,
                                   RowField::Middle, RowField::SecondWord, RowField::SecondReading,
                                   RowField::Tail};

QString storableCell(QString text)
{
    text.replace(QLatin1Char(','), QChar(0xFF0C));
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

} // namespace

int lineFieldIndex(int row, RowField field)
{
    const int f = static_cast<int>(field);
    if (field <= RowField::Middle)
        return 2 + 4 * (row - 1) + f;
    return kOldPageLineFields + 3 * (row - 1) + (f - static_cast<int>(RowField::SecondWord));
}

QStringList splitPageLine(const QString& line)
{
    return line.split(QLatin1Char(','));
}

QString headingOfLine(const QString& line)
{
    return line.section(QLatin1Char(','), 0, 0);
}

QString joinPageLine(const Page& page)
{
    return mergePageIntoLine(QString(), page);
}

QString mergePageIntoLine(const QString& line, const Page& page)
{
    QStringList fields = splitPageLine(line);
    if (fields.size() < kPageLineFields)
        fields.resize(kPageLineFields);
    fields[0] = storableCell(page.heading);
    fields[kFontField] = storableCell(page.font);
    for (int row = 1; row <= kRowsPerPage; ++row)
        for (RowField f : kFillOrder)
            fields[lineFieldIndex(row, f)] = storableCell(page.rows[row - 1][f]);
    return fields.join(QLatin1Char(','));
}

LineFill fillPageFromLine(Page& page, const QString& line)
{
    const QStringList fields = splitPageLine(line);
    LineFill fill;
    fill.hasFont = fields.size() > kFontField;
    for (RowField f : kFillOrder) {
        for (int row = 1; row <= kRowsPerPage; ++row) {
            const int index = lineFieldIndex(row, f);
            if (index >= fields.size()) {
                fill.complete = false;
                break;
            }
            page.rows[row - 1][f] = fields[index];
        }
        if (!fill.complete)
            break;
    }
    if (fill.hasFont)
        page.font = fields[kFontField];
    return fill;
}

Page pageFromLine(const QString& line)
{
    Page page;
    page.heading = headingOfLine(line);
    fillPageFromLine(page, line);
    return page;
}

} // namespace kakitori
