#pragma once

#include "editor/Editor.h"

#include <QWidget>

#include <array>

class QCheckBox;

namespace kakitori {

class CellLabel;

// The ten rows of the working page: five-cell switch, row-number cell and seven text cells each,
// placed where the editor's row layout says. Clicks on a row's cells land on invisible targets
// laid over them, where the layout puts each cell's click target.
class RowGridView : public QObject {
    Q_OBJECT

public:
    RowGridView(Editor& editor, QWidget* canvas);

    void sync(const EditorState& state);
    // Hides every row widget (the arrangement board stands in their place); sync shows them.
    void hideAll();

    CellLabel* cellLabel(int row, RowField kind) const;
    QCheckBox* fiveCellSwitch(int row) const;

private:
    struct RowWidgets {
        QCheckBox* fiveCellSwitch = nullptr;
        CellLabel* rowNumber = nullptr;
        std::array<CellLabel*, kRowFieldCount> cells{};
        std::array<QWidget*, kRowFieldCount> targets{};
    };

    Editor& m_editor;
    std::array<RowWidgets, kRowsPerPage> m_rows;
};

} // namespace kakitori
