#pragma once

#include <QString>

namespace kakitori {

// Narrow to full-width: ASCII becomes its full-width form, a blank the ideographic space, and
// half-width katakana (with their sound marks) full-width katakana.
QString toFullWidth(const QString& text);

// Katakana to hiragana; other characters unchanged.
QString toHiragana(const QString& text);

// True for non-empty text made only of hiragana, katakana (full- or half-width) and the long
// vowel mark: what an input method shows before a conversion.
bool isKanaText(const QString& text);

} // namespace kakitori
