// Any bytes read as a problem file and saved without an edit: a file read as code page 932 in the
// form the tool writes comes back byte for byte (damaged bytes and a stray byte-order mark
// included), and saving what was saved is a fixed point.
#include "data/ProblemFile.h"

#include <cstdlib>

namespace {

// The form a save writes: every line ended by CR LF, no empty line at the end, at most 201 lines.
bool inSavedForm(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return true;
    if (!bytes.endsWith("\r\n") || bytes.endsWith("\r\n\r\n") || bytes == "\r\n")
        return false;
    qsizetype lines = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r' || ++lines > 201))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const kakitori::ProblemRead read = kakitori::problemFromContent(bytes);
    const kakitori::ProblemEncoding first = kakitori::encodeProblemLines(read.lines);
    if (!first.ok())
        return 0; // UTF-8 text with a character code page 932 has no form for
    // Lines read as code page 932 keep their bytes; UTF-8 ones are encoded anew.
    const bool readAsCp932 =
        kakitori::decodeTextLines(bytes, kakitori::kMaxProblemLines).encoding ==
        kakitori::TextEncoding::Cp932;
    if (inSavedForm(bytes) && readAsCp932 && first.bytes != bytes)
        std::abort();
    const kakitori::ProblemEncoding second =
        kakitori::encodeProblemLines(kakitori::problemFromContent(first.bytes).lines);
    if (!second.ok() || second.bytes != first.bytes)
        std::abort();
    return 0;
}
