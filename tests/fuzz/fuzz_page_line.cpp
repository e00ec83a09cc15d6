// Any bytes read as a problem file: every line splits and joins without a crash, a joined line
// always has 73 fields, and joining what was split is a fixed point.
#include "data/PageLine.h"
#include "data/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const kakitori::TextLines text = kakitori::decodeTextLines(bytes, 201);
    for (const kakitori::TextLine& line : text.lines) {
        kakitori::Page page = kakitori::pageFromLine(line.text);
        kakitori::fillPageFromLine(page, line.text);
        const QString joined = kakitori::joinPageLine(page);
        if (kakitori::splitPageLine(joined).size() != kakitori::kPageLineFields)
            std::abort();
        if (kakitori::joinPageLine(kakitori::pageFromLine(joined)) != joined)
            std::abort();
    }
    return 0;
}
