#pragma once

#include "kanji/GradeTables.h"

namespace kakitori {

// A wildcard pattern: "?" any one character, "*" any run, "#" any digit, "[…]" any one of the
// listed characters (ranges "a-z" and a leading "!" for none of them); every other character
// matches only itself. A malformed pattern matches nothing.
bool matchesPattern(const QString& text, const QString& pattern);

enum class ReadingKind { On, Kun };

struct ReadingMatch {
    QString kanji;
    QString tooltip; // the other reading
    int grade = 0;
};

// The kanji of the kana-order table whose reading's first three characters match the search text
// followed by "*", in table order; header rows never match.
QList<ReadingMatch> searchReadings(const GradeTables& tables, ReadingKind kind,
                                   const QString& text);

} // namespace kakitori
