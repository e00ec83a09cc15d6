#include "print/SheetInput.h"

namespace kakitori {

SheetInput sheetInputFor(const Page& page, const PrintOptions& options)
{
    SheetInput input;
    input.page = page;
    input.options = options;
    for (int i = 0; i < kRowsPerPage; ++i)
        input.switches[i] = page.rows[i].hasSecondPart();
    return input;
}

QString circledNumber(int row)
{
    return QString(QChar(char16_t(0x2460 + row - 1)));
}

QString trimHalfWidthBlanks(const QString& text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

} // namespace kakitori
