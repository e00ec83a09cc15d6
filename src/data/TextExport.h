#pragma once

#include <QString>
#include <QStringList>

namespace kakitori {

// The arrangement board's text moves to and from plain text or CSV files in code page 932.

// Appends text and CR LF to path (created if missing), every line break of text as CR LF.
// Returns an error message, or empty.
QString appendTextExport(const QString& path, const QString& text);

struct TextImport {
    QStringList lines;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The lines of a text or CSV file.
TextImport readTextImport(const QString& path);

} // namespace kakitori
