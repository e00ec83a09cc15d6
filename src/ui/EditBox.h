#pragma once

#include "editor/CursorMoves.h"

#include <QLineEdit>

namespace kakitori {

// The edit box under the grid. It reports input method events (for the reading of a
// conversion) before it applies them, keeps Enter for cursor movement, and shows arrow keys to
// the window before handling them itself.
class EditBox : public QLineEdit {
    Q_OBJECT

public:
    explicit EditBox(QWidget* parent = nullptr);

signals:
    void inputMethodText(const QString& preedit, const QString& commit);
    void enterPressed();
    void arrowPressed(kakitori::Arrow arrow);

protected:
    void inputMethodEvent(QInputMethodEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kakitori
