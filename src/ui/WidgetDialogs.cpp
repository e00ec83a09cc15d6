#include "ui/WidgetDialogs.h"

#include "ui/FontChoiceDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace kakitori {

namespace {

QMessageBox::Icon boxIcon(EditorDialogs::Icon icon)
{
    switch (icon) {
    case EditorDialogs::Icon::Question:
        return QMessageBox::Question;
    case EditorDialogs::Icon::Information:
        return QMessageBox::Information;
    case EditorDialogs::Icon::Warning:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

} // namespace

bool WidgetDialogs::ask(const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void WidgetDialogs::inform(const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

std::optional<QString> WidgetDialogs::chooseFileToOpen(const QString& filter)
{
    const QString path = QFileDialog::getOpenFileName(m_parent, QStringLiteral("ファイルを開く"),
                                                      QDir::currentPath(), filter);
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

QString extensionOfFilter(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+)\)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<QString> WidgetDialogs::chooseFileToSave(const QString& suggested,
                                                       const QString& filter)
{
    QFileDialog dialog(m_parent, QStringLiteral("名前を付けて保存"), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The overwrite question is the editor's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without an extension gets the extension of the chosen filter, so a problem
    // file is listed by the open dialog and a text export is never taken for a problem.
    dialog.setDefaultSuffix(extensionOfFilter(filter.section(QStringLiteral(";;"), 0, 0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& chosen) { dialog.setDefaultSuffix(extensionOfFilter(chosen)); });
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<FontChoice> WidgetDialogs::chooseFont(const std::optional<FontChoice>& preset)
{
    FontChoiceDialog dialog(preset, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void WidgetDialogs::beep()
{
    QApplication::beep();
}

} // namespace kakitori
