#pragma once

#include "MovieInfoInterface.h"

#include <QDialog>
#include <optional>

class AppContext;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The results of a search of the movie-information source: title, original title, year and a
// poster thumbnail, the first lines of the overview as a tip. Keyboard first: type a title, Enter
// searches, the arrows move through the results, Enter takes one.
class frmMovieResults : public QDialog
{
    Q_OBJECT
public:
    frmMovieResults(AppContext &ctx, MovieInfoSource &source, QWidget *parent = nullptr);
    ~frmMovieResults() override;

    void setQuery(const QString &title, const QString &year);
    // Shows results found before (a batch's ambiguous movie) without searching.
    void setResults(const QList<MovieInfo::SearchResult> &results);
    // Searches for what the boxes hold; false (after telling the user) when the search failed.
    bool search();
    // Thumbnails are fetched after the results are shown (on by default).
    void setThumbnails(bool on) { m_thumbnails = on; }

    std::optional<MovieInfo::SearchResult> chosen() const;
    const QList<MovieInfo::SearchResult> &results() const { return m_results; }

    QLineEdit *txtSearchTitle;
    QLineEdit *txtSearchYear;
    QPushButton *cmdSearch;
    QTreeWidget *lvResults;
    QLabel *lblResultsStatus;
    QPushButton *cmdTake;
    QPushButton *cmdCancel;

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fetchThumbnails();

    AppContext &m_ctx;
    MovieInfoSource &m_source;
    QList<MovieInfo::SearchResult> m_results;
    bool m_thumbnails = true;
    bool m_closing = false;
    int m_generation = 0;
};
