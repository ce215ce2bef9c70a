#pragma once

#include <QFrame>
#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QTimer;
class QWidget;

// A tip with a bold title and a few lines of text, shown near the mouse over the window it was
// created on: it appears after half a second and goes away after ten seconds, when the mouse leaves
// that window, or on Destroy. Style 2 draws it as a rounded balloon; icon 1 puts an information
// sign before the title.
class clsToolTip : public QObject
{
    Q_OBJECT

public:
    enum Style { Standard = 1, Balloon = 2 };
    enum TitleIcon { NoIcon = 0, InformationIcon = 1, WarningIcon = 2, ErrorIcon = 3 };

    explicit clsToolTip(QObject *parent = nullptr);
    ~clsToolTip() override;

    // Builds the tip for owner with the current style, icon, title and text (set those first).
    void Create(QWidget *owner);
    void Destroy();

    void setIcon(int value);
    int Icon() const { return m_icon; }
    // Takes effect at the next Create.
    void setStyle(int value) { m_style = value; }
    int Style() const { return m_style; }
    void setTitle(const QString &value);
    QString Title() const { return m_title; }
    void setToolTip(const QString &value);
    QString ToolTip() const { return m_text; }

    // The tip's window while one exists (shown or waiting for its delay).
    QFrame *window() const { return m_window; }
    bool exists() const { return m_window != nullptr; }

    static constexpr int InitialDelayMs = 500;
    static constexpr int AutoPopMs = 10000;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateTexts();
    void showNow();

    int m_style = Standard;
    int m_icon = InformationIcon;
    QString m_title;
    QString m_text;
    QPointer<QFrame> m_window;
    QPointer<QWidget> m_owner;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_textLabel = nullptr;
    QTimer *m_initial;
    QTimer *m_autoPop;
};
