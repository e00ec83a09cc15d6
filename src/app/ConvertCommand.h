#pragma once

#include <QStringList>
#include <QTextStream>

namespace kakitori {

// kakitori convert IN OUT: reads any problem file the window opens and saves it as the window's
// save does (code page 932, CR LF, the backup of an existing OUT, the same checks and messages).
// OUT without an extension gets ".mojx". Prints the path written.
int convertCommand(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace kakitori
