#pragma once

#include "editor/EditorState.h"
#include "editor/RowLayout.h"

#include <QColor>
#include <QFont>
#include <QRect>

namespace kakitori {

// The window is laid out in twips as it was designed; 15 twips make a logical pixel.
constexpr double kTwipsPerPixel = 15.0;

inline int px(double twips)
{
    return qRound(twips / kTwipsPerPixel);
}

inline QRect pxRect(double left, double top, double width, double height)
{
    return {px(left), px(top), px(width), px(height)};
}

inline QRect pxRect(const CellBox& box)
{
    return pxRect(box.left, box.top, box.width, box.height);
}

inline QColor screenColour(ScreenColour rgb)
{
    return QColor::fromRgb(QRgb(rgb));
}

// A font by the name the window was designed with, drawn with the installed substitute.
QFont screenFont(const QString& name, double pointSize, bool bold = false);

// The fonts of the row cells: text cells, readings, row numbers.
QFont cellFont(RowField kind);
QFont rowNumberFont();

// Border and inner margin of a cell label on each side, in pixels.
constexpr int kCellFramePixels = 1;
constexpr int kCellMarginPixels = 2;

// The width a cell label needs for its text, in twips: what the row layout places by.
double measureCell(RowField kind, const QString& text);

} // namespace kakitori
