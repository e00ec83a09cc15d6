#pragma once

#include "editor/Editor.h"

#include <QObject>
#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kakitori {

class CellLabel;

// The kanji panel of the wide view and the arrangement board: 220 cells, the grade buttons, the
// half switch, the reading search frame, and the board's text area with its file buttons.
class KanjiPanelView : public QObject {
    Q_OBJECT

public:
    KanjiPanelView(Editor& editor, QWidget* canvas);

    void sync(const EditorState& state);

    CellLabel* cell(int n) const { return m_cells[n]; }
    QPushButton* gradeButton(int grade) const { return m_grades[grade - 1]; }
    QPushButton* halfSwitch() const { return m_half; }
    QLineEdit* searchBox() const { return m_search; }
    QPlainTextEdit* board() const { return m_board; }

private:
    Editor& m_editor;
    std::array<CellLabel*, KanjiBrowser::kCells> m_cells{};
    std::array<QPushButton*, 6> m_grades{};
    QPushButton* m_half;
    QGroupBox* m_searchFrame;
    QLineEdit* m_search;
    QRadioButton* m_on;
    QRadioButton* m_kun;
    QLabel* m_hint;
    QPlainTextEdit* m_board;
    QCheckBox* m_spreadsheet;
    QPushButton* m_saveData;
    QPushButton* m_readData;
};

// "教科書会社の選択": four publishers and "指定しないで閉じる".
class PublisherWindow : public QWidget {
    Q_OBJECT

public:
    PublisherWindow(Editor& editor, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kakitori
