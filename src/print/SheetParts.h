#pragma once

#include "print/PrintSurface.h"

#include <QString>

namespace kakitori {

// The parts every worksheet shares: the header strip with its name field, heading and title,
// and the ruled bodies of the reading and sentence sheets. Lines are black and solid.

constexpr PrintColour kBlack = 0;

// The colour of the answers on a key page (red).
constexpr PrintColour kAnswerRed = 0x0000FF;

// Prints characters in the answer red, leaving the text colour as it was.
void printAnswer(PrintSurface& surface, const QString& text, double x, double y, double dx,
                 double dy);

// Prints text with one Print at (x, y).
void printAt(PrintSurface& surface, double x, double y, const QString& text);

// Prints each character of text with its own Print, the first at (x, y), stepping by (dx, dy).
void printCharacters(PrintSurface& surface, const QString& text, double x, double y, double dx,
                     double dy);

// Size, font, A4, orientation and solid lines, as every worksheet starts.
void setUpWorksheet(PrintSurface& surface, double size, const QString& font, int orientation);

// Portrait: the strip along the top with 名前, the heading (size 20) and the title (size 10).
void drawVerticalHeader(PrintSurface& surface, const QString& heading, const QString& title);
// Landscape: the strip down the right edge; the title steps titleStep twips a character.
void drawHorizontalHeader(PrintSurface& surface, const QString& heading, const QString& title,
                          double titleStep = 300);

// Portrait: eleven lines H/11 apart and the two side edges: ten bands of writing.
void drawVerticalRuledBody(PrintSurface& surface);
// Landscape: twelve lines D = (W − 1300)/10 apart from U = W − 1300 leftwards, top and bottom.
void drawHorizontalRuledBody(PrintSurface& surface);

} // namespace kakitori
