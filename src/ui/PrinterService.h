#pragma once

#include "editor/EditorDialogs.h"
#include "editor/PrintService.h"
#include "render/PaintTargets.h"

#include <QPrinter>

#include <QSet>

#include <memory>

class QProgressDialog;
class QWidget;

namespace kakitori {

// The system's printer through CUPS, or a PDF file when "Print to file" is chosen in the dialog.
// It keeps one print surface for the life of the program, so drawing state carries over between
// documents, and says once per font which face stood in for a font this machine lacks.
class PrinterService : public PrintService {
public:
    PrinterService(QWidget* parent, EditorDialogs& dialogs);

    bool confirmPrint(const QString& pdfName) override;
    void choosePrinter() override;
    void print(const PrintJob& job) override;
    QString exportPdf(const PrintJob& job, const QString& path) override;
    bool printFromPreview(const PrintJob& job) override;

private:
    bool runDialog();
    // A batch shows its progress in a dialog made for it, whose cancel stops the job.
    PrintJob withProgress(PrintJob job, std::unique_ptr<QProgressDialog>& dialog) const;
    void tellStandIns(const QStringList& fonts);

    QWidget* m_parent;
    EditorDialogs& m_dialogs;
    QPrinter m_printer;
    PrinterTarget m_target;
    PainterSurface m_surface;
    QSet<QString> m_toldStandIns;
};

} // namespace kakitori
