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

// The exit code when the desktop application must not start with these arguments (the program
// name left out), after saying why on err: more than one argument or an unknown word (usage
// error), or no display to open the window on.
std::optional<int> desktopStartRefusal(const QStringList& args, bool hasDisplay, QTextStream& err);

// True when name is one of the subcommands.
bool isSubcommand(const QString& name);

// The usage text printed with a usage error.
QString usageText();

// Writes the problem and the usage text; returns the usage error's exit code.
int usageError(QTextStream& err, const QString& problem);

} // namespace kakitori
