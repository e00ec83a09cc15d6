// The print commands and the print option windows; the options themselves are the
// PrintOptionsModel's.
#include "editor/Editor.h"

#include "data/FontName.h"

#include <QFileInfo>

#include <map>

namespace kakitori {

SheetInput Editor::printInput(int pageIndex, bool batch, Origin origin) const
{
    const bool inProblem = pageIndex >= 0 && pageIndex < m_problem.pageCount();
    SheetInput input =
        sheetInputFor(inProblem ? m_problem.page(pageIndex) : m_grid.cells(), m_print.options());
    if (batch)
        return input; // each page with its own second parts, as choosing it would switch them on
    input.switches = m_grid.switches();
    if (origin == Origin::Toolbar) {
        // What is on screen: the page list's text and the first parts of the cells.
        input.page.heading = m_state.pageListText;
        for (int i = 0; i < kRowsPerPage; ++i)
            for (RowField f :
                 {RowField::Lead, RowField::FirstWord, RowField::FirstReading, RowField::Middle})
                input.page.rows[i][f] = m_grid.cells().rows[i][f];
        input.page.font = m_printFont;
    }
    return input;
}

PrintJob Editor::printJob(SheetKind kind, Origin origin) const
{
    PrintJob job;
    job.kind = kind;
    job.batch = m_pages.batchMarked();
    job.pageCount = m_problem.pageCount();
    job.workingPage = m_pages.workingPage();
    job.statusFont = m_printFont;
    job.bold = m_print.bold();
    job.italic = m_print.italic();
    job.loadPage = [this, batch = job.batch, origin](int p) {
        return printInput(p, batch, origin);
    };
    return job;
}

// The name a PDF of the job is offered under, in the problem file's folder: the heading (全頁
// for a batch) and the sheet, as "二年生　一_書き取り.pdf".
QString Editor::pdfNameFor(const PrintJob& job) const
{
    static const std::map<SheetKind, QString> kSheetNames = {
        {SheetKind::Writing, QStringLiteral("書き取り")},
        {SheetKind::Practice, QStringLiteral("練習")},
        {SheetKind::Reading, QStringLiteral("読み方")},
        {SheetKind::Three, QStringLiteral("３票")},
        {SheetKind::Sentence, QStringLiteral("文作り")}};
    QString heading = job.batch ? QStringLiteral("全頁") : m_state.pageListText;
    // Characters a file name cannot hold on some desktop become "_".
    for (QChar& c : heading)
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'_';
    if (heading.isEmpty())
        heading = QStringLiteral("問題");
    const QDir folder =
        m_dialogFileName.isEmpty() ? m_env.workFolder : QFileInfo(m_dialogFileName).absoluteDir();
    return folder.filePath(heading + u'_' + kSheetNames.at(job.kind) + QStringLiteral(".pdf"));
}

void Editor::printCommand(SheetKind kind, Origin origin)
{
    if (!m_printService)
        return;
    const PrintJob job = printJob(kind, origin);
    m_lastSheet = kind;
    m_lastPrintOrigin = origin;
    if (m_printPreview) {
        // The preview has its own print button and printer choice; closed, nothing prints.
        if (m_printService->printFromPreview(job))
            m_pages.setBatchMark(false);
        return;
    }
    if (m_print.printerAsking() && !m_printService->confirmPrint(pdfNameFor(job)))
        return; // the batch mark stays as it was
    m_printService->print(job);
    m_pages.setBatchMark(false);
}

void Editor::exportPdfCommand()
{
    if (!m_printService)
        return;
    const PrintJob job = printJob(m_lastSheet, m_lastPrintOrigin);
    const auto path =
        m_dialogs.chooseFileToSave(pdfNameFor(job), QStringLiteral("PDFファイル(*.pdf) (*.pdf)"));
    if (!path)
        return;
    if (const QString error = m_printService->exportPdf(job, *path); !error.isEmpty()) {
        m_dialogs.inform(QStringLiteral("エラー"), error, EditorDialogs::Icon::Warning);
        return;
    }
    m_pages.setBatchMark(false);
}

void Editor::setTracing(bool on)
{
    m_print.setTracing(on);
    if (on)
        emit colourWindowRequested();
}

void Editor::colourWindowDecided(int choice)
{
    const ChangeScope scope(*this);
    m_print.colourWindowDecided(choice);
}

void Editor::colourWindowCancelled()
{
    const ChangeScope scope(*this);
    m_print.colourWindowCancelled();
}

void Editor::tracingIndicatorClicked()
{
    const ChangeScope scope(*this);
    m_print.tracingIndicatorClicked();
}

void Editor::setKanaSliders(int vertical, int horizontal)
{
    const ChangeScope scope(*this);
    m_print.setKanaSliders(vertical, horizontal, isVerticalFontName(m_printFont));
}

void Editor::kanaWindowDiscarded()
{
    const ChangeScope scope(*this);
    m_print.kanaWindowDiscarded();
}

} // namespace kakitori
