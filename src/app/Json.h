#pragma once

#include <QString>
#include <QStringList>

namespace kakitori {

// JSON text for the command line's output; keys keep the order they are written in.
QString jsonString(const QString& text);
QString jsonStringArray(const QStringList& items);

} // namespace kakitori
