#pragma once

#include "editor/EditorDialogs.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace kakitori {

// The font dialog. Besides the installed Japanese faces it lists the Windows names that pages
// carry, and every face also with "@", the vertical-writing form that turns the worksheets to
// vertical writing.
class FontChoiceDialog : public QDialog {
    Q_OBJECT

public:
    explicit FontChoiceDialog(const std::optional<FontChoice>& preset, QWidget* parent = nullptr);

    FontChoice choice() const;

    // The names offered, vertical forms included.
    static QStringList fontNames();

private:
    void updateSample();

    QLineEdit* m_name;
    QListWidget* m_list;
    QSpinBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QLabel* m_sample;
};

} // namespace kakitori
