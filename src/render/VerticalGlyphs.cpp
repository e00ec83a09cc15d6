#include "render/VerticalGlyphs.h"

#include <hb.h>

namespace kakitori {

namespace {

hb_blob_t* referenceTable(hb_face_t*, hb_tag_t tag, void* userData)
{
    const QRawFont* font = static_cast<const QRawFont*>(userData);
    const char name[4] = {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag)};
    auto* table = new QByteArray(font->fontTable(name));
    if (table->isEmpty()) {
        delete table;
        return nullptr;
    }
    return hb_blob_create(table->constData(), unsigned(table->size()), HB_MEMORY_MODE_READONLY,
                          table, [](void* data) { delete static_cast<QByteArray*>(data); });
}

} // namespace

VerticalGlyphs::VerticalGlyphs(const QRawFont& font) : m_font(font)
{
    hb_face_t* face = hb_face_create_for_tables(referenceTable, &m_font, nullptr);
    m_hbFont = hb_font_create(face);
    hb_face_destroy(face);
}

VerticalGlyphs::~VerticalGlyphs()
{
    hb_font_destroy(m_hbFont);
}

quint32 VerticalGlyphs::glyphFor(char32_t c)
{
    if (const auto it = m_cache.constFind(c); it != m_cache.constEnd())
        return *it;
    hb_buffer_t* buffer = hb_buffer_create();
    const uint32_t text[] = {uint32_t(c)};
    hb_buffer_add_utf32(buffer, text, 1, 0, 1);
    // Left to right with "vert" asked for: the substitution is the same as in vertical shaping,
    // and HarfBuzz needs no vertical metrics, which it would take from the glyph outlines (a
    // copy of the whole outline table of a CJK face).
    hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
    hb_buffer_set_language(buffer, hb_language_from_string("ja", -1));
    hb_buffer_guess_segment_properties(buffer);
    const hb_feature_t vert = {HB_TAG('v', 'e', 'r', 't'), 1, HB_FEATURE_GLOBAL_START,
                               HB_FEATURE_GLOBAL_END};
    hb_shape(m_hbFont, buffer, &vert, 1);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const quint32 glyph = count == 1 ? info[0].codepoint : 0;
    hb_buffer_destroy(buffer);
    m_cache.insert(c, glyph);
    return glyph;
}

} // namespace kakitori
