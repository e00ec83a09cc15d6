#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (const auto code = kakitori::runSubcommand(args, out, err))
        return *code;
    // The desktop window comes with the editor; until then only the subcommands run.
    err << kakitori::usageText();
    err.flush();
    return kakitori::kExitUsage;
}
