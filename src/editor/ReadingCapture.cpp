#include "editor/ReadingCapture.h"

#include "data/KanaText.h"

namespace kakitori {

void ReadingCapture::inputMethodEvent(const QString& preedit, const QString& commit)
{
    if (!commit.isEmpty()) {
        const bool converted = !m_kanaPreedit.isEmpty() && commit != m_kanaPreedit;
        m_reading = converted ? toHiragana(toFullWidth(m_kanaPreedit)) : QString();
        m_kanaPreedit.clear();
    }
    if (isKanaText(preedit))
        m_kanaPreedit = preedit;
}

void ReadingCapture::reset()
{
    m_kanaPreedit.clear();
    m_reading.clear();
}

} // namespace kakitori
