#pragma once

#include <QString>

namespace kakitori {

// The settings of this program that the old settings file has no line for, kept in a file of
// their own ("kakitori.ini", key=value lines, beside FM3.ini), so FM3.ini keeps its five lines.
struct OwnSettings {
    bool printPreview = false; // "印刷プレビュー"
};

// Missing, unreadable or damaged files give the defaults; unknown keys are ignored.
OwnSettings readOwnSettings(const QString& path);
// An error message, or empty; a failure leaves the old file as it was.
QString writeOwnSettings(const QString& path, const OwnSettings& settings);

// The file beside the settings file at settingsPath.
QString ownSettingsPathBeside(const QString& settingsPath);

} // namespace kakitori
