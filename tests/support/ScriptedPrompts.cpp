#include "ScriptedPrompts.h"

#include <QDebug>

ScriptedPrompts::ScriptedPrompts(FailureHandler onUnexpected) : m_onUnexpected(std::move(onUnexpected)) {}

void ScriptedPrompts::fail(const QString &why)
{
    m_failures << why;
    qWarning().noquote() << "ScriptedPrompts:" << why;
    if (m_onUnexpected)
        m_onUnexpected(why);
}

QString ScriptedPrompts::take(const QString &kind, const QString &text)
{
    if (m_answers.empty()) {
        fail(QStringLiteral("unexpected %1: %2").arg(kind, text));
        return QString();
    }
    QString a = m_answers.front();
    m_answers.pop_front();
    return a;
}

void ScriptedPrompts::message(const QString &text, const QString &title, Icon icon)
{
    m_shown.append({QStringLiteral("message"), text, title, icon});
}

bool ScriptedPrompts::question(const QString &text, const QString &title, Icon icon)
{
    m_shown.append({QStringLiteral("question"), text, title, icon});
    const QString a = take(QStringLiteral("question"), text);
    if (a != QLatin1String("yes") && a != QLatin1String("no") && !a.isEmpty())
        fail(QStringLiteral("question answered with '%1': %2").arg(a, text));
    return a == QLatin1String("yes");
}

Prompts::Answer ScriptedPrompts::questionYesNoCancel(const QString &text, const QString &title, Icon icon)
{
    m_shown.append({QStringLiteral("questionYesNoCancel"), text, title, icon});
    const QString a = take(QStringLiteral("questionYesNoCancel"), text);
    if (a == QLatin1String("yes"))
        return Answer::Yes;
    if (a == QLatin1String("no"))
        return Answer::No;
    return Answer::Cancel;
}

std::optional<QString> ScriptedPrompts::inputText(const QString &prompt, const QString &title, const QString &initial)
{
    m_shown.append({QStringLiteral("input"), prompt, title, Icon::None});
    lastDialogStart = initial;
    const QString a = take(QStringLiteral("input"), prompt);
    if (a.startsWith(QLatin1String("text:")))
        return a.mid(5);
    return std::nullopt;
}

static QString fileAnswer(const QString &a)
{
    return a.startsWith(QLatin1String("text:")) ? a.mid(5) : QString();
}

QString ScriptedPrompts::openFile(const QString &title, const QString &filter, const QString &startFolder)
{
    m_shown.append({QStringLiteral("openFile"), QString(), title, Icon::None});
    lastDialogStart = startFolder;
    lastDialogFilter = filter;
    return fileAnswer(take(QStringLiteral("openFile"), title));
}

QString ScriptedPrompts::saveFile(const QString &title, const QString &filter, const QString &startPath, Overwrite overwrite)
{
    m_shown.append({QStringLiteral("saveFile"), QString(), title, Icon::None});
    lastDialogStart = startPath;
    lastDialogFilter = filter;
    lastSaveOverwrite = overwrite;
    return fileAnswer(take(QStringLiteral("saveFile"), title));
}

QString ScriptedPrompts::chooseFolder(const QString &title, const QString &startFolder)
{
    m_shown.append({QStringLiteral("chooseFolder"), QString(), title, Icon::None});
    lastDialogStart = startFolder;
    return fileAnswer(take(QStringLiteral("chooseFolder"), title));
}

QStringList ScriptedPrompts::messages() const
{
    QStringList out;
    for (const Shown &s : m_shown)
        if (s.kind == QLatin1String("message"))
            out << s.text;
    return out;
}

QStringList ScriptedPrompts::titles() const
{
    QStringList out;
    for (const Shown &s : m_shown)
        out << s.title;
    return out;
}
