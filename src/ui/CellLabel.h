#pragma once

#include <QLabel>

namespace kakitori {

// A bordered label that reports clicks: the row cells, the arrow pad, the tracing indicator.
class CellLabel : public QLabel {
    Q_OBJECT

public:
    explicit CellLabel(QWidget* parent = nullptr);

    // Background colour and marked (selection frame) look; only repaints on a change.
    void setLook(QColor background, bool marked);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_background;
    bool m_marked = false;
};

} // namespace kakitori
