#pragma once

#include "kanji/GradeTables.h"

#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace kakitori {

// A wildcard pattern: "?" any one character, "*" any run, "#" any digit, "[…]" any one of the
// listed characters (ranges "a-z" and a leading "!" for none of them); every other character
// matches only itself. Matching takes time proportional to the text times the pattern at most,
// whatever the pattern: runs of "*" never backtrack into each other.
class WildcardPattern {
public:
    explicit WildcardPattern(const QString& pattern);

    // Why the pattern cannot be used (a "[" never closed), or nothing when it can.
    const std::optional<QString>& error() const { return m_error; }
    // A malformed pattern matches nothing.
    bool matches(QStringView text) const;

private:
    struct Star {};
    struct AnyOne {};
    struct Digit {};
    struct Literal {
        QChar c;
    };
    struct Bracket {
        QString list; // characters and "a-z" ranges, without the leading "!"
        bool negate = false;
    };
    using Token = std::variant<Star, AnyOne, Digit, Literal, Bracket>;

    static bool matchesOne(const Token& token, QChar c);

    std::vector<Token> m_tokens;
    std::optional<QString> m_error;
};

bool matchesPattern(const QString& text, const QString& pattern);

enum class ReadingKind { On, Kun };

struct ReadingMatch {
    QString kanji;
    QString tooltip; // the other reading
    int grade = 0;
};

struct ReadingSearch {
    QList<ReadingMatch> matches;
    std::optional<QString> error; // the search text is not a usable pattern
};

// The kanji of the kana-order table whose reading's first three characters match the search text
// followed by "*", in table order; header rows never match.
ReadingSearch searchReadings(const GradeTables& tables, ReadingKind kind, const QString& text);

} // namespace kakitori
