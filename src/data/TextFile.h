#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QList>
#include <QString>

#include <optional>

namespace kakitori {

// The files of the tool are code page 932 text with CR LF line ends. A file that is not valid
// code page 932 but is valid UTF-8 (as an editor on this platform may leave it) is read as UTF-8.

enum class TextEncoding { Cp932, Utf8 };

struct TextLine {
    QString text;
    // The line's bytes as stored, without the line end, when the file is code page 932; a save
    // writes them back unchanged as long as the text is unchanged, so characters that code page
    // 932 holds twice (NEC and IBM rows) and damaged bytes survive an open and save.
    QByteArray cp932Bytes;
};

struct TextLines {
    QList<TextLine> lines;     // at most the number asked for
    qsizetype linesInFile = 0; // every line of the file, also those not returned
    TextEncoding encoding = TextEncoding::Cp932;
    QList<qsizetype> damagedLines; // 0-based lines whose bytes are not valid code page 932
};

// Splits content into lines (LF or CR LF; a last line without a line end counts) and decodes at
// most maxLines of them.
TextLines decodeTextLines(const QByteArray& content, qsizetype maxLines);

struct FileContent {
    QByteArray bytes;
    QString error; // a message for the user when the file could not be read at all
    bool ok() const { return error.isEmpty(); }
};

// The bytes of a file of the tool. A missing file, a folder, a device or pipe, an unreadable,
// oversized or binary file gives an error message and no bytes.
FileContent readFileContent(const QString& path, qint64 maxBytes);

struct TextFileRead {
    TextLines text;
    QString error; // a message for the user when the file could not be read at all
    bool ok() const { return error.isEmpty(); }
};

// Reads a text file for the tool: its content decoded, as readFileContent() reads it.
TextFileRead readTextFile(const QString& path, qsizetype maxLines, qint64 maxBytes);

// Why path cannot be read as a file of the tool (missing, a folder, a device, a pipe), or an
// empty string when it is a regular file. Opening a pipe would wait for a writer forever.
QString unreadableFileReason(const QString& path);

// Writes all of bytes to an open file and flushes it, so that a full disk shows here and not
// after the file was reported written. Returns the reason of a failure, or an empty string.
QString writeAllAndFlush(QFileDevice& file, const QByteArray& bytes);

// Writes bytes through a temporary file and a rename, so a failure leaves the old file as it
// was. A folder, a device or a pipe at path is never replaced. The file gets permissions when
// given, else keeps those of the file it replaces. Returns an error message, or an empty string
// on success.
QString writeFileAtomically(const QString& path, const QByteArray& bytes,
                            std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// The file name part of a path, for messages.
QString displayName(const QString& path);

} // namespace kakitori
