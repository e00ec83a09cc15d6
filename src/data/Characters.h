#pragma once

#include <QStringList>

namespace kakitori {

// Text as characters: a surrogate pair is one character. Rows are counted, and sheets print,
// character by character.
QStringList characters(const QString& text);
int characterCount(const QString& text);

} // namespace kakitori
