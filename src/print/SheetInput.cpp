#include "print/SheetInput.h"

namespace kakitori {

QStringList characters(const QString& text)
{
    QStringList out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() &&
                          text[i + 1].isLowSurrogate();
        out.append(text.mid(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    return out;
}

int characterCount(const QString& text)
{
    return int(characters(text).size());
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
