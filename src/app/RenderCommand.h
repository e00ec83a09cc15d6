#pragma once

#include <QStringList>
#include <QTextStream>

namespace kakitori {

// kakitori render FILE --sheet KIND [--page N | --all] [--font NAME] [--size PT] [--no-frames]
//                 [--two-sheet] [--narrow] [--answers] [--pdf OUT] [--trace OUT]
// Prints like the print command of the window; OUT "-" writes the trace to standard output.
int renderCommand(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace kakitori
