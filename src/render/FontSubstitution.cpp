#include "render/FontSubstitution.h"

#include <QFontDatabase>
#include <QHash>

namespace kakitori {

namespace {

struct Substitute {
    const char16_t* windowsName;
    const char16_t* family;
};

constexpr Substitute kSubstitutes[] = {
    {u"ＭＳ Ｐ明朝", u"IPAPMincho"},     {u"MS PMincho", u"IPAPMincho"},
    {u"ＭＳ 明朝", u"IPAMincho"},        {u"MS Mincho", u"IPAMincho"},
    {u"ＭＳ Ｐゴシック", u"IPAPGothic"}, {u"MS PGothic", u"IPAPGothic"},
    {u"ＭＳ ゴシック", u"IPAGothic"},    {u"MS Gothic", u"IPAGothic"},
    {u"ＭＳ UI Gothic", u"IPAPGothic"},  {u"メイリオ", u"IPAexGothic"},
};

const QString kFallback = QStringLiteral("IPAexMincho");
const QString kTextbookFamily = QStringLiteral("Klee One");

bool installed(const QString& family)
{
    // The font database is slow to ask; the installed faces do not change while the tool runs.
    static QHash<QString, bool> known;
    const auto it = known.constFind(family);
    if (it != known.constEnd())
        return *it;
    return *known.insert(family, QFontDatabase::hasFamily(family));
}

QString installedOrFallback(const QString& family)
{
    return installed(family) ? family : kFallback;
}

} // namespace

QString substituteFamily(const QString& name)
{
    const QString base = baseFontName(name).trimmed();
    if (!base.isEmpty() && installed(base))
        return base;
    for (const Substitute& s : kSubstitutes)
        if (base == QStringView(s.windowsName))
            return installedOrFallback(QString::fromUtf16(s.family));
    if (base.contains(QStringLiteral("教科書")))
        return installedOrFallback(kTextbookFamily);
    return kFallback;
}

bool isStandIn(const QString& name)
{
    const QString family = substituteFamily(name);
    return family == kFallback && baseFontName(name).trimmed() != kFallback;
}

} // namespace kakitori
