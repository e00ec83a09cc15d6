#pragma once

#include "app/CommandLine.h"

#include "TestFiles.h"

// A subcommand run in-process, with what it wrote to standard output and standard error.
struct CommandRun {
    std::optional<int> code;
    QString out;
    QString err;
};

inline CommandRun runCommand(const QStringList& args)
{
    CommandRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.code = kakitori::runSubcommand(args, out, err);
    return result;
}

inline const QString kSample = resourcePath(QStringLiteral("sample.mojx"));
