#include "app/OutputFiles.h"

#include <QFileInfo>

namespace kakitori {

std::optional<QString> outputRefusal(const QString& output, const QStringList& inputs)
{
    const QFileInfo out(output);
    if (!out.exists())
        return std::nullopt;
    if (!out.isFile())
        return QStringLiteral("出力先「%1」は普通のファイルではない（フォルダー、装置やパイプ"
                              "です）ため、書き込みません。")
            .arg(output);
    for (const QString& input : inputs)
        if (out.canonicalFilePath() == QFileInfo(input).canonicalFilePath())
            return QStringLiteral("出力先「%1」は読み込むファイルと同じです。別の名前を"
                                  "指定してください。")
                .arg(output);
    return std::nullopt;
}

} // namespace kakitori
