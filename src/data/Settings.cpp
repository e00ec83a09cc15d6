#include "data/Settings.h"

#include "data/Cp932.h"
#include "data/Page.h"
#include "data/TextFile.h"

#include <QFile>
#include <QStringList>

#include <charconv>
#include <cmath>

namespace kakitori {

namespace {

constexpr int kValueCount = 5;
// The file holds five short lines; anything beyond this is not a settings file.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;

QString valueOfLine(const QString& line)
{
    QStringView value = QStringView(line).left(line.indexOf(QLatin1Char(',')));
    while (!value.isEmpty() && (value.front() == u' ' || value.front() == u'\t'))
        value = value.sliced(1);
    while (!value.isEmpty() && (value.back() == u' ' || value.back() == u'\t'))
        value.chop(1);
    return value.toString();
}

float offsetOf(const QString& value)
{
    bool ok = false;
    const float number = value.toFloat(&ok);
    return ok && std::isfinite(number) ? number : 0.0f;
}

// Shortest text that reads back as the same single-precision value, with a leading blank before
// a value that is not negative, as the file has always had it.
QByteArray formatOffset(float value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    QByteArray text(buffer, written.ptr - buffer);
    return std::signbit(value) ? text : ' ' + text;
}

} // namespace

Settings defaultSettings()
{
    Settings s;
    s.fontName = kDefaultFontName;
    s.publisher = kNoPublisher;
    return s;
}

Settings parseSettings(const QByteArray& content)
{
    const TextLines text = decodeTextLines(content, kValueCount);
    Settings s = defaultSettings();
    const auto value = [&](int i) { return valueOfLine(text.lines[i].text); };
    const qsizetype count = text.lines.size();
    if (count > 0)
        s.fontName = value(0);
    if (count > 1)
        s.kanaOffset1 = offsetOf(value(1));
    if (count > 2)
        s.kanaOffset2 = offsetOf(value(2));
    if (count > 3)
        s.publisher = value(3);
    if (count > 4)
        s.password = value(4);
    if (s.fontName.isEmpty())
        s.fontName = kDefaultFontName;
    if (s.publisher.isEmpty())
        s.publisher = kNoPublisher;
    return s;
}

Settings readSettings(const QString& path)
{
    QFile file(path);
    if (!unreadableFileReason(path).isEmpty() || !file.open(QIODevice::ReadOnly))
        return defaultSettings();
    return parseSettings(file.read(kMaxSettingsBytes));
}

SettingsEncoding formatSettings(const Settings& settings, SettingsForm form)
{
    QStringList values = {
        settings.fontName, QString::fromLatin1(formatOffset(settings.kanaOffset1)),
        QString::fromLatin1(formatOffset(settings.kanaOffset2)), settings.publisher};
    if (form == SettingsForm::WithPassword)
        values.append(settings.password);
    SettingsEncoding result;
    for (const QString& value : values) {
        const Cp932Encoding encoded = encodeCp932(value);
        if (!encoded.ok()) {
            result.error =
                QStringLiteral("設定の「%1」には設定ファイルに書けない文字「%2」があります。")
                    .arg(value, characterAt(value, encoded.badIndex));
            result.bytes.clear();
            return result;
        }
        result.bytes += encoded.bytes + QByteArrayLiteral("\r\n");
    }
    return result;
}

QString writeSettings(const QString& path, const Settings& settings, SettingsForm form)
{
    const SettingsEncoding encoded = formatSettings(settings, form);
    return encoded.ok() ? writeFileAtomically(path, encoded.bytes) : encoded.error;
}

} // namespace kakitori
