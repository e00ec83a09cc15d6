#pragma once

#include <QString>
#include <QStringList>

namespace kakitori {

// JSON text for the command line and the trace; keys keep the order they are written in.
QString jsonNumber(double value);
QString jsonString(const QString& text);
QString jsonStringArray(const QStringList& items);

} // namespace kakitori
