#include "app/CommandLine.h"

#include "app/ConvertCommand.h"
#include "app/KanjiCommands.h"
#include "app/RenderCommand.h"
#include "data/JsonText.h"
#include "data/PageLine.h"
#include "data/ProblemFile.h"

#include <QFileInfo>

#include <functional>
#include <map>

namespace kakitori {

namespace {

struct Streams {
    QTextStream& out;
    QTextStream& err;
};

// Reads the file or says why it cannot; warnings go to standard error and the command goes on.
std::optional<ProblemRead> readForCommand(Streams io, const QString& path)
{
    ProblemRead read = readProblemFile(path);
    if (!read.ok()) {
        io.err << read.error << '\n';
        return std::nullopt;
    }
    for (const QString& warning : read.warnings)
        io.err << warning << '\n';
    return read;
}

int pagesCommand(Streams io, const QStringList& args)
{
    if (args.size() != 1)
        return usageError(io.err, QStringLiteral("pages には FILE をひとつ指定してください。"));
    const auto read = readForCommand(io, args[0]);
    if (!read)
        return kExitFailure;
    for (qsizetype i = 0; i < read->lines.size(); ++i) {
        const QString& line = read->lines[i].text;
        io.out << i << '\t' << headingOfLine(line) << '\t' << splitPageLine(line).size() << '\n';
    }
    return 0;
}

QString pageJson(const Page& page)
{
    QStringList rows;
    for (const Row& row : page.rows)
        rows.append(jsonStringArray(QStringList(row.fields.begin(), row.fields.end())));
    return QStringLiteral("{\"heading\":%1,\"font\":%2,\"rows\":[%3]}")
        .arg(jsonString(page.heading), jsonString(page.font), rows.join(QLatin1Char(',')));
}

int pageCommand(Streams io, const QStringList& args)
{
    if (args.size() != 2)
        return usageError(io.err, QStringLiteral("page には FILE と INDEX を指定してください。"));
    bool isNumber = false;
    const int index = args[1].toInt(&isNumber);
    if (!isNumber)
        return usageError(io.err,
                          QStringLiteral("INDEX は 0 から始まる頁の番号です: %1").arg(args[1]));
    const auto read = readForCommand(io, args[0]);
    if (!read)
        return kExitFailure;
    const qsizetype count = read->lines.size();
    if (index < 0 || index >= count) {
        io.err << QStringLiteral(
                      "INDEX %1 の頁はありません（このファイルは%2頁、INDEX は 0 から%3）。")
                      .arg(index)
                      .arg(count)
                      .arg(count - 1)
               << '\n';
        return kExitFailure;
    }
    io.out << pageJson(pageFromLine(read->lines[index].text)) << '\n';
    return 0;
}

using Command = std::function<int(Streams, const QStringList&)>;

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("pages"), pagesCommand},
        {QStringLiteral("page"), pageCommand},
        {QStringLiteral("kanji"),
         [](Streams io, const QStringList& args) { return kanjiCommand(args, io.out, io.err); }},
        {QStringLiteral("search"),
         [](Streams io, const QStringList& args) { return searchCommand(args, io.out, io.err); }},
        {QStringLiteral("render"),
         [](Streams io, const QStringList& args) { return renderCommand(args, io.out, io.err); }},
        {QStringLiteral("convert"),
         [](Streams io, const QStringList& args) { return convertCommand(args, io.out, io.err); }},
    };
    return table;
}

} // namespace

int usageError(QTextStream& err, const QString& problem)
{
    err << problem << '\n' << usageText();
    return kExitUsage;
}

std::optional<int> desktopStartRefusal(const QStringList& args, bool hasDisplay, QTextStream& err)
{
    if (args.size() > 1)
        return usageError(err, QStringLiteral("画面は FILE をひとつだけ開けます。"));
    // A word that is neither a subcommand nor a file is most likely a mistyped subcommand.
    if (args.size() == 1 && !QFileInfo::exists(args[0]) &&
        (args[0].startsWith(QLatin1Char('-')) || !isProblemFilePath(args[0])))
        return usageError(err, QStringLiteral("分からないコマンドです: %1").arg(args[0]));
    if (!hasDisplay) {
        err << QStringLiteral("画面を開くにはデスクトップが必要です。画面なしで問題用紙を作るには "
                              "kakitori render FILE --sheet KIND --pdf OUT を使ってください。")
            << '\n';
        return kExitFailure;
    }
    return std::nullopt;
}

bool isSubcommand(const QString& name)
{
    return commands().contains(name);
}

QString usageText()
{
    return QStringLiteral(
        "使い方:\n"
        "  kakitori [FILE]              画面を開く（FILE を開いた状態で）\n"
        "  kakitori pages FILE          頁ごとに 番号 TAB 見出し TAB 項目数\n"
        "  kakitori page FILE INDEX     INDEX 番目（0 から）の頁を JSON で\n"
        "  kakitori render FILE --sheet KIND [--page N | --all] [--font NAME]\n"
        "                  [--size PT] [--no-frames] [--two-sheet] [--narrow] [--answers]\n"
        "                  [--pdf OUT] [--trace OUT]\n"
        "                               KIND: writing, practice, reading, sentence, three\n"
        "  kakitori kanji TABLE GRADE   その学年の配当表の行（TABLE: 光村図書20 など）\n"
        "  kakitori search on|kun TEXT  読みの始めで漢字を探す\n"
        "  kakitori convert IN OUT      問題ファイルを画面の保存と同じ形で OUT に保存する\n");
}

std::optional<int> runSubcommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty())
        return std::nullopt;
    const auto command = commands().find(args[0]);
    if (command == commands().end())
        return std::nullopt;
    int code = command->second(Streams{out, err}, args.mid(1));
    out.flush();
    // A full disk or a closed pipe behind standard output: what was asked for did not arrive.
    if (out.status() != QTextStream::Ok) {
        err << QStringLiteral("結果を標準出力に書けませんでした。") << '\n';
        code = kExitFailure;
    }
    err.flush();
    return code;
}

} // namespace kakitori
