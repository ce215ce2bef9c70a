#pragma once

#include "Services.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class AppContext;
class QLabel;
class QProgressBar;

// The shared progress window: a message above a bar.
class frmProgBar : public QWidget
{
    Q_OBJECT
public:
    explicit frmProgBar(QWidget *parent = nullptr);
    QLabel *lblDoingWhat;
    QProgressBar *pb1;
};

// Shows long work in frmProgBar with a busy cursor; at most one progress window exists at a time.
class ProgressWindow : public ProgressSink
{
public:
    // mainWindow is used for centring; it may be set later.
    explicit ProgressWindow(AppContext &ctx);
    ~ProgressWindow() override;
    void setMainWindow(QWidget *w) { m_main = w; }

    void ShowProgress(const QString &message, int minimum, int maximum) override;
    void UpdateProgress(qint64 value) override;
    void letEventsRun() override;

    frmProgBar *window() const { return m_window; }
    bool busyCursor() const { return m_cursorSet; }

private:
    void close();
    AppContext &m_ctx;
    QPointer<QWidget> m_main;
    QPointer<frmProgBar> m_window;
    bool m_cursorSet = false;
    QElapsedTimer m_sinceEvents;
};
