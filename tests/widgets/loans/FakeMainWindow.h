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
    FakeMainWindow()
    {
        auto refresh = [this](const QString &message) { listMovies << message; };
        QObject::connect(&events, &CatalogueEvents::moviesChanged, refresh);
        QObject::connect(&events, &CatalogueEvents::loansChanged, refresh);
        QObject::connect(&edited, &EditedMovie::saveOfferRequested, [this] { ++checkSaved; });
    }
    void reset()
    {
        RecordingMainWindow::reset();
        listMovies.clear();
        checkSaved = 0;
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
