// The print commands and the print option windows; the options themselves are the
// PrintOptionsModel's.
#include "editor/Editor.h"

#include "data/FontName.h"

namespace kakitori {

SheetInput Editor::printInput(int pageIndex, bool batch, Origin origin) const
{
    const bool inProblem = pageIndex >= 0 && pageIndex < m_problem.pageCount();
    SheetInput input =
        sheetInputFor(inProblem ? m_problem.page(pageIndex) : m_grid.cells(), m_print.options());
    if (batch)
        return input; // each page with its own second parts, as choosing it would switch them on
    input.switches = m_grid.switches();
    if (origin == Origin::Toolbar) {
        // What is on screen: the page list's text and the first parts of the cells.
        input.page.heading = m_state.pageListText;
        for (int i = 0; i < kRowsPerPage; ++i)
            for (RowField f :
                 {RowField::Lead, RowField::FirstWord, RowField::FirstReading, RowField::Middle})
                input.page.rows[i][f] = m_grid.cells().rows[i][f];
        input.page.font = m_printFont;
    }
    return input;
}

void Editor::printCommand(SheetKind kind, Origin origin)
{
    if (!m_printService)
        return;
    if (m_print.printerAsking() && !m_printService->confirmPrint())
        return; // the batch mark stays as it was
    PrintJob job;
    job.kind = kind;
    job.batch = m_pages.batchMarked();
    job.pageCount = m_problem.pageCount();
    job.workingPage = m_pages.workingPage();
    job.statusFont = m_printFont;
    job.bold = m_print.bold();
    job.italic = m_print.italic();
    job.loadPage = [this, batch = job.batch, origin](int p) {
        return printInput(p, batch, origin);
    };
    m_printService->print(job);
    m_pages.setBatchMark(false);
}

void Editor::setTracing(bool on)
{
    m_print.setTracing(on);
    if (on)
        emit colourWindowRequested();
}

void Editor::colourWindowDecided(int choice)
{
    const ChangeScope scope(*this);
    m_print.colourWindowDecided(choice);
}

void Editor::colourWindowCancelled()
{
    const ChangeScope scope(*this);
    m_print.colourWindowCancelled();
}

void Editor::tracingIndicatorClicked()
{
    const ChangeScope scope(*this);
    m_print.tracingIndicatorClicked();
}

void Editor::setKanaSliders(int vertical, int horizontal)
{
    const ChangeScope scope(*this);
    m_print.setKanaSliders(vertical, horizontal, isVerticalFontName(m_printFont));
}

void Editor::kanaWindowDiscarded()
{
    const ChangeScope scope(*this);
    m_print.kanaWindowDiscarded();
}

} // namespace kakitori
