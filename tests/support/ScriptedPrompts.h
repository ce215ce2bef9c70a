#pragma once

#include "Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <deque>
#include <functional>

// Prompts answered from a queue. Every prompt shown is recorded; a question, input or file dialog
// with no queued answer is reported through the failure handler and answered No/Cancel.
class ScriptedPrompts : public Prompts
{
public:
    struct Shown {
        QString kind; // "message", "question", "questionYesNoCancel", "input", "openFile", "saveFile", "chooseFolder"
        QString text;
        QString title;
        Icon icon = Icon::None;
    };

    using FailureHandler = std::function<void(const QString &)>;
    explicit ScriptedPrompts(FailureHandler onUnexpected = {});

    // Queue answers, used in order.
    ScriptedPrompts &answerYes() { m_answers.push_back(QStringLiteral("yes")); return *this; }
    ScriptedPrompts &answerNo() { m_answers.push_back(QStringLiteral("no")); return *this; }
    ScriptedPrompts &answerCancel() { m_answers.push_back(QStringLiteral("cancel")); return *this; }
    // For input boxes and file dialogs: the text or path to return.
    ScriptedPrompts &answerText(const QString &text) { m_answers.push_back(QStringLiteral("text:") + text); return *this; }

    void message(const QString &text, const QString &title, Icon icon) override;
    bool question(const QString &text, const QString &title, Icon icon) override;
    Answer questionYesNoCancel(const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> inputText(const QString &prompt, const QString &title, const QString &initial) override;
    QString openFile(const QString &title, const QString &filter, const QString &startFolder) override;
    QString saveFile(const QString &title, const QString &filter, const QString &startPath,
                     Overwrite overwrite = Overwrite::DialogConfirms) override;
    QString chooseFolder(const QString &title, const QString &startFolder) override;

    const QList<Shown> &shown() const { return m_shown; }
    // Texts of messages (not questions) in order.
    QStringList messages() const;
    QStringList titles() const;
    bool hasPendingAnswers() const { return !m_answers.empty(); }
    int pendingAnswers() const { return int(m_answers.size()); }
    const QStringList &failures() const { return m_failures; }
    void clear() { m_shown.clear(); }

    // Start folder or path passed to the last file dialog.
    QString lastDialogStart;
    QString lastDialogFilter;
    // Who was to confirm replacing a file in the last save dialog.
    Overwrite lastSaveOverwrite = Overwrite::DialogConfirms;

private:
    QString take(const QString &kind, const QString &text);
    void fail(const QString &why);

    std::deque<QString> m_answers;
    QList<Shown> m_shown;
    QStringList m_failures;
    FailureHandler m_onUnexpected;
};
