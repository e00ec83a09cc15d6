#pragma once

#include "editor/Editor.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QSlider;

namespace kakitori {

// "色設定": the grey in which the practice sheet's kanji would be traced.
class ColourWindow : public QDialog {
    Q_OBJECT

public:
    ColourWindow(Editor& editor, QWidget* parent);

private:
    Editor& m_editor;
    QLabel* m_sample;
    int m_choice = 0;
};

// "かな印字位置調整": a sample character moved by two sliders, 30 twips a step.
class KanaPositionWindow : public QDialog {
    Q_OBJECT

public:
    KanaPositionWindow(Editor& editor, QWidget* parent);

    // Shows the editor's slider values and the status bar's font.
    void sync();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void slidersMoved();

    Editor& m_editor;
    QLabel* m_sample = nullptr;
    QSlider* m_vertical = nullptr;
    QSlider* m_horizontal = nullptr;
};

} // namespace kakitori
