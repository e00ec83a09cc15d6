#pragma once

#include "print/PrintJob.h"

namespace kakitori {

// The printer as the editor sees it: the print setup dialog, the printer choice of "設定変更",
// and drawing a job on the printer's one print surface.
class PrintService {
public:
    virtual ~PrintService() = default;
    // The print setup dialog before a print; false when it was cancelled or failed.
    virtual bool confirmPrint() = 0;
    // Shows the printer choice once; cancelling it changes nothing.
    virtual void choosePrinter() = 0;
    virtual void print(const PrintJob& job) = 0;
};

} // namespace kakitori
