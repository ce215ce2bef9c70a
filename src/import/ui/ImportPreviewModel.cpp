#include "ImportPreviewModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

ImportPreviewModel::ImportPreviewModel(QObject *parent) : QAbstractTableModel(parent) {}

void ImportPreviewModel::setRows(const QList<PreparedRow> &rows, const FieldLinks &links, const ImportOptions &options)
{
    beginResetModel();
    m_rows = rows;
    m_options = options;
    m_fields.clear();
    auto anyLinked = [&](int first, int last) {
        for (int f = first; f <= last; ++f)
            if (links[f] > 0)
                return true;
        return false;
    };
    const bool actors = anyLinked(ImportField::Actor1, ImportField::Actor4);
    const bool genres = anyLinked(ImportField::Genre1, ImportField::Genre3);
    // The title and its sort key always (they show the title rule); the rest as linked. A split
    // cell fills its neighbours, so all actor and genre columns show when one is linked, and the
    // cast shows the actors beyond the fourth.
    const int order[] = {ImportField::Title,  ImportField::SortKey,     ImportField::ReleaseYear, ImportField::Director,
                         ImportField::Actor1, ImportField::Actor1 + 1,  ImportField::Actor1 + 2,  ImportField::Actor4,
                         ImportField::Cast,   ImportField::Genre1,      ImportField::Genre1 + 1,  ImportField::Genre3,
                         ImportField::Medium, ImportField::Format,      ImportField::Rating,      ImportField::RunningTime,
                         ImportField::NumDiscs, ImportField::UserRating, ImportField::Url,        ImportField::EpisodeDisc,
                         ImportField::Episodes};
    for (int f : order) {
        bool shown = links[f] > 0;
        if (f == ImportField::Title || f == ImportField::SortKey)
            shown = true;
        else if (f >= ImportField::Actor1 && f <= ImportField::Actor4)
            shown = actors;
        else if (f == ImportField::Cast)
            shown = actors || links[f] > 0;
        else if (f >= ImportField::Genre1 && f <= ImportField::Genre3)
            shown = genres;
        if (shown)
            m_fields << f;
    }
    endResetModel();
}

QString ImportPreviewModel::fieldText(const PreparedRow &row, int field)
{
    if (field >= ImportField::Actor1 && field <= ImportField::Actor4) {
        const int n = field - ImportField::Actor1;
        return n < row.actorCount ? ImportLists::castItem(row.cast[n]) : QString();
    }
    if (field == ImportField::Cast) {
        QStringList items;
        for (qsizetype i = row.actorCount; i < row.cast.size(); ++i)
            items << ImportLists::castItem(row.cast[i]);
        return ImportLists::join(items);
    }
    if (field == ImportField::Episodes) {
        QStringList items;
        for (const ImportLists::Episode &e : row.episodes)
            items << ImportLists::episodeItem(e);
        return ImportLists::join(items);
    }
    if (field == ImportField::EpisodeDisc)
        return row.values[field] == u"1" ? tr("Yes") : row.values[field].isEmpty() ? QString() : tr("No");
    return row.values[field];
}

QString ImportPreviewModel::statusText(const PreparedRow &row, const ImportOptions &options)
{
    if (!row.refusal.isEmpty())
        return tr("Refused: %1").arg(row.refusal);
    if (row.duplicate)
        return options.skipDuplicates ? tr("Already in the catalogue: skipped") : tr("Already in the catalogue: imported again");
    return tr("Imported");
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FirstFieldColumn + int(m_fields.size());
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PreparedRow &r = m_rows[index.row()];
    const bool refused = !r.refusal.isEmpty();
    const bool skipped = !refused && !r.imported(m_options);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (index.column() == RowColumn)
            return role == Qt::DisplayRole ? QVariant(r.row) : QVariant();
        if (index.column() == StatusColumn)
            return statusText(r, m_options);
        return fieldText(r, fieldAt(index.column()));
    case Qt::ForegroundRole:
        if (refused)
            return QBrush(QColor(0xA8, 0x10, 0x10));
        if (skipped)
            return QBrush(QColor(0x70, 0x70, 0x70));
        return {};
    case Qt::FontRole:
        if (index.column() == StatusColumn && (refused || skipped)) {
            QFont f;
            f.setBold(refused);
            f.setItalic(skipped);
            return f;
        }
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == RowColumn ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == RowColumn)
        return tr("Row");
    if (section == StatusColumn)
        return tr("Import");
    static const char *const names[ImportField::AllCount] = {
        QT_TR_NOOP("Title"),   QT_TR_NOOP("Director"), QT_TR_NOOP("Actor 1"), QT_TR_NOOP("Actor 2"),   QT_TR_NOOP("Actor 3"),
        QT_TR_NOOP("Actor 4"), QT_TR_NOOP("Genre 1"),  QT_TR_NOOP("Genre 2"), QT_TR_NOOP("Genre 3"),   QT_TR_NOOP("Medium"),
        QT_TR_NOOP("Format"),  QT_TR_NOOP("Rating"),   QT_TR_NOOP("Year"),    QT_TR_NOOP("Minutes"),   QT_TR_NOOP("Discs"),
        QT_TR_NOOP("Sort Key"), QT_TR_NOOP("User Rating"), QT_TR_NOOP("URL"), QT_TR_NOOP("Episode Disc"), QT_TR_NOOP("Cast"),
        QT_TR_NOOP("Episodes")};
    const int f = fieldAt(section);
    return f >= 0 ? tr(names[f]) : QVariant();
}
