#include "data/Characters.h"

namespace kakitori {

QStringList characters(const QString& text)
{
    QStringList out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        out.append(text.mid(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    return out;
}

int characterCount(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++count;
    return count;
}

} // namespace kakitori
