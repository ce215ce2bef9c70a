#include "QtPrompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QWidget *parentWindow()
{
    QWidget *w = QApplication::activeWindow();
    return w ? w : nullptr;
}

QMessageBox::Icon toQt(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::Warning: return QMessageBox::Warning;
    case Prompts::Icon::Critical: return QMessageBox::Critical;
    case Prompts::Icon::Question: return QMessageBox::Question;
    case Prompts::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Messages use carriage returns to break lines, as the program's texts were written.
QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

int run(Prompts::Icon icon, const QString &text, const QString &title, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton def)
{
    QMessageBox box(toQt(icon), title, displayText(text), buttons, parentWindow());
    box.setDefaultButton(def);
    return box.exec();
}

} // namespace

void QtPrompts::message(const QString &text, const QString &title, Icon icon)
{
    run(icon, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPrompts::question(const QString &text, const QString &title, Icon icon)
{
    return run(icon, text, title, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

Prompts::Answer QtPrompts::questionYesNoCancel(const QString &text, const QString &title, Icon icon)
{
    switch (run(icon, text, title, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

std::optional<QString> QtPrompts::inputText(const QString &prompt, const QString &title, const QString &initial)
{
    bool ok = false;
    QString v = QInputDialog::getText(parentWindow(), title, displayText(prompt), QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return v;
}

QString QtPrompts::openFile(const QString &title, const QString &filter, const QString &startFolder)
{
    return QFileDialog::getOpenFileName(parentWindow(), title, startFolder, filter);
}

QString QtPrompts::saveFile(const QString &title, const QString &filter, const QString &startPath, Overwrite overwrite)
{
    QFileDialog::Options options;
    if (overwrite == Overwrite::CallerConfirms)
        options |= QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(parentWindow(), title, startPath, filter, nullptr, options);
}

QString QtPrompts::chooseFolder(const QString &title, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(parentWindow(), title, startFolder);
}

void DesktopUrlOpener::open(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}
