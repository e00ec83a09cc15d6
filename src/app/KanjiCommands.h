#pragma once

#include <QStringList>
#include <QTextStream>

namespace kakitori {

// kakitori kanji TABLE GRADE: the rows of a grade allocation table whose grade field is GRADE,
// as stored, one a line, in table order (header rows included).
int kanjiCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// kakitori search on|kun TEXT: every match of the reading search in order, one a line:
// kanji TAB the other reading TAB grade.
int searchCommand(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace kakitori
