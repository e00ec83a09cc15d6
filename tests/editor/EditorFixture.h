#pragma once

#include "editor/Editor.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <deque>

// Dialogs that answer from a script and remember what they were asked.
class ScriptedDialogs : public kakitori::EditorDialogs {
public:
    std::deque<bool> answers;  // for ask(); an empty script answers No
    std::deque<QString> files; // for both file dialogs; none left, or an empty name, cancels
    std::optional<kakitori::FontChoice> font; // for chooseFont
    QStringList questions;                    // every ask() text
    QStringList messages;                     // every inform() text
    QStringList suggestedNames;               // what each save dialog offered
    int beeps = 0;

    bool ask(const QString& title, const QString& text, Icon) override;
    void inform(const QString& title, const QString& text, Icon) override;
    std::optional<QString> chooseFileToOpen(const QString& filter) override;
    std::optional<QString> chooseFileToSave(const QString& suggested,
                                            const QString& filter) override;
    std::optional<kakitori::FontChoice>
    chooseFont(const std::optional<kakitori::FontChoice>& preset) override;
    void beep() override { ++beeps; }
};

// An editor started in a temporary folder, measuring 300 twips a character.
class EditorTest : public testing::Test {
protected:
    EditorTest();

    // Opens a problem file of the given lines through the toolbar's open button.
    void openLines(const QStringList& lines, const QString& name = QStringLiteral("a.mojx"));
    // Clicks a cell and types text into the edit box (as committed without conversion).
    void type(int row, kakitori::RowField kind, const QString& text);
    // Types a word through the input method: kana preedit, conversion, commit.
    void convert(int row, kakitori::RowField kind, const QString& kana, const QString& word);

    const kakitori::EditorState& state() const { return editor.state(); }
    const QString& cell(int row, kakitori::RowField kind) const
    {
        return state().cells.rows[row - 1][kind];
    }

    TestFolder folder;
    ScriptedDialogs dialogs;
    kakitori::Editor editor;
};

// A full 73-field line with rows given as up to seven fields each.
QString pageLine(const QString& heading, const QString& font,
                 std::initializer_list<std::initializer_list<const char*>> rows);
