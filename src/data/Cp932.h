#pragma once

#include <QByteArray>
#include <QString>

namespace kakitori {

// The Windows-era Japanese code page. Files of the tool are written in it; Qt reaches it through
// ICU under the name "windows-31j", which (unlike plain Shift_JIS) keeps circled numbers and the
// NEC special characters.

// Decodes bytes as code page 932. Sets *ok to false when a byte sequence is not valid; the
// offending bytes then come out as U+001A.
QString decodeCp932(QByteArrayView bytes, bool* ok = nullptr);

struct Cp932Encoding {
    QByteArray bytes;
    // Index in the text of the first character code page 932 cannot hold, or -1.
    qsizetype badIndex = -1;
    bool ok() const { return badIndex < 0; }
};

// Encodes text as code page 932. Characters that input methods on this platform type where the
// Windows code page has a look-alike (wave dash, minus sign, double vertical line, …) are written
// as that look-alike, as Windows input would have produced it.
Cp932Encoding encodeCp932(QStringView text);

// The character (a whole surrogate pair where there is one) starting at index.
QString characterAt(QStringView text, qsizetype index);

} // namespace kakitori
