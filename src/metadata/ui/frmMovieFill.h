#pragma once

#include "MovieDetails.h"

#include <QDialog>

class AppContext;
class QLabel;
class QPushButton;
class QTreeWidget;

// What a fill would change, field by field: the movie's value now, the source's value, and a tick
// per field. The ticks start on the empty fields only.
class frmMovieFill : public QDialog
{
    Q_OBJECT
public:
    frmMovieFill(AppContext &ctx, const MovieDetails::Plan &plan, const QString &movieTitle, const QString &sourceName,
                 QWidget *parent = nullptr);

    QSet<MovieDetails::Field> chosen() const;
    // Ticks or clears a field's row (for tests and keyboard users alike: Space on a row does it).
    void setTicked(MovieDetails::Field field, bool ticked);

    QTreeWidget *lvFields;
    QPushButton *cmdApply;
    QPushButton *cmdCancel;

protected:
    void done(int result) override;

private:
    AppContext &m_ctx;
};
