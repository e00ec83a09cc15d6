#include "app/RenderCommand.h"

#include "app/CommandLine.h"
#include "app/OutputFiles.h"
#include "data/PageLine.h"
#include "data/ProblemFile.h"
#include "print/PrintJob.h"
#include "render/PaintTargets.h"
#include "render/TraceSurface.h"

#include <map>

namespace kakitori {

namespace {

struct RenderRequest {
    QString file;
    SheetKind kind = SheetKind::Writing;
    bool all = false;
    int page = 0;
    std::optional<QString> font;
    PrintOptions options;
    QString pdf;
    QString trace;
};

const std::map<QString, SheetKind> kKinds = {
    {QStringLiteral("writing"), SheetKind::Writing},
    {QStringLiteral("practice"), SheetKind::Practice},
    {QStringLiteral("reading"), SheetKind::Reading},
    {QStringLiteral("sentence"), SheetKind::Sentence},
    {QStringLiteral("three"), SheetKind::Three},
};

// Reads the arguments, or returns the reason they are not a render request.
std::variant<RenderRequest, QString> parse(const QStringList& args)
{
    RenderRequest r;
    bool haveSheet = false, havePage = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (a == QStringLiteral("--all")) {
            r.all = true;
        } else if (a == QStringLiteral("--no-frames")) {
            r.options.writingFrames = false;
        } else if (a == QStringLiteral("--two-sheet")) {
            r.options.twoSheetReading = true;
        } else if (a == QStringLiteral("--narrow")) {
            r.options.narrowReadingSpacing = true;
        } else if (a == QStringLiteral("--answers")) {
            r.options.answerKeys = true;
        } else if (a == QStringLiteral("--sheet") || a == QStringLiteral("--page") ||
                   a == QStringLiteral("--font") || a == QStringLiteral("--size") ||
                   a == QStringLiteral("--pdf") || a == QStringLiteral("--trace")) {
            const auto v = value();
            if (!v)
                return QStringLiteral("%1 には値が必要です。").arg(a);
            bool ok = true;
            if (a == QStringLiteral("--sheet")) {
                const auto kind = kKinds.find(*v);
                if (kind == kKinds.end())
                    return QStringLiteral("--sheet は writing, practice, reading, sentence, three "
                                          "のどれかです: %1")
                        .arg(*v);
                r.kind = kind->second;
                haveSheet = true;
            } else if (a == QStringLiteral("--page")) {
                r.page = v->toInt(&ok);
                havePage = true;
                if (!ok || r.page < 0)
                    return QStringLiteral("--page は 0 から始まる頁の番号です: %1").arg(*v);
            } else if (a == QStringLiteral("--font")) {
                r.font = *v;
            } else if (a == QStringLiteral("--size")) {
                r.options.printFontSize = v->toInt(&ok);
                if (!ok || r.options.printFontSize < 1 || r.options.printFontSize > 200)
                    return QStringLiteral("--size は 1 から 200 のポイント数です: %1").arg(*v);
            } else if (a == QStringLiteral("--pdf")) {
                r.pdf = *v;
            } else {
                r.trace = *v;
            }
        } else if (a.startsWith(QStringLiteral("--")) || !r.file.isEmpty()) {
            return QStringLiteral("分からない引数です: %1").arg(a);
        } else {
            r.file = a;
        }
    }
    if (r.file.isEmpty() || !haveSheet)
        return QStringLiteral("render には FILE と --sheet を指定してください。");
    if (r.all && havePage)
        return QStringLiteral("--page と --all は一緒に使えません。");
    if (r.pdf.isEmpty() && r.trace.isEmpty())
        return QStringLiteral("--pdf か --trace で出力先を指定してください。");
    return r;
}

// Reports a failed write in one line; true when the file was written.
bool writeOutput(const QString& path, const QByteArray& bytes, QTextStream& err)
{
    const QString error = writeFileAtomically(path, bytes);
    if (!error.isEmpty())
        err << error << '\n';
    return error.isEmpty();
}

bool writePdf(const RenderRequest& r, const PrintJob& job, QTextStream& err)
{
    PdfTarget target;
    {
        PainterSurface surface(target);
        runPrintJob(surface, job);
        for (const QString& font : surface.takeStandIns())
            err << QStringLiteral("フォント「%1」がないため、代わりのフォントで印刷しました。")
                       .arg(font)
                << '\n';
    }
    return writeOutput(r.pdf, target.bytes(), err);
}

bool writeTraceFile(const RenderRequest& r, const PrintJob& job, QTextStream& out, QTextStream& err)
{
    TraceSurface surface;
    runPrintJob(surface, job);
    if (r.trace == QStringLiteral("-")) {
        writeTrace(surface.ops(), out);
        return true;
    }
    QByteArray bytes;
    {
        QTextStream stream(&bytes);
        writeTrace(surface.ops(), stream);
    }
    return writeOutput(r.trace, bytes, err);
}

} // namespace

int renderCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const auto parsed = parse(args);
    if (const QString* problem = std::get_if<QString>(&parsed))
        return usageError(err, *problem);
    const RenderRequest& r = std::get<RenderRequest>(parsed);
    for (const QString& output : {r.pdf, r.trace})
        if (!output.isEmpty() && output != QStringLiteral("-"))
            if (const auto refusal = outputRefusal(output, {r.file}))
                return usageError(err, *refusal);
    const ProblemRead read = readProblemFile(r.file);
    if (!read.ok()) {
        err << read.error << '\n';
        return kExitFailure;
    }
    for (const QString& warning : read.warnings)
        err << warning << '\n';
    const qsizetype count = read.lines.size();
    if (count == 0 || (!r.all && r.page >= count)) {
        err << QStringLiteral("印刷する頁がありません（このファイルは%1頁）。").arg(count) << '\n';
        return kExitFailure;
    }
    QList<Page> pages;
    for (const TextLine& line : read.lines)
        pages.append(pageFromLine(line.text));

    PrintJob job;
    job.kind = r.kind;
    job.batch = r.all;
    job.pageCount = int(count);
    job.workingPage = r.page;
    job.statusFont = r.font.value_or(pages[r.all ? 0 : r.page].font);
    job.loadPage = [&](int p) { return sheetInputFor(pages[p], r.options); };

    bool ok = true;
    if (!r.pdf.isEmpty())
        ok = writePdf(r, job, err) && ok;
    if (!r.trace.isEmpty())
        ok = writeTraceFile(r, job, out, err) && ok;
    return ok ? 0 : kExitFailure;
}

} // namespace kakitori
