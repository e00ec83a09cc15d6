#include "data/TextFile.h"

#include "data/Cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace kakitori {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

QList<QByteArrayView> splitLines(QByteArrayView content, qsizetype maxLines, qsizetype* total)
{
    QList<QByteArrayView> lines;
    *total = 0;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        const qsizetype next = end < 0 ? content.size() : end + 1;
        if (end < 0)
            end = content.size();
        if (lines.size() < maxLines) {
            QByteArrayView line = content.sliced(start, end - start);
            if (line.endsWith('\r'))
                line.chop(1);
            lines.append(line);
        }
        ++*total;
        start = next;
    }
    return lines;
}

bool decodeUtf8Lines(const QList<QByteArrayView>& raw, QList<TextLine>* out)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    out->clear();
    for (QByteArrayView line : raw) {
        out->append({decoder.decode(line), {}});
        if (decoder.hasError())
            return false;
    }
    return true;
}

} // namespace

TextLines decodeTextLines(const QByteArray& content, qsizetype maxLines)
{
    TextLines result;
    if (content.startsWith(kUtf8Bom)) {
        const QList<QByteArrayView> raw = splitLines(
            QByteArrayView(content).sliced(kUtf8Bom.size()), maxLines, &result.linesInFile);
        if (decodeUtf8Lines(raw, &result.lines)) {
            result.encoding = TextEncoding::Utf8;
            return result;
        }
    }
    // A byte-order mark that does not begin UTF-8 text is part of the first line's bytes, so a
    // save writes the file as it was read.
    const QList<QByteArrayView> raw = splitLines(content, maxLines, &result.linesInFile);
    QList<TextLine> cp932;
    cp932.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        bool ok = true;
        cp932.append({decodeCp932(raw[i], &ok), raw[i].toByteArray()});
        if (!ok)
            result.damagedLines.append(i);
    }
    if (!result.damagedLines.isEmpty() && decodeUtf8Lines(raw, &result.lines)) {
        result.encoding = TextEncoding::Utf8;
        result.damagedLines.clear();
        return result;
    }
    result.lines = std::move(cp932);
    result.encoding = TextEncoding::Cp932;
    return result;
}

QString displayName(const QString& path)
{
    return QFileInfo(path).fileName();
}

QString unreadableFileReason(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("ファイル「%1」が見つかりません。").arg(path);
    if (info.isDir())
        return QStringLiteral("「%1」はフォルダーです。ファイルを選んでください。").arg(path);
    if (!info.isFile())
        return QStringLiteral("「%1」は普通のファイルではない（装置やパイプです）ため、"
                              "読み込めません。")
            .arg(path);
    return {};
}

FileContent readFileContent(const QString& path, qint64 maxBytes)
{
    FileContent result;
    const QFileInfo info(path);
    const QString name = displayName(path);
    result.error = unreadableFileReason(path);
    if (!result.error.isEmpty())
        return result;
    if (info.size() > maxBytes) {
        result.error = QStringLiteral("ファイル「%1」は大きすぎるため読み込めません（%2 MB）。")
                           .arg(name)
                           .arg(info.size() / (1024 * 1024));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error =
            QStringLiteral("ファイル「%1」を読み込めません（%2）。").arg(name, file.errorString());
        return result;
    }
    result.bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        result.error =
            QStringLiteral("ファイル「%1」を読み込めません（%2）。").arg(name, file.errorString());
    else if (result.bytes.size() > maxBytes)
        result.error = QStringLiteral("ファイル「%1」は大きすぎるため読み込めません。").arg(name);
    else if (result.bytes.contains('\0'))
        result.error =
            QStringLiteral("ファイル「%1」はテキストファイルではないため読み込めません。")
                .arg(name);
    if (!result.ok())
        result.bytes.clear();
    return result;
}

TextFileRead readTextFile(const QString& path, qsizetype maxLines, qint64 maxBytes)
{
    TextFileRead result;
    const FileContent content = readFileContent(path, maxBytes);
    result.error = content.error;
    if (content.ok())
        result.text = decodeTextLines(content.bytes, maxLines);
    return result;
}

QString writeAllAndFlush(QFileDevice& file, const QByteArray& bytes)
{
    // QFileDevice buffers small writes, so a write may "succeed" and the flush fail; and Qt 6.4's
    // QSaveFile::commit() can return true after its own final flush failed.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}

QString writeFileAtomically(const QString& path, const QByteArray& bytes,
                            std::optional<QFileDevice::Permissions> permissions)
{
    const QString name = displayName(path);
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("「%1」はフォルダーのため保存できません。").arg(path);
    if (info.exists() && !info.isFile())
        return QStringLiteral("「%1」は普通のファイルではない（装置やパイプです）ため、"
                              "保存できません。")
            .arg(path);
    if (info.exists() && !info.isWritable())
        return QStringLiteral("ファイル「%1」は読み取り専用のため保存できません。").arg(name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("ファイル「%1」に保存できません（%2）。")
            .arg(name, file.errorString());
    // Set on the temporary file, so the content is never readable by more people than it may be.
    if (permissions && !file.setPermissions(*permissions)) {
        file.cancelWriting();
        return QStringLiteral("ファイル「%1」に保存できません（%2）。")
            .arg(name, file.errorString());
    }
    QString failure = writeAllAndFlush(file, bytes);
    if (failure.isEmpty() && !file.commit())
        failure = file.errorString();
    if (!failure.isEmpty()) {
        file.cancelWriting();
        return QStringLiteral(
                   "ファイル「%1」に保存できません（%2）。元のファイルはそのまま残っています。")
            .arg(name, failure);
    }
    return {};
}

} // namespace kakitori
