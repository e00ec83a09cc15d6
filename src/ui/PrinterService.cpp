#include "ui/PrinterService.h"

#include <QPrintDialog>

namespace kakitori {

PrinterService::PrinterService(QWidget* parent, EditorDialogs& dialogs)
    : m_parent(parent), m_dialogs(dialogs), m_printer(QPrinter::HighResolution),
      m_target(m_printer), m_surface(m_target)
{
    m_printer.setCreator(QStringLiteral("kakitori"));
    m_printer.setDocName(QStringLiteral("kakitori"));
}

bool PrinterService::runDialog()
{
    QPrintDialog dialog(&m_printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    // Paper size and orientation are the sheets' own; pages and copies are the printer's.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

bool PrinterService::confirmPrint()
{
    return runDialog();
}

void PrinterService::choosePrinter()
{
    runDialog();
}

void PrinterService::print(const PrintJob& job)
{
    runPrintJob(m_surface, job);
    QStringList told;
    for (const QString& font : m_surface.takeStandIns())
        if (!m_toldStandIns.contains(font)) {
            m_toldStandIns.insert(font);
            told.append(font);
        }
    if (!told.isEmpty())
        m_dialogs.inform(QStringLiteral("確認メッセージ"),
                         QStringLiteral("フォント「%1」がこのコンピューターにないため、"
                                        "代わりに IPAex明朝 で印刷しました。")
                             .arg(told.join(QStringLiteral("」「"))),
                         EditorDialogs::Icon::Information);
}

} // namespace kakitori
