#include "data/TextExport.h"

#include "data/Cp932.h"
#include "data/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace kakitori {

namespace {

// Far beyond any composed text; a wrongly chosen big file is refused at once.
constexpr qint64 kMaxImportBytes = 8 * 1024 * 1024;
constexpr qsizetype kMaxImportLines = 100000;

} // namespace

QString appendTextExport(const QString& path, const QString& text)
{
    // A text box on this platform ends its lines with LF alone; the files of the tool use CR LF.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const Cp932Encoding encoded = encodeCp932(lines);
    if (!encoded.ok())
        return QStringLiteral("「%1」はテキストファイルに書けない文字です。")
            .arg(characterAt(lines, encoded.badIndex));
    // The old content and the new text are written as one new file, so a write that fails half
    // way (a full disk) leaves the file as it was instead of ending in half a line.
    QByteArray content;
    if (QFileInfo::exists(path)) {
        if (const QString reason = unreadableFileReason(path); !reason.isEmpty())
            return reason;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("ファイル「%1」に書けません（%2）。")
                .arg(displayName(path), file.errorString());
        content = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return QStringLiteral("ファイル「%1」に書けません（%2）。")
                .arg(displayName(path), file.errorString());
    }
    return writeFileAtomically(path, content + encoded.bytes + "\r\n");
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
