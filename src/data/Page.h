#pragma once

#include <QString>

#include <array>

namespace kakitori {

// The seven fields of a practice sentence, in the order the cursor walks them. The sentence
// reads lead, first word, middle, second word, tail; each reading belongs to its word.
enum class RowField { Lead, FirstWord, FirstReading, Middle, SecondWord, SecondReading, Tail };

constexpr int kRowFieldCount = 7;
constexpr int kRowsPerPage = 10;

struct Row {
    std::array<QString, kRowFieldCount> fields;

    QString& operator[](RowField f) { return fields[static_cast<int>(f)]; }
    const QString& operator[](RowField f) const { return fields[static_cast<int>(f)]; }

    // Readings do not count: a row with only readings is empty.
    bool isEmpty() const;
    // Second word, second reading or tail text present.
    bool hasSecondPart() const;

    bool operator==(const Row&) const = default;
};

// The font a page prints with when nothing else was chosen.
inline const QString kDefaultFontName = QStringLiteral("ＭＳ Ｐ明朝");
// The font field is never written empty: an empty name becomes the default font.
QString fontForWriting(const QString& font);

struct Page {
    QString heading;
    std::array<Row, kRowsPerPage> rows; // rows[0] is row 1
    QString font;

    bool operator==(const Page&) const = default;
};

} // namespace kakitori
