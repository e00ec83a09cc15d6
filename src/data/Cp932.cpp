#include "data/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

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

// Opening a converter costs more than converting a line, so one of each is kept per thread. Qt
// keeps a converter's error flag through resetState(), so after an error a fresh one takes over.
template <typename Converter>
class ReusedConverter {
public:
    Converter& get()
    {
        if (!m_converter)
            m_converter.emplace(kCodec);
        else
            m_converter->resetState();
        return *m_converter;
    }
    void discardAfterError() { m_converter.reset(); }

private:
    std::optional<Converter> m_converter;
};

thread_local ReusedConverter<QStringDecoder> t_decoder;
thread_local ReusedConverter<QStringEncoder> t_encoder;

// Converts with the thread's converter; false when the converter met an error.
template <typename Converter, typename Input, typename Output>
bool convert(ReusedConverter<Converter>& reused, Input input, Output* output)
{
    Converter& converter = reused.get();
    *output = converter(input); // the conversion is lazy until assigned
    if (!converter.hasError())
        return true;
    reused.discardAfterError();
    return false;
}

bool encodesAlone(QStringView character)
{
    QByteArray bytes;
    return convert(t_encoder, character, &bytes) && !bytes.isEmpty();
}

} // namespace

QString decodeCp932(QByteArrayView bytes, bool* ok)
{
    QString text;
    const bool decoded = convert(t_decoder, bytes, &text);
    if (ok)
        *ok = decoded;
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

    Cp932Encoding result;
    if (convert(t_encoder, QStringView(folded), &result.bytes))
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
