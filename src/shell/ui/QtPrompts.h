#pragma once

#include "Prompts.h"
#include "Services.h"

class QWidget;

// Prompts shown with Qt's message boxes, input dialogs and file dialogs.
class QtPrompts : public Prompts
{
public:
    void message(const QString &text, const QString &title, Icon icon) override;
    bool question(const QString &text, const QString &title, Icon icon) override;
    Answer questionYesNoCancel(const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> inputText(const QString &prompt, const QString &title, const QString &initial) override;
    QString openFile(const QString &title, const QString &filter, const QString &startFolder) override;
    QString saveFile(const QString &title, const QString &filter, const QString &startPath,
                     Overwrite overwrite = Overwrite::DialogConfirms) override;
    QString chooseFolder(const QString &title, const QString &startFolder) override;
};

class DesktopUrlOpener : public UrlOpener
{
public:
    void open(const QUrl &url) override;
};
