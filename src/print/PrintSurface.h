#pragma once

#include <QString>

#include <optional>

namespace kakitori {

// Colours as the surface takes them: red in the low byte (0x00BBGGRR).
using PrintColour = quint32;

constexpr int kPaperA4 = 9;
constexpr int kPaperB4 = 12;
constexpr int kPortrait = 1;
constexpr int kLandscape = 2;

// Paper size in twips for a paper code and orientation (A4 when the code is unknown).
struct PaperTwips {
    double width;
    double height;
};
PaperTwips paperTwips(int paperSize, int orientation);

// The margins a back end cannot print on, in twips.
struct Margins {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// What every sheet draws on: a document of pages in twips, with a small drawing state kept
// between documents. Layouts set state and call the operations; a failed operation returns false
// and the layout goes on. A page on which nothing is drawn is never emitted.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Settings.
    void setPaperSize(int code) { m_paperSize = code; }
    void setOrientation(int orientation) { m_orientation = orientation; }
    void setColorMode(int mode) { m_colorMode = mode; }
    void setFontName(const QString& name) { m_fontName = name; }
    void setFontSize(double points) { m_fontSize = points; }
    void setFontBold(bool bold) { m_fontBold = bold; }
    void setFontItalic(bool italic) { m_fontItalic = italic; }
    void setForeColor(PrintColour colour) { m_foreColor = colour; }
    void setDrawStyle(int style) { m_drawStyle = style; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    int paperSize() const { return m_paperSize; }
    int orientation() const { return m_orientation; }
    int colorMode() const { return m_colorMode; }
    const QString& fontName() const { return m_fontName; }
    double fontSize() const { return m_fontSize; }
    bool fontBold() const { return m_fontBold; }
    bool fontItalic() const { return m_fontItalic; }
    PrintColour foreColor() const { return m_foreColor; }
    int drawStyle() const { return m_drawStyle; }
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }

    // Queries: the printable area and the paper of the current settings, and text metrics in
    // the current font.
    double scaleWidth() const;
    double scaleHeight() const;
    double width() const;
    double height() const;
    virtual double textWidth(const QString& text) = 0;
    virtual double textHeight(const QString& text) = 0;

    // Drawing. Print draws at the current position and moves it to the start of the next line;
    // the line and box forms take their colour, or ForeColor without one.
    bool print(const QString& text);
    bool line(double x1, double y1, double x2, double y2, std::optional<PrintColour> colour = {});
    bool box(double x1, double y1, double x2, double y2, std::optional<PrintColour> colour = {});
    void newPage();
    void endDoc();

    // The page settings a back end receives when a page begins.
    struct PageSetup {
        int paperSize;
        int orientation;
        int colorMode;
        double width, height;           // paper
        double scaleWidth, scaleHeight; // printable area
    };

protected:
    virtual Margins margins(int paperSize, int orientation) const = 0;

    // Called before the first drawing operation of a page (and of a document). False when the
    // device cannot start it; the drawing operation then fails.
    virtual bool beginPage(const PageSetup& setup, bool firstOfDocument) = 0;
    virtual void endDocument() = 0;
    virtual bool drawText(double x, double y, const QString& text) = 0;
    virtual bool drawLine(double x1, double y1, double x2, double y2, PrintColour colour) = 0;
    virtual bool drawBox(double x1, double y1, double x2, double y2, PrintColour colour) = 0;

private:
    bool ensurePage();

    int m_paperSize = kPaperA4;
    int m_orientation = kPortrait;
    int m_colorMode = 1;
    QString m_fontName;
    double m_fontSize = 12;
    bool m_fontBold = false;
    bool m_fontItalic = false;
    PrintColour m_foreColor = 0;
    int m_drawStyle = 0;
    double m_currentX = 0;
    double m_currentY = 0;
    bool m_documentOpen = false;
    bool m_pageOpen = false;
};

} // namespace kakitori
