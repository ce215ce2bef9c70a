#pragma once

#include "RecordingMainWindow.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

// The recording main window, with the refresh messages and the save offers counted on their own.
class FakeMainWindow : public RecordingMainWindow
{
public:
    void ListMovies(const QString &message) override
    {
        RecordingMainWindow::ListMovies(message);
        listMovies << message;
    }
    void CheckSaved() override
    {
        RecordingMainWindow::CheckSaved();
        ++checkSaved;
    }

    QStringList listMovies;
    int checkSaved = 0;
};

// Runs f on the next modal dialog once it is up (the dialog's own event loop runs it).
inline void whenModal(std::function<void(QWidget *)> f)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, f] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            f(w);
        }
    });
    timer->start();
}
