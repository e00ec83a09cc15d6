// The print commands and the print options: writing frames, tracing and its colour window, the
// reading sheet set, batch printing, the printer dialog mode and the kana position window.
#include "editor/Editor.h"

#include "data/FontName.h"

#include <algorithm>

#include <cmath>

namespace kakitori {

namespace {

// The tracing greys of the colour window, light to dark, as the surface takes colours.
constexpr PrintColour kTracingColours[] = {16119285, 13882323, 11119017, 8421504};

} // namespace

PrintOptions Editor::printOptions() const
{
    PrintOptions options;
    options.writingFrames = m_state.entry(MenuEntry::WritingFrameOn).checked;
    options.narrowReadingSpacing = m_narrowSpacing;
    options.twoSheetReading = m_state.entry(MenuEntry::TwoSheetReading).checked;
    options.printFontSize = m_printFontSize;
    return options;
}

SheetInput Editor::printInput(int pageIndex, bool batch, bool fromToolbar) const
{
    SheetInput input;
    input.options = printOptions();
    const bool inProblem = pageIndex >= 0 && pageIndex < m_problem.pageCount();
    input.page = inProblem ? m_problem.page(pageIndex) : m_state.cells;
    if (batch) {
        // Each page with its own second parts, as choosing it would switch them on.
        for (int i = 0; i < kRowsPerPage; ++i)
            input.switches[i] = input.page.rows[i].hasSecondPart();
        return input;
    }
    for (int i = 0; i < kRowsPerPage; ++i)
        input.switches[i] = m_state.rows[i].switchOn;
    if (fromToolbar) {
        // What is on screen: the page list's text and the first parts of the cells.
        input.page.heading = m_state.pageListText;
        for (int i = 0; i < kRowsPerPage; ++i)
            for (RowField f :
                 {RowField::Lead, RowField::FirstWord, RowField::FirstReading, RowField::Middle})
                input.page.rows[i][f] = m_state.cells.rows[i][f];
        input.page.font = m_state.statusPanels[1];
    }
    return input;
}

void Editor::printCommand(SheetKind kind, bool fromToolbar)
{
    if (!m_printService)
        return;
    if (m_printerAsking && !m_printService->confirmPrint())
        return; // the batch mark stays as it was
    PrintJob job;
    job.kind = kind;
    job.batch = m_state.pageListColour == PageListColour::Green;
    job.pageCount = m_problem.pageCount();
    job.workingPage = m_workingPage;
    job.statusFont = m_state.statusPanels[1];
    job.bold = m_fontBold;
    job.italic = m_fontItalic;
    job.options = printOptions();
    job.loadPage = [this, batch = job.batch, fromToolbar](int p) {
        return printInput(p, batch, fromToolbar);
    };
    m_printService->print(job);
    m_state.pageListColour = PageListColour::White;
    notify();
}

void Editor::setTracing(bool on)
{
    tick({MenuEntry::TracingOff, MenuEntry::TracingOn},
         on ? MenuEntry::TracingOn : MenuEntry::TracingOff);
    if (on) {
        emit colourWindowRequested();
        return;
    }
    m_state.tracingIndicator = QStringLiteral("漢字なぞり書きなし");
    m_state.tracingIndicatorVisible = true;
}

void Editor::colourWindowDecided(int choice)
{
    if (choice >= 1 && choice <= 4)
        m_tracingColour = kTracingColours[choice - 1];
    m_state.tracingIndicatorVisible = true;
    m_state.tracingIndicator = QStringLiteral("漢字なぞり書きあり");
    notify();
}

void Editor::colourWindowCancelled()
{
    tick({MenuEntry::TracingOff, MenuEntry::TracingOn}, MenuEntry::TracingOff);
    m_state.tracingIndicatorVisible = false;
    m_state.tracingIndicator.clear();
    notify();
}

void Editor::tracingIndicatorClicked()
{
    m_state.tracingIndicator.clear();
    tick({MenuEntry::TracingOff, MenuEntry::TracingOn}, MenuEntry::TracingOff);
    notify();
}

void Editor::toggleTwoSheetReading()
{
    MenuEntryState& entry = m_state.entry(MenuEntry::TwoSheetReading);
    entry.checked = !entry.checked;
    // The reading button is put back with the picture of the sheet it prints, and no tooltip.
    ToolButtonState& button = m_state.toolButtons[8];
    button.picture = entry.checked ? ToolPicture::ReadingTwoSheet : ToolPicture::Reading;
    button.hasTooltip = false;
}

void Editor::setKanaSliders(int vertical, int horizontal)
{
    m_state.kanaSliderVertical = std::clamp(vertical, -10, 10);
    m_state.kanaSliderHorizontal = std::clamp(horizontal, -10, 10);
    // The sample moves with the character's own axes; for a vertical-writing font, printed
    // turned, its vertical axis runs along x on paper.
    const bool turned = isVerticalFontName(m_state.statusPanels[1]);
    const int alongX = turned ? m_state.kanaSliderVertical : m_state.kanaSliderHorizontal;
    const int alongY = turned ? m_state.kanaSliderHorizontal : m_state.kanaSliderVertical;
    m_kanaOffset1 = 30.0f * float(alongX);
    m_kanaOffset2 = 30.0f * float(alongY);
    notify();
}

void Editor::kanaWindowDiscarded()
{
    // Opened again, the window starts at the centre; the offsets keep their values.
    m_state.kanaSliderVertical = 0;
    m_state.kanaSliderHorizontal = 0;
    notify();
}

} // namespace kakitori
