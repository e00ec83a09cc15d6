#pragma once

#include "print/RecordingSurface.h"

#include <QTextStream>

namespace kakitori {

// The trace back end: records every drawing operation with the PDF back end's printable area and
// text metrics, so a trace and a PDF of the same job agree.
class TraceSurface : public RecordingSurface {
public:
    TraceSurface();
};

// The operations as JSON Lines: a page record before each page's first drawing operation, then
// text, line and box records, and enddoc; numbers as computed.
void writeTrace(const QList<RecordedOp>& ops, QTextStream& out);

} // namespace kakitori
