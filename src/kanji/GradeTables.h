#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kakitori {

// One row of a grade allocation table: "grade,kanji,on,kun,number". Header rows of the
// kana-order table carry a kana in the kanji and reading fields and a number beginning "0".
struct KanjiRow {
    QString grade;
    QString kanji;
    QString on;
    QString kun;
    QString number;

    bool isHeader() const { return number.startsWith(u'0'); }
};

// A row split at ","; nothing for a row that does not have five fields.
std::optional<KanjiRow> parseKanjiRow(const QString& row);

// The choice texts of the tables, as the status bar's publisher panel shows them.
inline const QString kNoTextbook = QStringLiteral("教科書指定なし");
QStringList textbookChoices(); // 光村図書20, 学校図書20, 教育出版20, 東京書籍20, 教科書指定なし

// The five tables, compiled into the program: four publishers' orders of introduction and the
// kana order. Rows are kept exactly as stored.
class GradeTables {
public:
    // The tables built into the program.
    static const GradeTables& builtIn();

    // Reads the tables' text: "[choice]" lines, each followed by its rows.
    static GradeTables parse(const QString& text);

    // The rows of the table a choice text names; empty for any other text.
    const QStringList& rows(const QString& choice) const;
    const QStringList& kanaOrder() const { return rows(kNoTextbook); }

    // How far the browser walks a table: its row count, one beyond for 東京書籍20 (the missing
    // row is skipped as a row of no grade).
    int walkBound(const QString& choice) const;

    // The rows of a grade, as stored and in table order, header rows included.
    QStringList gradeRows(const QString& choice, const QString& grade) const;

private:
    QList<std::pair<QString, QStringList>> m_tables;
};

} // namespace kakitori
