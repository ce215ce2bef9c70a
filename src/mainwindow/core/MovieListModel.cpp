#include "MovieListModel.h"

#include "Catalogue.h"
#include "MovieStore.h"

#include <QBrush>
#include <QHash>
#include <QSqlQuery>
#include <algorithm>

const QStringList &MovieListModel::headers()
{
    static const QStringList h = {
        QStringLiteral("ID"), QStringLiteral("Title"), QStringLiteral("Order By"), QStringLiteral("Director"),
        QStringLiteral("Genre1"), QStringLiteral("Genre2"), QStringLiteral("Genre3"), QStringLiteral("Medium"),
        QStringLiteral("Format"), QStringLiteral("Rating"), QStringLiteral("Release"), QStringLiteral("Time"),
        QStringLiteral("Num of Discs"), QStringLiteral("Stars"), QStringLiteral("URL")};
    return h;
}

MovieListModel::MovieListModel(QObject *parent) : QAbstractTableModel(parent) {}

QString MovieListModel::timeText(const QString &runningTime)
{
    return runningTime.isEmpty() ? QStringLiteral("NA") : runningTime + QStringLiteral(" min");
}

void MovieListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void MovieListModel::fill(Catalogue &catalogue, const std::function<void(qint64, qint64)> &progress)
{
    // One statement for the whole list: each movie with the borrower of its first open loan, found
    // through the index on LoanOut.MovieID.
    QSqlQuery q = catalogue.exec(QStringLiteral(
        "SELECT m.ID, m.Title, m.OrderBy, m.Director, m.Genre1, m.Genre2, m.Genre3, m.Medium, m.Format, m.Rating, "
        "m.ReleaseYear, m.RunningTime, m.NumDiscs, m.UserRating, m.URL, "
        "(SELECT ifnull(LoanedTo, '') FROM LoanOut WHERE MovieID = m.ID AND (DateIn IS NULL OR DateIn = '') "
        "ORDER BY ID LIMIT 1) FROM Movies m ORDER BY m.OrderBy, m.ID"));
    std::vector<Row> rows;
    // Repeated values (directors, genres, media, ratings) share one string.
    QHash<QString, QString> shared;
    auto intern = [&shared](const QVariant &v) -> QString {
        if (v.isNull())
            return QString();
        QString s = v.toString();
        auto it = shared.constFind(s);
        if (it != shared.constEnd())
            return *it;
        shared.insert(s, s);
        return s;
    };
    auto plain = [](const QVariant &v) { return v.isNull() ? QString() : v.toString(); };
    while (q.next()) {
        Row r;
        r.id = q.value(0).toInt();
        r.text[ColTitle] = plain(q.value(1));
        r.text[ColOrderBy] = plain(q.value(2));
        for (int c = ColDirector; c <= ColRelease; ++c)
            r.text[c] = intern(q.value(c));
        r.text[ColTime] = timeText(plain(q.value(11)));
        r.text[ColNumDiscs] = intern(q.value(12));
        r.text[ColStars] = intern(q.value(13));
        r.text[ColURL] = intern(q.value(14));
        // The borrower of the movie's first open loan; Null when it is not lent.
        r.loaned = !q.value(15).isNull();
        if (r.loaned)
            r.loanedTo = q.value(15).toString();
        rows.push_back(std::move(r));
        if (progress && (rows.size() & 0x3FFF) == 0)
            progress(qint64(rows.size()), -1);
    }
    if (!rows.empty()) {
        const qsizetype width = QString::number(rows.back().id).size();
        for (Row &r : rows)
            r.text[ColID] = QString::number(r.id).rightJustified(width, QLatin1Char('0'));
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int MovieListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int MovieListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MovieListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()) || index.column() >= ColumnCount)
        return {};
    const Row &r = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return r.text[size_t(index.column())];
    case Qt::ForegroundRole:
        if (r.loaned)
            return QBrush(QColor(255, 0, 0));
        break;
    case Qt::ToolTipRole:
        if (r.loaned && index.column() > 0)
            return QStringLiteral("Loaned To ") + r.loanedTo;
        break;
    case MovieIdRole:
        return r.id;
    default:
        break;
    }
    return {};
}

QVariant MovieListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return headers().at(section);
    return {};
}

void MovieListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> ids;
    ids.reserve(size_t(before.size()));
    for (const QModelIndex &i : before)
        ids.push_back(m_rows[size_t(i.row())].id);
    const size_t c = size_t(column);
    // Text order without regard to letter case, as list views sort.
    auto less = [c](const Row &a, const Row &b) { return a.text[c].compare(b.text[c], Qt::CaseInsensitive) < 0; };
    if (order == Qt::AscendingOrder)
        std::stable_sort(m_rows.begin(), m_rows.end(), less);
    else
        std::stable_sort(m_rows.begin(), m_rows.end(), [&less](const Row &a, const Row &b) { return less(b, a); });
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k) {
        const int row = rowOfMovie(ids[size_t(k)]);
        after << index(row, before[k].column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int MovieListModel::movieId(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].id : 0;
}

int MovieListModel::rowOfMovie(int id) const
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].id == id)
            return int(i);
    return -1;
}

QString MovieListModel::text(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= ColumnCount)
        return QString();
    return m_rows[size_t(row)].text[size_t(column)];
}

bool MovieListModel::isLoaned(int row) const
{
    return row >= 0 && row < int(m_rows.size()) && m_rows[size_t(row)].loaned;
}

void MovieListModel::setTexts(Row &r, const MovieRecord &m, bool includeStars)
{
    r.text[ColTitle] = m.title;
    r.text[ColOrderBy] = m.orderBy;
    r.text[ColDirector] = m.director;
    r.text[ColGenre1] = m.genre1;
    r.text[ColGenre2] = m.genre2;
    r.text[ColGenre3] = m.genre3;
    r.text[ColMedium] = m.medium;
    r.text[ColFormat] = m.format;
    r.text[ColRating] = m.rating;
    r.text[ColRelease] = m.releaseYear;
    r.text[ColTime] = timeText(m.runningTime);
    r.text[ColNumDiscs] = m.numDiscs;
    if (includeStars)
        r.text[ColStars] = QString::number(m.userRating);
    r.text[ColURL] = m.url;
}

int MovieListModel::appendMovie(const MovieRecord &m, const QString &loanedTo)
{
    Row r;
    r.id = m.id;
    r.text[ColID] = QString::number(m.id);
    setTexts(r, m, true);
    r.loaned = !loanedTo.isNull();
    r.loanedTo = loanedTo;
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.push_back(std::move(r));
    endInsertRows();
    return row;
}

void MovieListModel::updateMovie(int row, const MovieRecord &m)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    setTexts(m_rows[size_t(row)], m, false);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void MovieListModel::setStars(int row, int stars)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_rows[size_t(row)].text[ColStars] = QString::number(stars);
    emit dataChanged(index(row, ColStars), index(row, ColStars));
}

void MovieListModel::removeMovieRow(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}
