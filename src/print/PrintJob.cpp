#include "print/PrintJob.h"

#include "data/FontName.h"
#include "print/PracticeSheet.h"
#include "print/ReadingSheet.h"
#include "print/SentenceSheet.h"
#include "print/WritingTestSheet.h"

namespace kakitori {

namespace {

using Layout = void (*)(PrintSurface&, const SheetInput&);

struct SheetLayouts {
    Layout vertical;
    Layout horizontal;
};

// The layouts of a single sheet (the three-sheet set is drawn from these).
SheetLayouts layoutsOf(SheetKind kind)
{
    switch (kind) {
    case SheetKind::Practice:
        return {drawPracticeVertical, drawPracticeHorizontal};
    case SheetKind::Reading:
        return {drawReadingVertical, drawReadingHorizontal};
    case SheetKind::Sentence:
        return {drawSentenceVertical, drawSentenceHorizontal};
    case SheetKind::Writing:
    case SheetKind::Three:
        break;
    }
    return {drawWritingTestVertical, drawWritingTestHorizontal};
}

bool hasAnswerKey(SheetKind kind)
{
    return kind == SheetKind::Writing || kind == SheetKind::Reading;
}

// A sheet, and with the answer keys on, its key on the page after it.
void drawOne(PrintSurface& surface, SheetKind kind, const SheetInput& input, bool vertical)
{
    const SheetLayouts layouts = layoutsOf(kind);
    const Layout layout = vertical ? layouts.vertical : layouts.horizontal;
    layout(surface, input);
    if (!input.options.answerKeys || !hasAnswerKey(kind))
        return;
    SheetInput key = input;
    key.answerKey = true;
    surface.newPage();
    layout(surface, key);
}

} // namespace

bool usesVerticalLayout(const QString& statusFont)
{
    return isVerticalFontName(statusFont);
}

void drawSheet(PrintSurface& surface, SheetKind kind, const SheetInput& input,
               const QString& statusFont)
{
    SheetInput in = input;
    in.font = statusFont.isEmpty() ? input.page.font : statusFont;
    const bool vertical = usesVerticalLayout(statusFont);
    if (kind != SheetKind::Three) {
        drawOne(surface, kind, in, vertical);
        return;
    }
    const SheetKind order[] = {vertical ? SheetKind::Writing : SheetKind::Practice,
                               vertical ? SheetKind::Practice : SheetKind::Writing,
                               SheetKind::Reading};
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            surface.newPage();
        drawOne(surface, order[i], in, vertical);
    }
}

bool runPrintJob(PrintSurface& surface, const PrintJob& job)
{
    surface.setFontBold(job.bold);
    surface.setFontItalic(job.italic);
    bool whole = true;
    if (job.batch) {
        for (int p = 0; p < job.pageCount && whole; ++p) {
            whole = !job.progress || job.progress(p, job.pageCount);
            if (!whole)
                break;
            drawSheet(surface, job.kind, job.loadPage(p), job.statusFont);
            surface.newPage();
        }
    } else {
        drawSheet(surface, job.kind, job.loadPage(job.workingPage), job.statusFont);
    }
    surface.endDoc();
    return whole;
}

} // namespace kakitori
