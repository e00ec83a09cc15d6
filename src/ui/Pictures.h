#pragma once

#include "editor/CommandMap.h"

#include <QIcon>
#include <QPixmap>

namespace kakitori {

// The toolbar's pictures and the small pictures of the window, drawn rather than shipped.
QIcon toolIcon(ToolPicture picture);

enum class PadPicture { Up, Down, Left, Right, Centre };
QPixmap padPixmap(PadPicture picture, int size);

// The blinking arrow that points at the page list.
QPixmap hintArrowPixmap(int size);

} // namespace kakitori
