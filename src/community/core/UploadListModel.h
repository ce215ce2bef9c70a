#pragma once

#include <QAbstractListModel>
#include <QList>

class Catalogue;

// The catalogue's movies for uploading, one checkable row per movie (text Title, ticked when the
// movie has not been uploaded or downloaded yet).
class UploadListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit UploadListModel(QObject *parent = nullptr);

    enum Roles { MovieIdRole = Qt::UserRole + 1 };

    // Fills the list from the catalogue: all movies, or only those with web = 0.
    void load(Catalogue &catalogue, bool onlyNotUploaded);
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int movieId(int row) const { return m_rows.at(row).id; }
    bool isTicked(int row) const { return m_rows.at(row).ticked; }

private:
    struct Row {
        int id;
        QString title;
        bool ticked;
    };
    QList<Row> m_rows;
};
