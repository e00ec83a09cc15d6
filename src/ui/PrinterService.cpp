#include "ui/PrinterService.h"

#include "data/TextFile.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProgressDialog>
#include <QWidget>

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

bool PrinterService::confirmPrint(const QString& pdfName)
{
    // A PDF chosen in the dialog is offered under the job's own name, not the previous job's.
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        m_printer.setOutputFileName(pdfName);
    m_printer.setDocName(QFileInfo(pdfName).completeBaseName());
    return runDialog();
}

void PrinterService::choosePrinter()
{
    runDialog();
}

void PrinterService::print(const PrintJob& job)
{
    if (m_printer.outputFormat() == QPrinter::PdfFormat) {
        // A PDF is written whole or not at all, and a failure is told.
        if (const QString error = exportPdf(job, m_printer.outputFileName()); !error.isEmpty())
            m_dialogs.inform(QStringLiteral("エラー"), error, EditorDialogs::Icon::Warning);
        return;
    }
    std::unique_ptr<QProgressDialog> progress;
    if (!runPrintJob(m_surface, withProgress(job, progress)))
        m_printer.abort();
    tellStandIns(m_surface.takeStandIns());
}

// A batch shows its progress, with a button that cancels the pages not yet drawn.
PrintJob PrinterService::withProgress(PrintJob job, std::unique_ptr<QProgressDialog>& dialog) const
{
    if (!job.batch)
        return job;
    dialog = std::make_unique<QProgressDialog>(m_parent);
    QProgressDialog& progress = *dialog;
    progress.setWindowTitle(QStringLiteral("印刷"));
    progress.setLabelText(QStringLiteral("印刷しています…"));
    progress.setCancelButtonText(QStringLiteral("キャンセル"));
    progress.setRange(0, job.pageCount);
    progress.setMinimumDuration(500);
    job.progress = [&progress](int done, int pages) {
        progress.setMaximum(pages);
        progress.setValue(done);
        return !progress.wasCanceled();
    };
    return job;
}

QString PrinterService::exportPdf(const PrintJob& job, const QString& path)
{
    PdfTarget target;
    bool whole = true;
    {
        std::unique_ptr<QProgressDialog> progress;
        PainterSurface surface(target);
        whole = runPrintJob(surface, withProgress(job, progress));
        tellStandIns(surface.takeStandIns());
    }
    // A cancelled job leaves no PDF behind, not even a part of one.
    if (!whole)
        return {};
    return writeFileAtomically(path, target.bytes());
}

bool PrinterService::printFromPreview(const PrintJob& job)
{
    QPrintPreviewDialog dialog(&m_printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    dialog.resize(m_parent ? m_parent->size() * 1.2 : QSize(900, 800));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* printer) {
                         PrinterTarget target(*printer);
                         PainterSurface surface(target);
                         runPrintJob(surface, job);
                         tellStandIns(surface.takeStandIns());
                     });
    return dialog.exec() == QDialog::Accepted;
}

void PrinterService::tellStandIns(const QStringList& fonts)
{
    QStringList told;
    for (const QString& font : fonts)
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
