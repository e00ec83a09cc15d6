#include "data/Page.h"

namespace kakitori {

bool Row::isEmpty() const
{
    const Row& r = *this;
    return r[RowField::Lead].isEmpty() && r[RowField::FirstWord].isEmpty() &&
           r[RowField::Middle].isEmpty() && r[RowField::SecondWord].isEmpty() &&
           r[RowField::Tail].isEmpty();
}

bool Row::hasSecondPart() const
{
    const Row& r = *this;
    return !r[RowField::SecondWord].isEmpty() || !r[RowField::SecondReading].isEmpty() ||
           !r[RowField::Tail].isEmpty();
}

QString fontForWriting(const QString& font)
{
    if (font.isEmpty())
        return kDefaultFontName;
    return font;
}

} // namespace kakitori
