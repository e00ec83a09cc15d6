#pragma once

#include <QString>

#include <optional>

namespace kakitori {

struct FontChoice {
    QString name;
    int pointSize = 25;
    bool bold = false;
    bool italic = false;
};

// Every question and dialog the editor needs, behind one seam: the window answers with real
// dialogs, tests with scripted answers.
class EditorDialogs {
public:
    enum class Icon { Question, Information, Warning };

    virtual ~EditorDialogs() = default;

    // A Yes / No question; true only for Yes.
    virtual bool ask(const QString& title, const QString& text, Icon icon) = 0;
    virtual void inform(const QString& title, const QString& text, Icon icon) = 0;
    // The chosen existing file, or nothing when cancelled.
    virtual std::optional<QString> chooseFileToOpen(const QString& filter) = 0;
    // The chosen path, or nothing when cancelled; suggested is the name offered.
    virtual std::optional<QString> chooseFileToSave(const QString& suggested,
                                                    const QString& filter) = 0;
    // preset is the font the dialog starts from, when it has one.
    virtual std::optional<FontChoice> chooseFont(const std::optional<FontChoice>& preset) = 0;
    virtual void beep() = 0;
};

} // namespace kakitori
