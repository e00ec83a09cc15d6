#include "data/FontName.h"

namespace kakitori {

bool isVerticalFontName(const QString& name)
{
    return name.startsWith(u'@') || name.startsWith(u'＠');
}

QString baseFontName(const QString& name)
{
    return isVerticalFontName(name) ? name.mid(1) : name;
}

} // namespace kakitori
