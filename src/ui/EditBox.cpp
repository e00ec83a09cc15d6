#include "ui/EditBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace kakitori {

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {}

void EditBox::inputMethodEvent(QInputMethodEvent* event)
{
    emit inputMethodText(event->preeditString(), event->commitString());
    QLineEdit::inputMethodEvent(event);
}

void EditBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed();
        return;
    case Qt::Key_Up:
        emit arrowPressed(Arrow::Up);
        break;
    case Qt::Key_Down:
        emit arrowPressed(Arrow::Down);
        break;
    case Qt::Key_Left:
        emit arrowPressed(Arrow::Left);
        break;
    case Qt::Key_Right:
        emit arrowPressed(Arrow::Right);
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace kakitori
