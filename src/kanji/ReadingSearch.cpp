#include "kanji/ReadingSearch.h"

namespace kakitori {

WildcardPattern::WildcardPattern(const QString& pattern)
{
    for (qsizetype p = 0; p < pattern.size(); ++p) {
        const QChar c = pattern[p];
        if (c == u'*') {
            if (m_tokens.empty() || !std::holds_alternative<Star>(m_tokens.back()))
                m_tokens.emplace_back(Star{}); // "**" is "*"
        } else if (c == u'?') {
            m_tokens.emplace_back(AnyOne{});
        } else if (c == u'#') {
            m_tokens.emplace_back(Digit{});
        } else if (c == u'[') {
            const qsizetype close = pattern.indexOf(u']', p + 1);
            if (close < 0) {
                m_error = QStringLiteral("「[」を「]」で閉じてください。");
                m_tokens.clear();
                return;
            }
            QString list = pattern.sliced(p + 1, close - p - 1);
            const bool negate = list.startsWith(u'!');
            if (negate)
                list.remove(0, 1);
            m_tokens.emplace_back(Bracket{list, negate});
            p = close;
        } else {
            m_tokens.emplace_back(Literal{c});
        }
    }
}

bool WildcardPattern::matchesOne(const Token& token, QChar c)
{
    if (std::holds_alternative<AnyOne>(token))
        return true;
    if (std::holds_alternative<Digit>(token))
        return c.isDigit();
    if (const auto* literal = std::get_if<Literal>(&token))
        return literal->c == c;
    const Bracket& bracket = std::get<Bracket>(token);
    const QString& list = bracket.list;
    bool found = false;
    for (qsizetype i = 0; i < list.size() && !found; ++i) {
        if (i + 2 < list.size() && list[i + 1] == u'-') {
            found = c >= list[i] && c <= list[i + 2];
            i += 2;
        } else {
            found = c == list[i];
        }
    }
    return found != bracket.negate;
}

bool WildcardPattern::matches(QStringView text) const
{
    if (m_error)
        return false;
    // Greedy matching that remembers only the last "*": when a later part fails, that star takes
    // one more character. Earlier stars never need to, so nothing backtracks exponentially.
    const size_t count = m_tokens.size();
    size_t p = 0;
    qsizetype t = 0;
    std::optional<size_t> star;
    qsizetype starText = 0;
    while (t < text.size()) {
        if (p < count && std::holds_alternative<Star>(m_tokens[p])) {
            star = p++;
            starText = t;
        } else if (p < count && matchesOne(m_tokens[p], text[t])) {
            ++p;
            ++t;
        } else if (star) {
            p = *star + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < count && std::holds_alternative<Star>(m_tokens[p]))
        ++p;
    return p == count;
}

bool matchesPattern(const QString& text, const QString& pattern)
{
    return WildcardPattern(pattern).matches(text);
}

ReadingSearch searchReadings(const GradeTables& tables, ReadingKind kind, const QString& text)
{
    ReadingSearch result;
    const WildcardPattern pattern(text + u'*');
    result.error = pattern.error();
    if (result.error)
        return result;
    for (const QString& line : tables.kanaOrder()) {
        const auto row = parseKanjiRow(line);
        if (!row || row->isHeader())
            continue;
        const QString& reading = kind == ReadingKind::On ? row->on : row->kun;
        if (pattern.matches(QStringView(reading).left(3)))
            result.matches.append(
                {row->kanji, kind == ReadingKind::On ? row->kun : row->on, row->grade.toInt()});
    }
    return result;
}

} // namespace kakitori
