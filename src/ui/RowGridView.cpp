#include "ui/RowGridView.h"

#include "ui/CellLabel.h"
#include "ui/ScreenGeometry.h"

#include <QCheckBox>
#include <QMouseEvent>

#include <functional>

namespace kakitori {

namespace {

// Where a click selects a cell; it draws nothing, so the cells beneath show through.
class ClickTarget : public QWidget {
public:
    ClickTarget(QWidget* parent, std::function<void()> clicked)
        : QWidget(parent), m_clicked(std::move(clicked))
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            m_clicked();
        else
            QWidget::mousePressEvent(event);
    }

private:
    std::function<void()> m_clicked;
};

// Targets meet edge to edge; rounding each edge, not the width, keeps them so on screen.
QRect pxEdges(const CellBox& box)
{
    const int left = px(box.left), top = px(box.top);
    return {left, top, px(box.left + box.width) - left, px(box.top + box.height) - top};
}

} // namespace

RowGridView::RowGridView(Editor& editor, QWidget* canvas) : QObject(canvas), m_editor(editor)
{
    for (int row = 1; row <= kRowsPerPage; ++row) {
        RowWidgets& w = m_rows[row - 1];
        w.fiveCellSwitch = new QCheckBox(canvas);
        connect(w.fiveCellSwitch, &QCheckBox::clicked, this,
                [this, row] { m_editor.toggleFiveCellSwitch(row); });
        w.rowNumber = new CellLabel(canvas);
        w.rowNumber->setFont(rowNumberFont());
        for (int f = 0; f < kRowFieldCount; ++f) {
            const RowField kind = RowField(f);
            CellLabel* cell = new CellLabel(canvas);
            cell->setFont(cellFont(kind));
            connect(cell, &CellLabel::clicked, this,
                    [this, row, kind] { m_editor.clickCell(row, kind); });
            w.cells[f] = cell;
        }
        // Made after the row's cells, so they lie above them: a short cell's target reaches over
        // its neighbours.
        for (int f = 0; f < kRowFieldCount; ++f) {
            const RowField kind = RowField(f);
            w.targets[f] =
                new ClickTarget(canvas, [this, row, kind] { m_editor.clickCell(row, kind); });
        }
    }
}

CellLabel* RowGridView::cellLabel(int row, RowField kind) const
{
    return m_rows[row - 1].cells[static_cast<int>(kind)];
}

QCheckBox* RowGridView::fiveCellSwitch(int row) const
{
    return m_rows[row - 1].fiveCellSwitch;
}

void RowGridView::hideAll()
{
    for (RowWidgets& w : m_rows) {
        w.fiveCellSwitch->hide();
        w.rowNumber->hide();
        for (CellLabel* cell : w.cells)
            cell->hide();
        for (QWidget* target : w.targets)
            target->hide();
    }
}

void RowGridView::sync(const EditorState& state)
{
    for (int row = 1; row <= kRowsPerPage; ++row) {
        const GridRowState& r = state.rows[row - 1];
        RowWidgets& w = m_rows[row - 1];
        w.fiveCellSwitch->setGeometry(pxRect(r.geometry.fiveCellSwitch));
        w.fiveCellSwitch->show();
        w.rowNumber->show();
        w.fiveCellSwitch->setChecked(r.switchOn);
        w.fiveCellSwitch->setEnabled(state.switchesEnabled);
        w.fiveCellSwitch->setToolTip(r.switchTooltip);
        w.rowNumber->setGeometry(pxRect(r.geometry.rowNumber));
        w.rowNumber->setText(r.rowNumber);
        w.rowNumber->setLook(screenColour(r.rowNumberColour), false);
        for (int f = 0; f < kRowFieldCount; ++f) {
            const RowField kind = RowField(f);
            CellLabel* cell = w.cells[f];
            cell->setGeometry(pxRect(r.geometry.cells[f]));
            cell->setText(state.cells.rows[row - 1][kind]);
            cell->setLook(screenColour(r.background[f]), state.cursor == CellPosition{row, kind});
            cell->setEnabled(state.cellsEnabled);
            const bool shown = !isSecondPart(kind) || r.switchOn;
            cell->setVisible(shown);
            // Readings stand above; keep them in front of a long neighbour.
            if (kind == RowField::FirstReading || kind == RowField::SecondReading)
                cell->raise();
            QWidget* target = w.targets[f];
            target->setGeometry(pxEdges(r.geometry.clickTargetsFor(r.switchOn)[f]));
            target->setEnabled(state.cellsEnabled);
            target->setVisible(shown);
        }
        // Back above the readings just raised.
        for (RowField reading : {RowField::FirstReading, RowField::SecondReading})
            w.targets[static_cast<int>(reading)]->raise();
    }
}

} // namespace kakitori
