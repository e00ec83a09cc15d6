#pragma once

#include "editor/EditorDialogs.h"

#include <QString>

class QWidget;

namespace kakitori {

// The extension a file dialog's filter names last ("csvファイル(*.csv) (*.csv)" gives "csv").
QString extensionOfFilter(const QString& filter);

// The editor's dialogs as real message boxes, file dialogs and the font dialog.
class WidgetDialogs : public EditorDialogs {
public:
    explicit WidgetDialogs(QWidget* parent) : m_parent(parent) {}

    bool ask(const QString& title, const QString& text, Icon icon) override;
    void inform(const QString& title, const QString& text, Icon icon) override;
    std::optional<QString> chooseFileToOpen(const QString& filter) override;
    std::optional<QString> chooseFileToSave(const QString& suggested,
                                            const QString& filter) override;
    std::optional<FontChoice> chooseFont(const std::optional<FontChoice>& preset) override;
    void beep() override;

private:
    QWidget* m_parent;
};

} // namespace kakitori
