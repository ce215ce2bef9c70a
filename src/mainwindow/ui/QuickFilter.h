#pragma once

#include <QList>
#include <QWidget>

class MovieListModel;
class QLabel;
class QLineEdit;
class QToolButton;
class QTreeView;

// The box above the movie list that narrows it as the user types: movies whose title, sort key or
// director contain every word typed. Ctrl+K, or "/" in the list, puts the cursor in it; Escape
// clears it. Other windows can narrow the list to a set of movies instead (setMovieIds), shown as a
// chip in the box that a click removes.
//
// While the filter changes, the movie selected in the list stays selected if it is still in; a
// movie saved since the last keystroke stays in the list even if it no longer matches.
class AppContext;
class IniFile;
class frmOptions;

class QuickFilter : public QWidget
{
    Q_OBJECT
public:
    explicit QuickFilter(QWidget *parent = nullptr);

    // Filters model, shown in view, and keeps countLabel's number of movies up to date; a failure of
    // the catalogue while filtering is reported through ctx.
    void attach(QTreeView *view, MovieListModel *model, QLabel *countLabel, AppContext &ctx);

    // Narrows the list to these movies; label names the set on the chip ("Rated 7 stars").
    void setMovieIds(const QList<int> &movieIds, const QString &label);
    // Shows every movie again.
    void clear();
    bool isActive() const;
    QString text() const;
    QLineEdit *lineEdit() const { return txtQuickFilter; }
    // Whether typed words also find movies by their actors' names (the "QuickFilter" "Cast" setting).
    void setCastIncluded(bool included);
    bool castIncluded() const;
    // Reads the settings above from ini.
    void readSettings(const IniFile &ini);
    // Adds the filter's row to the options dialog; stored and applied when the dialog saves.
    void addOptions(frmOptions &dlg);
    // Sets the count label from the filtered list (after the list was filled again under a filter).
    void updateCount();

signals:
    // The list was narrowed or shown whole.
    void activeChanged(bool active);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();
    void showChip(const QString &label);
    void focusBox();

    QLineEdit *txtQuickFilter;
    QToolButton *btnFilterChip;
    QTreeView *m_view = nullptr;
    MovieListModel *m_model = nullptr;
    QLabel *m_count = nullptr;
    AppContext *m_ctx = nullptr;
    bool m_wasActive = false;
    bool m_castIncluded = false;
};
