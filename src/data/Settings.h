#pragma once

#include <QByteArray>
#include <QString>

namespace kakitori {

// "FM3.ini": five values, one a line, code page 932, CR LF.
//   1 stored font name, 2 kana offset 1, 3 kana offset 2 (twips), 4 publisher, 5 password.

inline const QString kSettingsFileName = QStringLiteral("FM3.ini");
inline const QString kNoPublisher = QStringLiteral("教科書指定なし");

struct Settings {
    QString fontName;
    float kanaOffset1 = 0;
    float kanaOffset2 = 0;
    QString publisher;
    QString password; // plain text; empty means none

    bool operator==(const Settings&) const = default;
};

// The settings of a first start: default font and no publisher.
Settings defaultSettings();

// Each value is its line up to the first "," without surrounding blanks. A file that ends early
// leaves the values not reached at their defaults; the password is taken only from a file with
// all five values. An empty font or publisher becomes its default; a number that does not read
// as one is 0.
Settings parseSettings(const QByteArray& content);

// A missing or unreadable file gives the defaults.
Settings readSettings(const QString& path);

enum class SettingsForm {
    WithPassword,    // five lines: written when the main window closes or a password is set
    WithoutPassword, // four lines: written by the font commands
};

struct SettingsEncoding {
    QByteArray bytes;
    QString error; // a value holds a character code page 932 cannot hold; nothing to write
    bool ok() const { return error.isEmpty(); }
};

SettingsEncoding formatSettings(const Settings& settings, SettingsForm form);

// Returns an error message, or an empty string when written; a value that cannot be encoded
// writes nothing, so the previous file stays whole.
QString writeSettings(const QString& path, const Settings& settings, SettingsForm form);

} // namespace kakitori
