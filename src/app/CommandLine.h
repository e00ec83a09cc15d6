#pragma once

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace kakitori {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Runs a subcommand (the arguments without the program name) and returns its exit code, or
// nothing when the arguments name no subcommand and the desktop application should start.
std::optional<int> runSubcommand(const QStringList& args, QTextStream& out, QTextStream& err);

// True when name is one of the subcommands.
bool isSubcommand(const QString& name);

// The usage text printed with a usage error.
QString usageText();

// Writes the problem and the usage text; returns the usage error's exit code.
int usageError(QTextStream& err, const QString& problem);

} // namespace kakitori
