#include "app/ConvertCommand.h"

#include "app/CommandLine.h"
#include "app/OutputFiles.h"
#include "data/ProblemFile.h"

#include <QFileInfo>

namespace kakitori {

namespace {

// As the save dialog does with a name typed without an extension.
QString withProblemSuffix(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".mojx") : path;
}

} // namespace

int convertCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 2)
        return usageError(err, QStringLiteral("convert には IN と OUT を指定してください。"));
    const QString target = withProblemSuffix(args[1]);
    if (const auto refusal = outputRefusal(target, {args[0]}))
        return usageError(err, *refusal);
    const ProblemRead read = readProblemFile(args[0]);
    if (!read.ok()) {
        err << read.error << '\n';
        return kExitFailure;
    }
    for (const QString& warning : read.warnings)
        err << warning << '\n';
    const ProblemSave saved = saveProblemFile(target, read.lines);
    if (!saved.ok()) {
        err << saved.error << '\n';
        return kExitFailure;
    }
    if (!saved.warning.isEmpty())
        err << saved.warning << '\n';
    out << target << '\n';
    return 0;
}

} // namespace kakitori
