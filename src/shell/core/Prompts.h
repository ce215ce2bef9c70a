#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Every message box, question, input box and file dialog goes through this interface, so tests can
// answer them from a script and check what the user was told.
class Prompts
{
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Yes, No, Cancel };
    // Who asks before an existing file is replaced: the save dialog itself, or the caller (which
    // then asks its own question, so the user is asked once).
    enum class Overwrite { DialogConfirms, CallerConfirms };

    virtual ~Prompts() = default;

    // A message with an OK button.
    virtual void message(const QString &text, const QString &title, Icon icon) = 0;
    // A Yes/No question; true on Yes.
    virtual bool question(const QString &text, const QString &title, Icon icon = Icon::Question) = 0;
    // A Yes/No/Cancel question.
    virtual Answer questionYesNoCancel(const QString &text, const QString &title, Icon icon = Icon::Question) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString &prompt, const QString &title, const QString &initial = QString()) = 0;
    // File dialogs: the chosen path, or empty text when cancelled. filter uses Qt's form "Name (*.ext)".
    virtual QString openFile(const QString &title, const QString &filter, const QString &startFolder) = 0;
    virtual QString saveFile(const QString &title, const QString &filter, const QString &startPath,
                             Overwrite overwrite = Overwrite::DialogConfirms) = 0;
    virtual QString chooseFolder(const QString &title, const QString &startFolder) = 0;

    void information(const QString &text, const QString &title) { message(text, title, Icon::Information); }
    void warning(const QString &text, const QString &title) { message(text, title, Icon::Warning); }
    void critical(const QString &text, const QString &title) { message(text, title, Icon::Critical); }
};
