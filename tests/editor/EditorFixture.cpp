#include "EditorFixture.h"

#include "data/PageLine.h"

using namespace kakitori;

bool ScriptedDialogs::ask(const QString&, const QString& text, Icon)
{
    questions.append(text);
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDialogs::inform(const QString&, const QString& text, Icon)
{
    messages.append(text);
}

std::optional<QString> ScriptedDialogs::chooseFileToOpen(const QString&)
{
    if (files.empty())
        return std::nullopt;
    const QString file = files.front();
    files.pop_front();
    return file.isEmpty() ? std::nullopt : std::optional(file);
}

std::optional<QString> ScriptedDialogs::chooseFileToSave(const QString& suggested, const QString&)
{
    suggestedNames.append(suggested);
    return chooseFileToOpen(QString());
}

std::optional<FontChoice> ScriptedDialogs::chooseFont(const std::optional<FontChoice>&)
{
    return font;
}

EditorTest::EditorTest()
    : editor(
          dialogs, [](RowField, const QString& text) { return 30.0 + 300 * text.size(); },
          EditorEnvironment{folder.path(QStringLiteral("FM3.ini")), QDir(folder.path(QString())),
                            [] { return QDateTime(QDate(2026, 2, 1), QTime(7, 3)); }})
{
    editor.startUp();
}

void EditorTest::openLines(const QStringList& lines, const QString& name)
{
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += cp932(l) + "\r\n";
    dialogs.files.push_back(folder.write(name, bytes));
    editor.run(Command::Open, Origin::Toolbar);
}

void EditorTest::type(int row, RowField kind, const QString& text)
{
    editor.clickCell(row, kind);
    editor.inputMethodEvent(QString(), text);
    editor.editBoxEdited(text);
}

void EditorTest::convert(int row, RowField kind, const QString& kana, const QString& word)
{
    editor.clickCell(row, kind);
    editor.inputMethodEvent(kana, QString());
    editor.inputMethodEvent(word, QString());
    editor.inputMethodEvent(QString(), word);
    editor.editBoxEdited(word);
}

QString pageLine(const QString& heading, const QString& font,
                 std::initializer_list<std::initializer_list<const char*>> rows)
{
    Page page;
    page.heading = heading;
    page.font = font;
    int r = 0;
    for (const auto& fields : rows) {
        int f = 0;
        for (const char* text : fields)
            page.rows[r].fields[f++] = QString::fromUtf8(text);
        ++r;
    }
    return joinPageLine(page);
}
