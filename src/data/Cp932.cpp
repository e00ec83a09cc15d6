#include "data/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kakitori {

namespace {

constexpr const char* kCodec = "windows-31j";

// Unicode forms that Shift_JIS-minded software produces for characters whose code page 932
// mapping is a different code point.
QChar windowsLookAlike(QChar c)
{
    switch (c.unicode()) {
    case 0x301C:
        return QChar(0xFF5E); // WAVE DASH → FULLWIDTH TILDE
    case 0x2016:
        return QChar(0x2225); // DOUBLE VERTICAL LINE → PARALLEL TO
    case 0x2212:
        return QChar(0xFF0D); // MINUS SIGN → FULLWIDTH HYPHEN-MINUS
    case 0x2014:
        return QChar(0x2015); // EM DASH → HORIZONTAL BAR
    case 0x00A2:
        return QChar(0xFFE0); // CENT SIGN
    case 0x00A3:
        return QChar(0xFFE1); // POUND SIGN
    case 0x00AC:
        return QChar(0xFFE2); // NOT SIGN
    default:
        return c;
    }
}

bool encodesAlone(QStringView character)
{
    QStringEncoder encoder(kCodec);
    const QByteArray bytes = encoder.encode(character); // encode() is lazy until converted
    return !encoder.hasError() && !bytes.isEmpty();
}

} // namespace

QString decodeCp932(QByteArrayView bytes, bool* ok)
{
    QStringDecoder decoder(kCodec);
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = !decoder.hasError();
    return text;
}

QString characterAt(QStringView text, qsizetype index)
{
    const bool pair = index + 1 < text.size() && text[index].isHighSurrogate() &&
                      text[index + 1].isLowSurrogate();
    return text.mid(index, pair ? 2 : 1).toString();
}

Cp932Encoding encodeCp932(QStringView text)
{
    QString folded = text.toString();
    for (QChar& c : folded)
        c = windowsLookAlike(c);

    QStringEncoder encoder(kCodec);
    Cp932Encoding result;
    result.bytes = encoder.encode(folded);
    if (!encoder.hasError())
        return result;

    // Rare path: find the first character that does not encode, so the message can name it.
    for (qsizetype i = 0; i < folded.size();) {
        const QString character = characterAt(folded, i);
        if (!encodesAlone(character)) {
            result.badIndex = i;
            break;
        }
        i += character.size();
    }
    if (result.badIndex < 0)
        result.badIndex = 0; // never report a failed encoding as success
    result.bytes.clear();
    return result;
}

} // namespace kakitori
