#include "ui/PrintOptionWindows.h"

#include "ui/ScreenGeometry.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace kakitori {

namespace {

// The four greys of the colour window, light to dark.
constexpr QRgb kGreys[] = {0xF5F5F5, 0xD3D3D3, 0xA9A9A9, 0x808080};

// The box with its two red guide lines the kana sample moves in.
class GuideBox : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(Qt::red);
        // The guides cross at (1200, 1080) of the window; this box stands at (240, 240).
        p.drawLine(px(120 - 240), px(1080 - 240), px(2280 - 240), px(1080 - 240));
        p.drawLine(px(1200 - 240), px(120 - 240), px(1200 - 240), px(2160 - 240));
    }
};

// Room beside a title for a window icon and three caption buttons as wide as Windows draws them
// (46 px); it also keeps a centred title clear of a close button on one side.
constexpr int kTitleBarAllowance = 160;

// The narrowest window whose title bar shows the whole title. The title bar's font is the window
// manager's; measure the application's, bold as many title bars draw it.
int titleBarWidth(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(title))) + kTitleBarAllowance;
}

} // namespace

ColourWindow::ColourWindow(Editor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_sample(new QLabel(QStringLiteral("亜"), this))
{
    setWindowTitle(QStringLiteral("色設定"));
    // The controls fill the width, so it is settled first; the height is what they take.
    const int windowWidth = std::max(px(1440) + 60, titleBarWidth(windowTitle()));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(pal);

    m_sample->setFont(screenFont(QStringLiteral("ＭＳ Ｐゴシック"), 48));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setAutoFillBackground(true);
    m_sample->setGeometry(10, 10, windowWidth - 20, 80);

    auto* frame = new QGroupBox(QStringLiteral("なぞり書き色"), this);
    frame->setGeometry(10, 100, windowWidth - 20, 130);
    auto* group = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("淡い"), QString(), QString(),
                                QStringLiteral("濃い")};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(captions[i], frame);
        button->setGeometry(10, 22 + 25 * i, 70, 22);
        group->addButton(button, i + 1);
    }
    auto* arrows = new QLabel(QStringLiteral("↑\n\n\n↓"), frame);
    arrows->setGeometry(frame->width() - 30, 22, 20, 100);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        m_choice = id;
        QPalette p = m_sample->palette();
        p.setColor(QPalette::WindowText, QColor::fromRgb(kGreys[id - 1]));
        m_sample->setPalette(p);
    });

    auto* decide = new QPushButton(QStringLiteral("決定"), this);
    decide->setGeometry(10, 240, windowWidth - 20, 26);
    auto* cancel = new QPushButton(QStringLiteral("取り消し"), this);
    cancel->setGeometry(10, 272, windowWidth - 20, 26);
    setFixedSize(windowWidth, cancel->geometry().bottom() + 1 + 10);
    connect(decide, &QPushButton::clicked, this, [this] {
        m_editor.colourWindowDecided(m_choice);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_editor.colourWindowCancelled();
        reject();
    });
}

KanaPositionWindow::KanaPositionWindow(Editor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor)
{
    setWindowTitle(QStringLiteral("かな印字位置調整"));
    // The controls stand where they were designed, on a panel centred in a window that may be
    // wider for its title.
    auto* panel = new QWidget(this);
    auto* box = new GuideBox(panel);
    box->setGeometry(pxRect(240, 240, 1935, 1815));
    m_sample = new QLabel(QStringLiteral("亜"), panel);
    m_sample->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_vertical = new QSlider(Qt::Vertical, panel);
    m_horizontal = new QSlider(Qt::Horizontal, panel);
    for (QSlider* slider : {m_vertical, m_horizontal}) {
        slider->setRange(-10, 10);
        slider->setSingleStep(1);
        slider->setPageStep(5);
        connect(slider, &QSlider::valueChanged, this, &KanaPositionWindow::slidersMoved);
    }
    // Up on the slider moves the sample up: the top is the negative end.
    m_vertical->setInvertedAppearance(true);
    m_vertical->setGeometry(pxRect(2280, 0, 615, 2175));
    m_horizontal->setGeometry(pxRect(120, 2160, 2175, 630));
    auto* centre = new QPushButton(QStringLiteral("中央"), panel);
    centre->setGeometry(pxRect(2280, 2280, 540, 375));
    connect(centre, &QPushButton::clicked, this, [this] {
        m_vertical->setValue(0);
        m_horizontal->setValue(0);
    });
    // The horizontal slider's left margin on the right of the vertical one as well.
    panel->setFixedSize(m_vertical->geometry().right() + 1 + px(120), px(2745) + 10);
    const int windowWidth = std::max(panel->width(), titleBarWidth(windowTitle()));
    panel->move((windowWidth - panel->width()) / 2, 0);
    setFixedSize(windowWidth, panel->height());
    sync();
}

void KanaPositionWindow::sync()
{
    const EditorState& s = m_editor.state();
    const QString font = fontForWriting(m_editor.printFont());
    m_sample->setFont(screenFont(font, 72));
    const QSignalBlocker v(m_vertical), h(m_horizontal);
    m_vertical->setValue(s.kanaSliderVertical);
    m_horizontal->setValue(s.kanaSliderHorizontal);
    m_sample->setGeometry(
        pxRect(480 + 30.0 * s.kanaSliderHorizontal, 360 + 30.0 * s.kanaSliderVertical, 1455, 1455));
}

void KanaPositionWindow::slidersMoved()
{
    m_editor.setKanaSliders(m_vertical->value(), m_horizontal->value());
    sync();
}

void KanaPositionWindow::closeEvent(QCloseEvent* event)
{
    m_editor.kanaWindowDiscarded();
    QDialog::closeEvent(event);
}

} // namespace kakitori
