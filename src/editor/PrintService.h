#pragma once

#include "print/PrintJob.h"

namespace kakitori {

// The printer as the editor sees it: the print setup dialog, the printer choice of "設定変更",
// and drawing a job on the printer's one print surface.
class PrintService {
public:
    virtual ~PrintService() = default;
    // The print setup dialog before a print; false when it was cancelled or failed. A PDF chosen
    // there ("ファイルに出力") is offered under pdfName.
    virtual bool confirmPrint(const QString& pdfName) = 0;
    // Shows the printer choice once; cancelling it changes nothing.
    virtual void choosePrinter() = 0;
    virtual void print(const PrintJob& job) = 0;
    // Shows the job's pages in a preview to page through, zoom and print from; false when the
    // preview was closed without printing.
    virtual bool printFromPreview(const PrintJob& job) = 0;
    // The job as a PDF file at path, written whole or not at all; an error message, or empty.
    virtual QString exportPdf(const PrintJob& job, const QString& path) = 0;
};

} // namespace kakitori
