#include "ui/CellLabel.h"

#include "ui/ScreenGeometry.h"

#include <QMouseEvent>

namespace kakitori {

CellLabel::CellLabel(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setLineWidth(kCellFramePixels);
    setMargin(0);
    setAlignment(Qt::AlignCenter);
}

void CellLabel::setLook(QColor background, bool marked)
{
    if (background != m_background) {
        m_background = background;
        QPalette pal = palette();
        pal.setColor(QPalette::Window, background);
        pal.setColor(QPalette::WindowText, Qt::black);
        setPalette(pal);
    }
    if (marked != m_marked) {
        m_marked = marked;
        // The cursor cell is drawn sunken with a heavier frame.
        setFrameStyle(marked ? QFrame::Panel | QFrame::Sunken : QFrame::Box | QFrame::Plain);
        setLineWidth(marked ? 2 : kCellFramePixels);
    }
}

void CellLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        emit clicked();
    QLabel::mousePressEvent(event);
}

} // namespace kakitori
