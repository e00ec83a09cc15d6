#pragma once

#include <QHash>
#include <QRawFont>

struct hb_font_t;

namespace kakitori {

// The vertical-writing alternates of a face ("vert"): small kana moved to the corner, brackets,
// the long vowel mark as a vertical stroke. Looked up once per character with HarfBuzz on the
// face's own tables.
class VerticalGlyphs {
public:
    explicit VerticalGlyphs(const QRawFont& font);
    ~VerticalGlyphs();
    VerticalGlyphs(const VerticalGlyphs&) = delete;
    VerticalGlyphs& operator=(const VerticalGlyphs&) = delete;

    // The glyph index for the character in vertical writing; 0 when the face lacks it.
    quint32 glyphFor(char32_t c);

private:
    QRawFont m_font;
    hb_font_t* m_hbFont = nullptr;
    QHash<char32_t, quint32> m_cache;
};

} // namespace kakitori
