#include "data/TextExport.h"

#include "data/Cp932.h"
#include "data/TextFile.h"

#include <QFile>

namespace kakitori {

namespace {

// Far beyond any composed text; a wrongly chosen big file is refused at once.
constexpr qint64 kMaxImportBytes = 8 * 1024 * 1024;
constexpr qsizetype kMaxImportLines = 100000;

} // namespace

QString appendTextExport(const QString& path, const QString& text)
{
    const Cp932Encoding encoded = encodeCp932(text);
    if (!encoded.ok())
        return QStringLiteral("「%1」はテキストファイルに書けない文字です。")
            .arg(characterAt(text, encoded.badIndex));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return QStringLiteral("ファイル「%1」に書けません（%2）。")
            .arg(displayName(path), file.errorString());
    const QByteArray bytes = encoded.bytes + "\r\n";
    if (file.write(bytes) != bytes.size())
        return QStringLiteral("ファイル「%1」に書けません（%2）。")
            .arg(displayName(path), file.errorString());
    return {};
}

TextImport readTextImport(const QString& path)
{
    TextImport result;
    const TextFileRead read = readTextFile(path, kMaxImportLines, kMaxImportBytes);
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    for (const TextLine& line : read.text.lines)
        result.lines.append(line.text);
    return result;
}

} // namespace kakitori
