#pragma once

#include "CoverThumbnails.h"

#include <QAbstractItemView>
#include <QWidget>

class Catalogue;
class QLabel;
class QSlider;

// The movie list as a grid of cover thumbnails with the title under each. It shows the rows of the
// list's model and shares the list's selection model, so both show the same movies in the same
// order with the same movie chosen. Covers are read and scaled off the GUI thread and kept in a
// bounded cache; a movie without a cover, or with one that does not decode, shows its title's
// initials on a drawn card. Movies on loan carry a corner badge and the "Loaned To" tip.
class CoverWall : public QAbstractItemView
{
    Q_OBJECT
public:
    CoverWall(Catalogue &catalogue, QWidget *parent = nullptr);

    static constexpr int MinThumbWidth = 64;
    static constexpr int MaxThumbWidth = 320;
    // Small enough that a cover with its title fits the list pane of the main window at its first size.
    static constexpr int DefaultThumbWidth = 96;

    // Width of a cover in logical pixels (its height is one and a half times that).
    int thumbWidth() const { return m_thumbWidth; }
    void setThumbWidth(int width);
    void setCacheLimitBytes(qint64 bytes) { m_cache.setLimitBytes(bytes); }
    const ThumbnailCache &cache() const { return m_cache; }
    CoverThumbnailer &thumbnailer() { return m_loader; }

    enum class CoverState { Loading, Picture, Placeholder };
    // What the cover of a row shows at the moment.
    CoverState coverState(int row) const;
    // The box a row's cover is drawn in (viewport coordinates).
    QRect coverRect(int row) const;
    // The colour of the card drawn for a title without a picture.
    static QColor placeholderColour(const QString &title);
    // The initials a card shows: the first letters of the first two words.
    static QString initials(const QString &title);
    int columns() const;

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void setModel(QAbstractItemModel *model) override;
    void reset() override;
    // The movie's cover was stored anew: it is read again when shown.
    void coverChanged(int movieId);

signals:
    // Ctrl + wheel asked for bigger (positive) or smaller covers.
    void zoomRequested(int steps);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &index) const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles = {}) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void updateGeometries() override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    // A screen reader hears the chosen cover's title and loan (the wall has no cells it could read).
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    QSize cellSize() const;
    QRect cellRect(int row) const; // in content coordinates
    int rowCount() const;
    int idOf(int row) const;
    QString titleOf(int row) const;
    QSize deviceBox() const;
    void thumbnailArrived(int movieId, const QSize &box, const QImage &image);
    void paintCell(QPainter &p, int row, const QRect &cell);

    Catalogue &m_catalogue;
    ThumbnailCache m_cache;
    CoverThumbnailer m_loader;
    int m_thumbWidth = DefaultThumbWidth;
};

// The wall with its size slider above it, as the main window shows it in place of the list.
class CoverWallPane : public QWidget
{
    Q_OBJECT
public:
    CoverWallPane(Catalogue &catalogue, QWidget *parent = nullptr);
    CoverWall *wall;
    QSlider *sldCoverSize;
    QLabel *lblCoverSize;
};
