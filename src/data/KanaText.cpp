#include "data/KanaText.h"

namespace kakitori {

namespace {

bool isHalfWidthKatakana(char16_t c)
{
    return c >= 0xFF61 && c <= 0xFF9F;
}

bool isHiragana(char16_t c)
{
    return (c >= 0x3041 && c <= 0x3096) || (c >= 0x309D && c <= 0x309F);
}

bool isKatakana(char16_t c)
{
    return (c >= 0x30A1 && c <= 0x30FA) || (c >= 0x30FC && c <= 0x30FF);
}

} // namespace

QString toFullWidth(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text[i].unicode();
        if (isHalfWidthKatakana(c)) {
            qsizetype end = i;
            while (end < text.size() && isHalfWidthKatakana(text[end].unicode()))
                ++end;
            // Compatibility composition joins a kana with its following sound mark (ｶﾞ → ガ).
            out += text.mid(i, end - i).normalized(QString::NormalizationForm_KC);
            i = end;
            continue;
        }
        if (c == u' ')
            out += QChar(0x3000);
        else if (c > 0x20 && c < 0x7F)
            out += QChar(char16_t(c + 0xFEE0));
        else
            out += QChar(c);
        ++i;
    }
    return out;
}

QString toHiragana(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6)
            c = QChar(char16_t(c.unicode() - 0x60));
    return out;
}

bool isKanaText(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!isHiragana(u) && !isKatakana(u) && !(u >= 0xFF66 && u <= 0xFF9F))
            return false;
    }
    return true;
}

} // namespace kakitori
