#pragma once

#include "BatchFill.h"

#include <QDialog>
#include <functional>

class AppContext;
class QPushButton;
class QTreeWidget;

// The movies a batch fill could not match on its own: the user picks the right result for each,
// one at a time, in the same result window as a single fill, or leaves it as it is.
class frmResolveMovies : public QDialog
{
    Q_OBJECT
public:
    frmResolveMovies(AppContext &ctx, MovieInfoSource &source, const QList<BatchFill::Pending> &pending,
                     QWidget *parent = nullptr);

    // Fills movieId from the chosen result; true when it was filled.
    void setFill(std::function<bool(int movieId, const QString &sourceId)> fill) { m_fill = std::move(fill); }
    void setRunDialog(std::function<int(QDialog &)> run) { m_run = std::move(run); }

    // Opens the result window for the current movie of the list.
    void chooseCurrent();
    int remaining() const;

    QTreeWidget *lvPending;
    QPushButton *cmdChoose;
    QPushButton *cmdClose;

protected:
    void done(int result) override;

private:
    AppContext &m_ctx;
    MovieInfoSource &m_source;
    QList<BatchFill::Pending> m_pending;
    std::function<bool(int, const QString &)> m_fill;
    std::function<int(QDialog &)> m_run;
};
