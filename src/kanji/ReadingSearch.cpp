#include "kanji/ReadingSearch.h"

namespace kakitori {

namespace {

// Matches text from t against pattern from p; sets *malformed for a bracket list never closed.
bool matchFrom(const QString& text, qsizetype t, const QString& pattern, qsizetype p,
               bool* malformed)
{
    while (p < pattern.size()) {
        const QChar c = pattern[p];
        if (c == u'*') {
            for (qsizetype rest = t; rest <= text.size(); ++rest)
                if (matchFrom(text, rest, pattern, p + 1, malformed))
                    return true;
            return false;
        }
        if (t >= text.size())
            return false;
        const QChar ch = text[t];
        if (c == u'?') {
            ++p;
        } else if (c == u'#') {
            if (!ch.isDigit())
                return false;
            ++p;
        } else if (c == u'[') {
            const qsizetype close = pattern.indexOf(u']', p + 1);
            if (close < 0) {
                *malformed = true;
                return false;
            }
            QStringView list = QStringView(pattern).sliced(p + 1, close - p - 1);
            const bool negate = list.startsWith(u'!');
            if (negate)
                list = list.sliced(1);
            bool found = false;
            for (qsizetype i = 0; i < list.size(); ++i) {
                if (i + 2 < list.size() && list[i + 1] == u'-') {
                    found = found || (ch >= list[i] && ch <= list[i + 2]);
                    i += 2;
                } else {
                    found = found || ch == list[i];
                }
            }
            if (found == negate)
                return false;
            p = close + 1;
        } else {
            if (ch != c)
                return false;
            ++p;
        }
        ++t;
    }
    return t == text.size();
}

} // namespace

bool matchesPattern(const QString& text, const QString& pattern)
{
    bool malformed = false;
    const bool matched = matchFrom(text, 0, pattern, 0, &malformed);
    return matched && !malformed;
}

QList<ReadingMatch> searchReadings(const GradeTables& tables, ReadingKind kind, const QString& text)
{
    QList<ReadingMatch> matches;
    const QString pattern = text + u'*';
    for (const QString& line : tables.kanaOrder()) {
        const auto row = parseKanjiRow(line);
        if (!row || row->isHeader())
            continue;
        const QString& reading = kind == ReadingKind::On ? row->on : row->kun;
        if (matchesPattern(reading.left(3), pattern))
            matches.append(
                {row->kanji, kind == ReadingKind::On ? row->kun : row->on, row->grade.toInt()});
    }
    return matches;
}

} // namespace kakitori
