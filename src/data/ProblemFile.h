#pragma once

#include "data/TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QList>
#include <QStringList>

namespace kakitori {

// Problem files: one page line per page, code page 932, CR LF. ".mojx" is the current format,
// ".moj" the older one (lines without second parts), read alike and always saved as ".mojx".

constexpr int kMaxProblemLines = 201;

// The built-in sample page, written alone when the sample display is on.
extern const QString kSampleLine;

struct ProblemRead {
    QList<TextLine> lines;
    QStringList warnings; // read, but the user should know (lines left out, damaged bytes)
    QString error;        // nothing was read
    bool ok() const { return error.isEmpty(); }
};

// True for a path ending in "moj" or "mojx" (case as written).
bool isProblemFilePath(const QString& path);

// Reads at most 201 page lines. Lines without "," are kept as pages of their own (heading only)
// and named in a warning, so no page before or after them is lost; empty lines at the end of the
// file are not pages.
ProblemRead readProblemFile(const QString& path);

// The pages of a problem file's content, read as readProblemFile() reads a file.
ProblemRead problemFromContent(const QByteArray& content);

// The name offered for a new problem: month_day_hourminute.mojx in dir, numbers without
// leading zeros (9 December 14:05 gives 12_9_145.mojx).
QString defaultProblemFileName(const QDir& dir, const QDateTime& now);

// The name the save dialog offers: the chosen name with its extension replaced by ".mojx".
QString normalisedSaveName(const QString& name);

// The backup of path: its name less the extension, followed by "BK.mojx".
QString backupPathFor(const QString& path);

struct ProblemEncoding {
    QByteArray bytes;
    QString error; // names the page and the character code page 932 cannot hold
    bool ok() const { return error.isEmpty(); }
};

// The file content for lines: unchanged lines as their stored bytes, each line ended by CR LF.
ProblemEncoding encodeProblemLines(const QList<TextLine>& lines);

struct ProblemSave {
    QString error;   // nothing was changed on disk
    QString warning; // the file was saved, but (for example) its backup could not be written
    bool backupWritten = false;
    bool ok() const { return error.isEmpty(); }
};

// Writes lines to path. When path exists, its previous content is first copied byte for byte to
// the backup file. Nothing is written when a line cannot be encoded; a failed write leaves the
// old file as it was.
ProblemSave saveProblemFile(const QString& path, const QList<TextLine>& lines);

} // namespace kakitori
