#include "ui/KanjiPanelView.h"

#include "ui/CellLabel.h"
#include "ui/ScreenGeometry.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kakitori {

namespace {

// The tooltip of a cell no grade has filled yet.
const QString kCellHint = QStringLiteral("クッリクするとメインホームにコピーされます");

const char16_t* const kGradeCaptions[] = {u"1年", u"２年", u"３年", u"４年", u"５年", u"６年"};

void colourButton(QPushButton* button, QColor colour)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, colour);
    button->setPalette(pal);
    button->setAutoFillBackground(true);
}

void greenText(QWidget* widget)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0x00));
    pal.setColor(QPalette::Window, screenColour(colours::kWindow));
    widget->setPalette(pal);
}

} // namespace

KanjiPanelView::KanjiPanelView(Editor& editor, QWidget* canvas)
    : QObject(canvas), m_editor(editor), m_half(new QPushButton(canvas)),
      m_searchFrame(new QGroupBox(QStringLiteral("検索/表示"), canvas)),
      m_search(new QLineEdit(m_searchFrame)),
      m_on(new QRadioButton(QStringLiteral("音"), m_searchFrame)),
      m_kun(new QRadioButton(QStringLiteral("訓"), m_searchFrame)), m_hint(new QLabel(canvas)),
      m_board(new QPlainTextEdit(canvas)),
      m_spreadsheet(new QCheckBox(QStringLiteral("エクセル用"), canvas)),
      m_saveData(new QPushButton(QStringLiteral("SaveData"), canvas)),
      m_readData(new QPushButton(QStringLiteral("ReadData"), canvas))
{
    const QFont cellFace = screenFont(QStringLiteral("ＭＳ Ｐゴシック"), 21.75);
    for (int n = 0; n < KanjiBrowser::kCells; ++n) {
        auto* cell = new CellLabel(canvas);
        cell->setFont(cellFace);
        cell->setGeometry(pxRect(5880 + 485.0 * (n % 10), 1080 + 485.0 * (n / 10), 435, 435));
        cell->setToolTip(kCellHint);
        cell->hide();
        connect(cell, &CellLabel::clicked, this, [this, n] { m_editor.clickKanjiCell(n); });
        m_cells[n] = cell;
    }
    const QFont buttonFace = screenFont(QStringLiteral("ＭＳ Ｐ明朝"), 9);
    for (int g = 1; g <= 6; ++g) {
        auto* button = new QPushButton(QString::fromUtf16(kGradeCaptions[g - 1]), canvas);
        button->setFont(buttonFace);
        button->setGeometry(pxRect(10800, 2520 + 480.0 * (g - 1), 1215, 375));
        button->setToolTip(QStringLiteral("%1年生で習う漢字を表示").arg(g));
        colourButton(button, screenColour(gradeColour(g)));
        connect(button, &QPushButton::clicked, this, [this, g] { m_editor.showKanjiGrade(g); });
        m_grades[g - 1] = button;
    }
    m_half->setGeometry(pxRect(11280, 5400, 735, 495));
    connect(m_half, &QPushButton::clicked, &m_editor, &Editor::switchKanjiHalf);

    m_searchFrame->setGeometry(pxRect(10800, 720, 1215, 975));
    m_searchFrame->setToolTip(QStringLiteral("音・訓を選択して検索します"));
    greenText(m_searchFrame);
    m_search->setGeometry(pxRect(120, 240, 975, 270));
    m_search->setFont(screenFont(QStringLiteral("ＭＳ Ｐ明朝"), 9));
    m_search->setToolTip(QStringLiteral("ひらがなを入力してクリック"));
    connect(m_search, &QLineEdit::returnPressed, this,
            [this] { m_editor.searchKanji(m_search->text()); });
    m_on->setGeometry(pxRect(120, 600, 495, 250));
    m_kun->setGeometry(pxRect(600, 600, 495, 250));
    for (QRadioButton* option : {m_on, m_kun}) {
        greenText(option);
        connect(option, &QRadioButton::clicked, this, [this, option] {
            m_editor.setSearchReading(option == m_on);
            m_search->setFocus();
        });
    }
    m_hint->setGeometry(pxRect(10800, 1800, 1215, 600));
    m_hint->setWordWrap(true);
    m_hint->setFont(screenFont(QStringLiteral("ＭＳ Ｐゴシック"), 8.25));
    greenText(m_hint);

    m_board->setGeometry(pxRect(300, 1080, 5000, 5000));
    m_board->setFont(screenFont(QStringLiteral("ＭＳ Ｐ明朝"), 14.25));
    connect(m_board, &QPlainTextEdit::textChanged, this,
            [this] { m_editor.setArrangementText(m_board->toPlainText()); });
    m_spreadsheet->setGeometry(pxRect(3120, 7200, 1335, 255));
    greenText(m_spreadsheet);
    connect(m_spreadsheet, &QCheckBox::toggled, &m_editor, &Editor::setSpreadsheetSeparators);
    m_saveData->setGeometry(pxRect(3240, 6240, 1215, 735));
    m_readData->setGeometry(pxRect(1080, 6240, 1215, 735));
    connect(m_saveData, &QPushButton::clicked, &m_editor, &Editor::saveArrangement);
    connect(m_readData, &QPushButton::clicked, &m_editor, &Editor::readArrangement);
}

void KanjiPanelView::sync(const EditorState& s)
{
    const KanjiBrowser& browser = m_editor.kanjiBrowser();
    for (int n = 0; n < KanjiBrowser::kCells; ++n) {
        const KanjiBrowser::Cell& c = browser.cells()[n];
        CellLabel* cell = m_cells[n];
        cell->setVisible(n < s.visibleKanjiCells);
        if (!cell->isVisible())
            continue;
        cell->setText(c.text);
        cell->setLook(screenColour(c.background), c.marked);
        cell->setToolTip(c.tooltip.isEmpty() ? kCellHint : c.tooltip);
    }
    const bool panel = s.wideView || s.arrangementMode;
    for (QPushButton* b : m_grades)
        b->setVisible(panel);
    m_half->setVisible(s.wideView && !s.arrangementMode);
    m_half->setText(browser.halfSwitchCaption());
    m_searchFrame->setVisible(s.wideView && !s.arrangementMode);
    m_hint->setVisible(s.wideView && !s.arrangementMode);
    m_hint->setText(s.searchHint);
    {
        const QSignalBlocker block(m_on);
        m_on->setChecked(s.searchOnReading);
        m_kun->setChecked(!s.searchOnReading);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_board, m_spreadsheet, m_saveData, m_readData})
        w->setVisible(s.arrangementMode);
    if (m_board->toPlainText() != s.arrangementText) {
        const QSignalBlocker block(m_board);
        m_board->setPlainText(s.arrangementText);
    }
    {
        const QSignalBlocker block(m_spreadsheet);
        m_spreadsheet->setChecked(s.spreadsheetSeparators);
    }
}

PublisherWindow::PublisherWindow(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("教科書会社の選択"));
    setFixedSize(px(2310), px(3765));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xFF, 0xE0, 0xC0));
    setPalette(pal);
    auto* heading = new QLabel(QStringLiteral("教科書の選択"), this);
    heading->setFont(screenFont(QStringLiteral("ＭＳ Ｐ明朝"), 12));
    heading->setGeometry(pxRect(240, 150, 1815, 375));
    const struct {
        const char16_t* caption;
        QRgb colour;
    } buttons[] = {{u"光村図書20", 0xFFFF00},
                   {u"学校図書20", 0xFFFF00},
                   {u"教育出版20", 0xFFFF00},
                   {u"東京書籍20", 0xFFFF00},
                   {u"指定しないで閉じる", 0x00FF00}};
    for (int i = 0; i < 5; ++i) {
        const QString caption = QString::fromUtf16(buttons[i].caption);
        auto* button = new QPushButton(caption, this);
        button->setFont(screenFont(QStringLiteral("ＭＳ Ｐ明朝"), 9));
        button->setGeometry(pxRect(240, 600 + 600.0 * i, 1815, 495));
        colourButton(button, QColor::fromRgb(buttons[i].colour));
        const QString choice = i < 4 ? caption : kNoTextbook;
        connect(button, &QPushButton::clicked, this, [this, &editor, choice] {
            editor.choosePublisher(choice);
            close();
        });
    }
}

void PublisherWindow::paintEvent(QPaintEvent*)
{
    // A raised frame: light along the top and left, dark along the bottom and right.
    QPainter p(this);
    const QRect r = rect().adjusted(1, 1, -2, -2);
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 3));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 3));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace kakitori
