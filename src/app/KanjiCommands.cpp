#include "app/KanjiCommands.h"

#include "app/CommandLine.h"
#include "kanji/ReadingSearch.h"

namespace kakitori {

int kanjiCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 2)
        return usageError(err, QStringLiteral("kanji には TABLE と GRADE を指定してください。"));
    if (!textbookChoices().contains(args[0]))
        return usageError(err, QStringLiteral("TABLE は %1 のどれかです: %2")
                                   .arg(textbookChoices().join(QStringLiteral(", ")), args[0]));
    bool isNumber = false;
    const int grade = args[1].toInt(&isNumber);
    if (!isNumber || grade < 1 || grade > 6)
        return usageError(err, QStringLiteral("GRADE は 1 から 6 の学年です: %1").arg(args[1]));
    for (const QString& row : GradeTables::builtIn().gradeRows(args[0], QString::number(grade)))
        out << row << '\n';
    return 0;
}

int searchCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const bool known =
        args.size() == 2 && (args[0] == QStringLiteral("on") || args[0] == QStringLiteral("kun"));
    if (!known)
        return usageError(
            err, QStringLiteral("search には on か kun と、ひらがなの TEXT を指定してください。"));
    const ReadingKind kind = args[0] == QStringLiteral("on") ? ReadingKind::On : ReadingKind::Kun;
    const ReadingSearch search = searchReadings(GradeTables::builtIn(), kind, args[1]);
    if (search.error)
        return usageError(err, QStringLiteral("TEXT「%1」は検索に使えません。").arg(args[1]) +
                                   *search.error);
    for (const ReadingMatch& m : search.matches)
        out << m.kanji << '\t' << m.tooltip << '\t' << m.grade << '\n';
    return 0;
}

} // namespace kakitori
