#include "data/ProblemFile.h"

#include "data/Cp932.h"
#include "data/PageLine.h"

#include <QFile>
#include <QFileInfo>

namespace kakitori {

namespace {

// Far above any real problem file (201 lines of a few hundred characters), low enough that a
// wrongly chosen large file is refused at once.
constexpr qint64 kMaxProblemFileBytes = 32 * 1024 * 1024;
// How many line numbers a warning lists before it summarises.
constexpr int kListedLines = 10;

const QByteArray kCrLf("\r\n");

QString lineNumbers(const QList<qsizetype>& lines)
{
    QStringList shown;
    for (qsizetype i = 0; i < lines.size() && i < kListedLines; ++i)
        shown.append(QString::number(lines[i] + 1));
    QString text = shown.join(QStringLiteral("、")) + QStringLiteral("行目");
    if (lines.size() > kListedLines)
        text += QStringLiteral("ほか%1行").arg(lines.size() - kListedLines);
    return text;
}

// The path less its extension: ".moj" and ".mojx" as the tool names them, else whatever follows
// the last "." of the file name.
QString stemOf(const QString& path)
{
    if (path.endsWith(QStringLiteral(".moj")))
        return path.chopped(4);
    if (path.endsWith(QStringLiteral(".mojx")))
        return path.chopped(5);
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? path.chopped(name.size() - dot) : path;
}

} // namespace

const QString kSampleLine = QStringLiteral(
    "サンプル,,むこうの,筆丸,ふでまる,さん,ありがとう,御,ご,ざいます,,試,ため,しに,ファイルの,保存,"
    "ほぞん,をお試しください,,,,,,,,,,,,,,,,,,,,,,,,,@ＤＦＧ教科書体W4,採用,さいよう,いただき,,,,"
    "印字,いんじ,もしくは,,,,,,,,,,,,,,,,,,,,,");

bool isProblemFilePath(const QString& path)
{
    return path.endsWith(QStringLiteral("moj")) || path.endsWith(QStringLiteral("mojx"));
}

ProblemRead readProblemFile(const QString& path)
{
    ProblemRead result;
    if (!isProblemFilePath(path) && !QFileInfo(path).isDir()) {
        result.error =
            QStringLiteral("「%1」は問題ファイル（.mojx または .moj）ではありません。").arg(path);
        return result;
    }
    const FileContent file = readFileContent(path, kMaxProblemFileBytes);
    if (!file.ok()) {
        result.error = file.error;
        return result;
    }
    return problemFromContent(file.bytes);
}

ProblemRead problemFromContent(const QByteArray& content)
{
    ProblemRead result;
    TextLines text = decodeTextLines(content, kMaxProblemLines);

    // Empty lines after the last page read are no pages, also when the file goes on past what is
    // read: a save would otherwise write them and the next open drop them. A damaged line that
    // decodes to nothing still has bytes, and they are kept.
    qsizetype end = text.lines.size();
    while (end > 0 && text.lines[end - 1].text.isEmpty() &&
           text.lines[end - 1].cp932Bytes.isEmpty())
        --end;
    text.lines.resize(end);

    QList<qsizetype> withoutComma;
    for (qsizetype i = 0; i < text.lines.size(); ++i)
        if (!text.lines[i].text.contains(QLatin1Char(',')))
            withoutComma.append(i);

    if (text.linesInFile > kMaxProblemLines)
        result.warnings.append(
            QStringLiteral("このファイルには%1行ありますが、読み込めるのは201頁までです。"
                           "202行目からは読み込んでいません。上書き保存すると、それらの行は"
                           "バックアップファイルにだけ残ります。")
                .arg(text.linesInFile));
    if (!withoutComma.isEmpty())
        result.warnings.append(
            QStringLiteral("%1には区切りの「,」がないため、見出しだけの頁として読み込みました。")
                .arg(lineNumbers(withoutComma)));
    if (!text.damagedLines.isEmpty())
        result.warnings.append(
            QStringLiteral("%1に読み取れない文字があります。その頁を書き換えない限り、"
                           "保存しても元のまま残ります。")
                .arg(lineNumbers(text.damagedLines)));
    result.lines = std::move(text.lines);
    return result;
}

QString defaultProblemFileName(const QDir& dir, const QDateTime& now)
{
    const QString name = QStringLiteral("%1_%2_%3%4.mojx")
                             .arg(now.date().month())
                             .arg(now.date().day())
                             .arg(now.time().hour())
                             .arg(now.time().minute());
    return dir.filePath(name);
}

QString normalisedSaveName(const QString& name)
{
    return stemOf(name) + QStringLiteral(".mojx");
}

QString backupPathFor(const QString& path)
{
    return stemOf(path) + QStringLiteral("BK.mojx");
}

ProblemEncoding encodeProblemLines(const QList<TextLine>& lines)
{
    ProblemEncoding result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        if (!line.cp932Bytes.isEmpty() || line.text.isEmpty()) {
            result.bytes += line.cp932Bytes + kCrLf;
            continue;
        }
        const Cp932Encoding encoded = encodeCp932(line.text);
        if (!encoded.ok()) {
            const QString character = characterAt(line.text, encoded.badIndex);
            result.error =
                QStringLiteral("%1頁の「%2」（U+%3）は問題ファイルに保存できない文字です。"
                               "別の文字に置き換えてから保存してください。")
                    .arg(i + 1)
                    .arg(character, QString::number(character.toUcs4().value(0), 16)
                                        .toUpper()
                                        .rightJustified(4, QLatin1Char('0')));
            result.bytes.clear();
            return result;
        }
        result.bytes += encoded.bytes + kCrLf;
    }
    return result;
}

ProblemSave saveProblemFile(const QString& path, const QList<TextLine>& lines)
{
    ProblemSave result;
    const ProblemEncoding encoded = encodeProblemLines(lines);
    if (!encoded.ok()) {
        result.error = encoded.error;
        return result;
    }
    if (QFileInfo(path).isFile()) {
        QFile previous(path);
        QString backupError;
        const QByteArray content =
            previous.open(QIODevice::ReadOnly) ? previous.readAll() : QByteArray();
        if (previous.error() != QFileDevice::NoError)
            backupError = previous.errorString();
        else // the backup is as private as the file it keeps
            backupError = writeFileAtomically(backupPathFor(path), content, previous.permissions());
        result.backupWritten = backupError.isEmpty();
        if (!result.backupWritten)
            result.warning = QStringLiteral("バックアップファイル「%1」を作れませんでした（%2）。")
                                 .arg(displayName(backupPathFor(path)), backupError);
    }
    result.error = writeFileAtomically(path, encoded.bytes);
    return result;
}

} // namespace kakitori
