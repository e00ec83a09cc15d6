#include "data/OwnSettings.h"

#include "data/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace kakitori {

namespace {

constexpr qint64 kMaxBytes = 64 * 1024;
const QString kPreviewKey = QStringLiteral("printPreview");

} // namespace

OwnSettings readOwnSettings(const QString& path)
{
    OwnSettings settings;
    if (!QFileInfo::exists(path))
        return settings;
    const TextFileRead read = readTextFile(path, 1000, kMaxBytes);
    for (const TextLine& line : read.text.lines) {
        const QString key = line.text.section(u'=', 0, 0).trimmed();
        const QString value = line.text.section(u'=', 1).trimmed();
        if (key == kPreviewKey)
            settings.printPreview = value == QStringLiteral("1");
    }
    return settings;
}

QString writeOwnSettings(const QString& path, const OwnSettings& settings)
{
    const QString text =
        kPreviewKey + (settings.printPreview ? QStringLiteral("=1") : QStringLiteral("=0"));
    return writeFileAtomically(path, text.toLatin1() + "\r\n");
}

QString ownSettingsPathBeside(const QString& settingsPath)
{
    return QFileInfo(settingsPath).dir().filePath(QStringLiteral("kakitori.ini"));
}

} // namespace kakitori
