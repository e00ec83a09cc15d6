#include "ui/RowGridView.h"

#include "ui/CellLabel.h"
#include "ui/ScreenGeometry.h"

#include <QCheckBox>

namespace kakitori {

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
            cell->setVisible(!isSecondPart(kind) || r.switchOn);
            // Readings stand above; keep them in front of a long neighbour.
            if (kind == RowField::FirstReading || kind == RowField::SecondReading)
                cell->raise();
        }
    }
}

} // namespace kakitori
