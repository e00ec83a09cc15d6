#include "editor/PrintOptionsModel.h"

#include <algorithm>
#include <cmath>

namespace kakitori {

namespace {

// The tracing greys of the colour window, light to dark, as the surface takes colours.
constexpr PrintColour kTracingColours[] = {16119285, 13882323, 11119017, 8421504};

} // namespace

PrintOptions PrintOptionsModel::options() const
{
    PrintOptions options;
    options.writingFrames = m_writingFrames;
    options.narrowReadingSpacing = m_narrowSpacing;
    options.twoSheetReading = m_twoSheetReading;
    options.printFontSize = m_fontSize;
    options.answerKeys = m_answerKeys;
    return options;
}

void PrintOptionsModel::setTracing(bool on)
{
    m_tracing = on;
    if (on)
        return;
    m_state.tracingIndicator = QStringLiteral("漢字なぞり書きなし");
    m_state.tracingIndicatorVisible = true;
}

void PrintOptionsModel::colourWindowDecided(int choice)
{
    if (choice >= 1 && choice <= 4)
        m_tracingColour = kTracingColours[choice - 1];
    m_state.tracingIndicatorVisible = true;
    m_state.tracingIndicator = QStringLiteral("漢字なぞり書きあり");
}

void PrintOptionsModel::colourWindowCancelled()
{
    m_tracing = false;
    m_state.tracingIndicatorVisible = false;
    m_state.tracingIndicator.clear();
}

void PrintOptionsModel::tracingIndicatorClicked()
{
    m_state.tracingIndicator.clear();
    m_tracing = false;
}

void PrintOptionsModel::setLimit(int limit)
{
    m_narrowSpacing = false;
    m_limitChoice = limit;
}

void PrintOptionsModel::setFontStyle(bool bold, bool italic)
{
    m_bold = bold;
    m_italic = italic;
}

void PrintOptionsModel::setKanaOffsets(float first, float second)
{
    m_kanaOffset1 = first;
    m_kanaOffset2 = second;
    m_state.kanaSliderVertical = std::clamp(int(std::lround(first / 30)), -10, 10);
    m_state.kanaSliderHorizontal = std::clamp(int(std::lround(second / 30)), -10, 10);
}

void PrintOptionsModel::setKanaSliders(int vertical, int horizontal, bool verticalFont)
{
    m_state.kanaSliderVertical = std::clamp(vertical, -10, 10);
    m_state.kanaSliderHorizontal = std::clamp(horizontal, -10, 10);
    const int alongX = verticalFont ? m_state.kanaSliderVertical : m_state.kanaSliderHorizontal;
    const int alongY = verticalFont ? m_state.kanaSliderHorizontal : m_state.kanaSliderVertical;
    m_kanaOffset1 = 30.0f * float(alongX);
    m_kanaOffset2 = 30.0f * float(alongY);
}

void PrintOptionsModel::kanaWindowDiscarded()
{
    // Opened again, the window starts at the centre; the offsets keep their values.
    m_state.kanaSliderVertical = 0;
    m_state.kanaSliderHorizontal = 0;
}

} // namespace kakitori
