#include "render/TraceSurface.h"

#include "data/JsonText.h"
#include "render/PaintTargets.h"
#include "render/PrintFonts.h"

namespace kakitori {

namespace {

TextMetrics printMetrics()
{
    return {[](const QString& font, double size, const QString& text) {
                return printFace(font, size).advance(text);
            },
            [](const QString& font, double size) { return printFace(font, size).height(); }};
}

} // namespace

TraceSurface::TraceSurface() : RecordingSurface(pdfMargins(), printMetrics()) {}

void writeTrace(const QList<RecordedOp>& ops, QTextStream& out)
{
    const auto n = [](double v) { return jsonNumber(v); };
    for (const RecordedOp& op : ops) {
        switch (op.kind) {
        case RecordedOp::Page:
            out << "{\"op\":\"page\",\"paper\":" << op.page.paperSize
                << ",\"orientation\":" << op.page.orientation << ",\"width\":" << n(op.page.width)
                << ",\"height\":" << n(op.page.height)
                << ",\"scaleWidth\":" << n(op.page.scaleWidth)
                << ",\"scaleHeight\":" << n(op.page.scaleHeight) << "}\n";
            break;
        case RecordedOp::Text:
            out << "{\"op\":\"text\",\"x\":" << n(op.x1) << ",\"y\":" << n(op.y1)
                << ",\"text\":" << jsonString(op.text) << ",\"font\":" << jsonString(op.font)
                << ",\"size\":" << n(op.size) << ",\"color\":" << op.colour << "}\n";
            break;
        case RecordedOp::Line:
        case RecordedOp::Box:
            out << "{\"op\":\"" << (op.kind == RecordedOp::Line ? "line" : "box")
                << "\",\"x1\":" << n(op.x1) << ",\"y1\":" << n(op.y1) << ",\"x2\":" << n(op.x2)
                << ",\"y2\":" << n(op.y2) << ",\"color\":" << op.colour << ",\"style\":" << op.style
                << "}\n";
            break;
        case RecordedOp::EndDoc:
            out << "{\"op\":\"enddoc\"}\n";
            break;
        }
    }
}

} // namespace kakitori
