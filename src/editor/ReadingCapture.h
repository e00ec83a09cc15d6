#pragma once

#include <QString>

namespace kakitori {

// The reading of the conversion last committed into the edit box. Input methods here (fcitx5,
// ibus) show the kana being typed as preedit text and commit the converted text; the reading is
// the last all-kana preedit before a commit that differs from it.
class ReadingCapture {
public:
    // One input method event: its preedit text and its commit string (either may be empty).
    void inputMethodEvent(const QString& preedit, const QString& commit);

    // Full-width hiragana; empty when the last commit was no conversion.
    const QString& reading() const { return m_reading; }

    // Forget everything, as when the edit box shows another cell.
    void reset();

private:
    QString m_kanaPreedit;
    QString m_reading;
};

} // namespace kakitori
