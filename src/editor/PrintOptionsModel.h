#pragma once

#include "editor/EditorState.h"
#include "print/PrintSurface.h"
#include "print/SheetInput.h"

namespace kakitori {

// The print options of the 印刷オプション menu and their small windows (tracing colour, kana
// position), the printer dialog mode, the print font size and style, and the character limit
// that the narrow reading spacing raises.
class PrintOptionsModel {
public:
    explicit PrintOptionsModel(PrintOptionsState& state) : m_state(state) {}

    PrintOptions options() const;
    int characterLimit() const { return m_narrowSpacing ? 22 : m_limitChoice; }

    bool writingFrames() const { return m_writingFrames; }
    void setWritingFrames(bool on) { m_writingFrames = on; }

    // Tracing on asks for the colour window; its answer or cancel completes the choice.
    bool tracing() const { return m_tracing; }
    void setTracing(bool on);
    void colourWindowDecided(int choice); // 1 (light) … 4 (dark); 0 when none was clicked
    void colourWindowCancelled();
    void tracingIndicatorClicked();
    PrintColour tracingColour() const { return m_tracingColour; }

    bool answerKeys() const { return m_answerKeys; }
    void toggleAnswerKeys() { m_answerKeys = !m_answerKeys; }

    bool twoSheetReading() const { return m_twoSheetReading; }
    void toggleTwoSheetReading() { m_twoSheetReading = !m_twoSheetReading; }

    bool narrowSpacing() const { return m_narrowSpacing; }
    void setNarrowSpacing(bool narrow) { m_narrowSpacing = narrow; }
    int limitChoice() const { return m_limitChoice; }
    // Choosing a limit returns the spacing to normal.
    void setLimit(int limit);

    bool printerAsking() const { return m_printerAsking; }
    void setPrinterAsking(bool asking) { m_printerAsking = asking; }

    int fontSize() const { return m_fontSize; }
    void setFontSize(int size) { m_fontSize = size; }
    bool bold() const { return m_bold; }
    bool italic() const { return m_italic; }
    void setFontStyle(bool bold, bool italic);

    // The offsets as saved; the sliders show them, and only a slider move recomputes them.
    void setKanaOffsets(float first, float second);
    float kanaOffset1() const { return m_kanaOffset1; }
    float kanaOffset2() const { return m_kanaOffset2; }
    // For a vertical-writing font, printed turned, the character's vertical axis runs along x.
    void setKanaSliders(int vertical, int horizontal, bool verticalFont);
    void kanaWindowDiscarded();

private:
    PrintOptionsState& m_state;
    bool m_writingFrames = true;
    bool m_tracing = false;
    PrintColour m_tracingColour = 0;
    bool m_twoSheetReading = false;
    bool m_answerKeys = false;
    bool m_narrowSpacing = false;
    int m_limitChoice = 15;
    bool m_printerAsking = true;
    int m_fontSize = 25;
    bool m_bold = false; // chosen with the toolbar's font command, for the printer
    bool m_italic = false;
    float m_kanaOffset1 = 0;
    float m_kanaOffset2 = 0;
};

} // namespace kakitori
