#pragma once

#include "print/PrintSurface.h"
#include "print/SheetInput.h"

#include <functional>

namespace kakitori {

enum class SheetKind { Writing, Practice, Reading, Three, Sentence };

// One print command after its printer dialog: a single page, or every page in batch.
struct PrintJob {
    SheetKind kind = SheetKind::Writing;
    bool batch = false;
    int pageCount = 0;   // pages in the page list (batch)
    int workingPage = 0; // the page printed alone
    QString statusFont;  // the status bar's font name: it decides layout and face
    bool bold = false;   // the style last chosen in the font dialog: no layout sets it
    bool italic = false;
    // The page printed alone, as on screen, with the five-cell switches of the window.
    std::function<SheetInput(int page)> loadPage;
    // Told before each page of a batch how many are done; false cancels the rest.
    std::function<bool(int done, int pages)> progress;
};

// The layout a font name selects: vertical for a vertical-writing name.
bool usesVerticalLayout(const QString& statusFont);

// Draws one sheet of a kind for one input, in the layout the status font selects. The
// three-sheet set draws its sheets with a page break between them.
void drawSheet(PrintSurface& surface, SheetKind kind, const SheetInput& input,
               const QString& statusFont);

// Runs the job: each page's sheet, a page break after each page in batch, then the end of the
// document (a page break at the very end adds no blank page). False when the progress callback
// cancelled it; the document is ended all the same.
bool runPrintJob(PrintSurface& surface, const PrintJob& job);

} // namespace kakitori
