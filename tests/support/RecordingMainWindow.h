#pragma once

#include "MainWindowLink.h"

#include <QStringList>
#include <QWidget>
#include <functional>

// A stand-in for the main window that records, in order, what a window asks of it:
// "ListMovies <message>", "GetGenres", ..., "CheckSaved", "ShowMovieData", "showMovie <id>",
// "reloadCover". The editor state it reports is set by the test.
class RecordingMainWindow : public MainWindowLink
{
public:
    void ListMovies(const QString &message) override { calls << QStringLiteral("ListMovies ") + message; }
    void GetGenres() override { calls << QStringLiteral("GetGenres"); }
    void GetDirectors() override { calls << QStringLiteral("GetDirectors"); }
    void GetActors() override { calls << QStringLiteral("GetActors"); }
    void GetRatings() override { calls << QStringLiteral("GetRatings"); }
    void GetFormats() override { calls << QStringLiteral("GetFormats"); }
    void GetMediums() override { calls << QStringLiteral("GetMediums"); }
    void CheckSaved() override { calls << QStringLiteral("CheckSaved"); }
    void ShowMovieData() override
    {
        calls << QStringLiteral("ShowMovieData");
        if (onShowMovieData)
            onShowMovieData();
    }
    void showMovie(int id) override
    {
        calls << QStringLiteral("showMovie %1").arg(id);
        movieId = id;
    }
    void reloadCover() override { calls << QStringLiteral("reloadCover"); }
    int CurrentMovieID() const override { return movieId; }
    bool IsNewMovie() const override { return false; }
    bool IsSaved() const override { return true; }
    QString currentTitle() const override { return title; }
    QWidget *widget() override { return window; }

    // How many calls began with name.
    int count(const QString &name) const
    {
        int n = 0;
        for (const QString &c : calls)
            n += (c == name || c.startsWith(name + QLatin1Char(' '))) ? 1 : 0;
        return n;
    }

    QStringList calls;
    int movieId = 0;
    QString title;
    QWidget *window = nullptr;
    std::function<void()> onShowMovieData;
};
