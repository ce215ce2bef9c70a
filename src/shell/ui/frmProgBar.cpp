#include "frmProgBar.h"

#include "AppContext.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

frmProgBar::frmProgBar(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmProgBar"));
    setWindowTitle(tr(" Progress..."));
    auto *layout = new QVBoxLayout(this);
    lblDoingWhat = new QLabel(tr(" Progress..."), this);
    lblDoingWhat->setObjectName(QStringLiteral("lblDoingWhat"));
    pb1 = new QProgressBar(this);
    pb1->setObjectName(QStringLiteral("pb1"));
    layout->addWidget(lblDoingWhat);
    layout->addWidget(pb1);
    setMinimumWidth(360);
}

ProgressWindow::ProgressWindow(AppContext &ctx) : m_ctx(ctx) {}

ProgressWindow::~ProgressWindow()
{
    close();
}

void ProgressWindow::ShowProgress(const QString &message, int minimum, int maximum)
{
    m_ctx.guard(QStringLiteral("ShowProgress"), [&] {
        if (!m_cursorSet) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            m_cursorSet = true;
        }
        if (!m_window)
            m_window = new frmProgBar();
        m_window->lblDoingWhat->setText(message);
        m_window->pb1->setRange(minimum, std::max(minimum, maximum));
        m_window->pb1->setValue(minimum);
        m_window->adjustSize();
        QRect area;
        if (m_main && m_main->isVisible())
            area = m_main->frameGeometry();
        else if (QScreen *s = QGuiApplication::primaryScreen())
            area = s->availableGeometry();
        if (area.isValid())
            m_window->move(area.left() + (area.width() - m_window->width()) / 2,
                           area.top() + (area.height() - m_window->height()) / 2);
        m_window->show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_sinceEvents.start();
    }, false);
}

void ProgressWindow::UpdateProgress(qint64 value)
{
    m_ctx.guard(QStringLiteral("UpdateProgress"), [&] {
        if (!m_window)
            return;
        QProgressBar *bar = m_window->pb1;
        if (value < bar->minimum() || value > bar->maximum())
            throw CinelogError(380, logged("frmProgBar", "Invalid property value"));
        bar->setValue(int(value));
        if (value == bar->maximum())
            close();
        else
            letEventsRun();
    }, false);
}

void ProgressWindow::letEventsRun()
{
    // Keeps the window responsive without spending the work's time on event processing.
    if (!m_sinceEvents.isValid() || m_sinceEvents.elapsed() >= 50) {
        QCoreApplication::processEvents();
        m_sinceEvents.start();
    }
}

void ProgressWindow::close()
{
    if (m_window) {
        m_window->hide();
        m_window->deleteLater();
        m_window = nullptr;
    }
    if (m_cursorSet) {
        QApplication::restoreOverrideCursor();
        m_cursorSet = false;
    }
}
