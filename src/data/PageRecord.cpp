#include "data/PageRecord.h"

#include "data/PageLine.h"

namespace kakitori {

int recordSlotIndex(int row, RowField field)
{
    const int line = lineFieldIndex(row, field);
    return field >= RowField::SecondWord ? line + 1 : line;
}

PageRecord recordFromPage(const Page& page)
{
    PageRecord record;
    record[kHeadingSlot] = page.heading;
    record[kFontSlot] = page.font;
    for (int row = 1; row <= kRowsPerPage; ++row)
        for (int f = 0; f < kRowFieldCount; ++f)
            record[recordSlotIndex(row, RowField(f))] = page.rows[row - 1].fields[f];
    return record;
}

Page pageFromRecord(const PageRecord& record)
{
    Page page;
    page.heading = record[kHeadingSlot];
    page.font = record[kFontSlot];
    for (int row = 1; row <= kRowsPerPage; ++row)
        for (int f = 0; f < kRowFieldCount; ++f)
            page.rows[row - 1].fields[f] = record[recordSlotIndex(row, RowField(f))];
    return page;
}

} // namespace kakitori
