#include "ui/Pictures.h"

#include "ui/ScreenGeometry.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace kakitori {

namespace {

struct Glyph {
    ToolPicture picture;
    const char16_t* text;
    QRgb colour;
};

constexpr Glyph kGlyphs[] = {
    {ToolPicture::Open, u"開", 0x2E6FD0},        {ToolPicture::New, u"新", 0x2E9E5A},
    {ToolPicture::AddPage, u"頁", 0x5A8E2E},     {ToolPicture::Save, u"保", 0x1F4FA0},
    {ToolPicture::Writing, u"書", 0xB03030},     {ToolPicture::Practice, u"練", 0xC06020},
    {ToolPicture::Reading, u"読", 0x8040A0},     {ToolPicture::ReadingTwoSheet, u"読2", 0x8040A0},
    {ToolPicture::ThreeSheets, u"３", 0xA02060}, {ToolPicture::Sentence, u"文", 0x207080},
    {ToolPicture::KanjiSingle, u"単", 0x606020}, {ToolPicture::KanjiWide, u"表", 0x606020},
    {ToolPicture::Manuscript, u"原", 0x705030},  {ToolPicture::Font, u"Ａ", 0x404040},
    {ToolPicture::DeleteRows, u"削", 0xA03030},  {ToolPicture::MemoryEmpty, u"空", 0x808080},
    {ToolPicture::Help, u"？", 0x3070B0},        {ToolPicture::Exit, u"終", 0x503030},
    {ToolPicture::ListTable, u"一", 0x307050},   {ToolPicture::PracticeBook, u"帳", 0x307050},
    {ToolPicture::Publisher, u"社", 0x605080},   {ToolPicture::PourIn, u"流", 0x2080A0},
};

QPixmap glyphPixmap(const QString& text, QColor colour, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(140));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), 4, 4);
    QFont font = screenFont(QStringLiteral("ＭＳ Ｐゴシック"), 1, true);
    font.setPixelSize(text.size() > 1 ? size * 9 / 20 : size * 2 / 3);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(pixmap.rect(), Qt::AlignCenter, text);
    return pixmap;
}

} // namespace

QIcon toolIcon(ToolPicture picture)
{
    // Drawn once: the window asks for them on every change of its state.
    static QHash<int, QIcon> icons;
    const int key = static_cast<int>(picture);
    if (const auto it = icons.constFind(key); it != icons.constEnd())
        return *it;
    QIcon icon;
    for (const Glyph& g : kGlyphs)
        if (g.picture == picture)
            for (int size : {24, 48})
                icon.addPixmap(
                    glyphPixmap(QString::fromUtf16(g.text), QColor::fromRgb(g.colour), size));
    icons.insert(key, icon);
    return icon;
}

QPixmap padPixmap(PadPicture picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x204020), 1));
    p.setBrush(QColor(0xE8F0E0));
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), 5, 5);
    if (picture == PadPicture::Centre) {
        p.setBrush(QColor(0x60A060));
        p.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 5.0, size / 5.0);
        return pixmap;
    }
    const double c = size / 2.0, r = size * 0.32;
    QPolygonF up({QPointF(c, c - r), QPointF(c + r, c + r * 0.6), QPointF(c - r, c + r * 0.6)});
    const int turns = picture == PadPicture::Up      ? 0
                      : picture == PadPicture::Right ? 90
                      : picture == PadPicture::Down  ? 180
                                                     : 270;
    p.translate(c, c);
    p.rotate(turns);
    p.translate(-c, -c);
    p.setBrush(QColor(0x208020));
    p.drawPolygon(up);
    return pixmap;
}

QPixmap hintArrowPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QPainterPath arrow;
    arrow.moveTo(s * 0.5, s * 0.05);
    arrow.lineTo(s * 0.9, s * 0.5);
    arrow.lineTo(s * 0.65, s * 0.5);
    arrow.lineTo(s * 0.65, s * 0.95);
    arrow.lineTo(s * 0.35, s * 0.95);
    arrow.lineTo(s * 0.35, s * 0.5);
    arrow.lineTo(s * 0.1, s * 0.5);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0x800000), 1.5));
    p.setBrush(QColor(0xFF4040));
    p.drawPath(arrow);
    return pixmap;
}

} // namespace kakitori
