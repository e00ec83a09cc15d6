#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace kakitori {

// Why a subcommand must not write to output: it is one of the inputs (a PDF written over the
// problem file it was made from), or an existing folder, device or pipe, which a write through a
// temporary file and a rename would replace. Nothing when output may be written.
std::optional<QString> outputRefusal(const QString& output, const QStringList& inputs);

} // namespace kakitori
