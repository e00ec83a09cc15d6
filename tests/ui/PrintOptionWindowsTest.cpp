#include "ui/PrintOptionWindows.h"

#include "EditorFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QTest>

using namespace kakitori;

namespace {

// Every shown control lies inside its parent, and so inside the window's client area.
void expectControlsInside(const QWidget& window)
{
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        const QAbstractButton* button = qobject_cast<const QAbstractButton*>(w);
        const QRect g = w->geometry();
        EXPECT_TRUE(w->parentWidget()->rect().contains(g))
            << w->metaObject()->className() << " "
            << (button ? button->text() : QString()).toStdString() << " at " << g.x() << ","
            << g.y() << " " << g.width() << "x" << g.height() << " in "
            << w->parentWidget()->width() << "x" << w->parentWidget()->height();
    }
}

// A title bar shows the whole title when the window is as wide as the title in the application's
// font plus room for a window icon and three caption buttons.
void expectTitleFits(const QWidget& window)
{
    const int title = QFontMetrics(QApplication::font()).horizontalAdvance(window.windowTitle());
    EXPECT_GE(window.width(), title + 160) << window.windowTitle().toStdString();
}

// The application's font for one scope.
class ApplicationFont {
public:
    explicit ApplicationFont(double pointSize) : m_saved(QApplication::font())
    {
        QFont font = m_saved;
        if (pointSize > 0)
            font.setPointSizeF(pointSize);
        QApplication::setFont(font);
    }
    ~ApplicationFont() { QApplication::setFont(m_saved); }

private:
    QFont m_saved;
};

class PrintOptionWindowsTest : public EditorTest {};

} // namespace

TEST_F(PrintOptionWindowsTest, TheColourWindowHoldsItsButtonsAndShowsItsTitle)
{
    for (double pointSize : {0.0, 16.0}) {
        SCOPED_TRACE(pointSize);
        const ApplicationFont font(pointSize);
        ColourWindow window(editor, nullptr);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        expectControlsInside(window);
        expectTitleFits(window);
    }
}

TEST_F(PrintOptionWindowsTest, TheKanaWindowHoldsItsControlsAndShowsItsTitle)
{
    for (double pointSize : {0.0, 16.0}) {
        SCOPED_TRACE(pointSize);
        const ApplicationFont font(pointSize);
        KanaPositionWindow window(editor, nullptr);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The sample moves with the sliders; it stays inside at either end of both.
        for (auto [vertical, horizontal] : {std::pair{0, 0}, {-10, -10}, {10, 10}, {-10, 10}}) {
            SCOPED_TRACE(testing::Message() << vertical << " " << horizontal);
            editor.setKanaSliders(vertical, horizontal);
            window.sync();
            expectControlsInside(window);
        }
        expectTitleFits(window);
    }
}
