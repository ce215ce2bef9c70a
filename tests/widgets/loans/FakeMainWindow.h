#pragma once

#include "MainWindowLink.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

// Records what a window asks of the main window.
class FakeMainWindow : public MainWindowLink
{
public:
    void ListMovies(const QString &message) override { listMovies << message; }
    void GetGenres() override {}
    void GetDirectors() override {}
    void GetActors() override {}
    void GetRatings() override {}
    void GetFormats() override {}
    void GetMediums() override {}
    void CheckSaved() override { ++checkSaved; }
    void ShowMovieData() override {}
    void showMovie(int) override {}
    void reloadCover() override {}
    int CurrentMovieID() const override { return 0; }
    bool IsNewMovie() const override { return false; }
    bool IsSaved() const override { return true; }
    QString currentTitle() const override { return QString(); }
    QWidget *widget() override { return nullptr; }

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
