#include "CatalogueHistory.h"

#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CinelogError.h"
#include "SqliteFunctions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>
#include <map>
#include <sqlite3.h>

namespace {

// The one history of each catalogue object.
std::map<const Catalogue *, CatalogueHistory *> &histories()
{
    static std::map<const Catalogue *, CatalogueHistory *> map;
    return map;
}

} // namespace

CatalogueHistory *CatalogueHistory::of(const Catalogue &catalogue)
{
    const auto it = histories().find(&catalogue);
    return it == histories().end() ? nullptr : it->second;
}

const Setting<int> CatalogueHistory::MemoryLimitMB{QStringLiteral("Options"), QStringLiteral("UndoMemoryMB"), 256, 1, 1 << 20};

// One user action's rows. CatalogueHistory::undo() and redo() write them first and move the stack
// only once they are written (with m_moving set, so that these do nothing), so that a refused step
// leaves the stack where it was; when anything else moves the stack, these write them.
class CatalogueHistory::Step : public QUndoCommand
{
public:
    Step(CatalogueHistory &history, std::shared_ptr<RowChanges> changes, const QString &text)
        : m_history(history), changes(std::move(changes))
    {
        setText(text);
    }
    void undo() override
    {
        if (!m_history.m_moving)
            m_history.apply(*this, true);
    }
    void redo() override
    {
        if (!m_history.m_moving)
            m_history.apply(*this, false);
    }

    CatalogueHistory &m_history;
    std::shared_ptr<RowChanges> changes;
};

CatalogueHistory::CatalogueHistory(Catalogue &catalogue, CatalogueEvents *events, QObject *parent)
    : QObject(parent), m_cat(catalogue), m_events(events), m_stack(new QUndoStack(this)),
      m_limit(qint64(MemoryLimitMB.fallback()) << 20)
{
    m_generation = m_cat.generation();
    if (m_cat.isOpen())
        m_recorder.attach(sqliteHandle(m_cat.MovieConn()));
    m_recorder.setNotify([this] { scheduleClose(); });
    m_cat.setWriteStartHandler([this] { sync(); });
    histories()[&m_cat] = this;
    connect(m_stack, &QUndoStack::indexChanged, this, &CatalogueHistory::historyChanged);
}

CatalogueHistory::~CatalogueHistory()
{
    if (of(m_cat) == this)
        histories().erase(&m_cat);
    m_cat.setWriteStartHandler({});
    if (m_cat.isOpen() && m_cat.generation() == m_generation)
        m_recorder.attach(nullptr);
    else
        m_recorder.forget();
}

void CatalogueHistory::sync()
{
    if (m_cat.isOpen() && m_cat.generation() == m_generation && m_recorder.attached())
        return;
    const bool had = m_stack->count() > 0;
    // The connection the recorder watched is closed with the file it belonged to.
    m_recorder.forget();
    m_moving = true;
    m_stack->clear();
    m_moving = false;
    m_generation = m_cat.generation();
    m_stamp = Stamp();
    if (m_cat.isOpen())
        m_recorder.attach(sqliteHandle(m_cat.MovieConn()));
    if (had)
        emit historyChanged();
}

void CatalogueHistory::clear()
{
    m_recorder.discard();
    const bool had = m_stack->count() > 0;
    m_moving = true;
    m_stack->clear();
    m_moving = false;
    if (had)
        emit historyChanged();
}

void CatalogueHistory::setMemoryLimit(qint64 bytes)
{
    m_limit = std::max<qint64>(bytes, 1);
    enforceLimit();
}

qint64 CatalogueHistory::bytes() const
{
    qint64 total = 0;
    for (int i = 0; i < m_stack->count(); ++i)
        total += static_cast<const Step *>(m_stack->command(i))->changes->bytes();
    return total;
}

CatalogueHistory::Stamp CatalogueHistory::stampNow()
{
    Stamp s;
    s.generation = m_cat.generation();
    if (!m_cat.isOpen())
        return s;
    s.dataVersion = m_cat.scalar(QStringLiteral("PRAGMA data_version")).toLongLong();
    s.ownChanges = sqlite3_total_changes64(sqliteHandle(m_cat.MovieConn()));
    return s;
}

void CatalogueHistory::scheduleClose()
{
    if (m_closeScheduled)
        return;
    m_closeScheduled = true;
    QTimer::singleShot(0, this, &CatalogueHistory::tryClose);
}

void CatalogueHistory::tryClose()
{
    m_closeScheduled = false;
    if (!m_recorder.hasChanges())
        return;
    if (m_groups > 0 || m_cat.inTransaction() || (m_idle && !m_idle())) {
        m_closeScheduled = true;
        QTimer::singleShot(100, this, &CatalogueHistory::tryClose);
        return;
    }
    try {
        closeStep();
    } catch (const CinelogError &) {
        // The rows could not be read (the catalogue went away meanwhile): no step.
        m_recorder.discard();
    }
}

bool CatalogueHistory::closeStep(const QString &text)
{
    if (!m_recorder.hasChanges())
        return false;
    if (!m_cat.isOpen() || m_cat.generation() != m_generation) {
        sync();
        return false;
    }
    auto changes = std::make_shared<RowChanges>(m_recorder.take());
    m_stamp = stampNow();
    if (changes->empty())
        return false;
    const QString name = text.isEmpty() ? describe(*changes) : text;
    // The step is done already: pushing it must not write it again.
    m_moving = true;
    m_stack->push(new Step(*this, std::move(changes), name));
    m_moving = false;
    enforceLimit();
    return true;
}

CatalogueHistory::Group::Group(CatalogueHistory *history, const QString &text) : m_history(history), m_text(text)
{
    if (!m_history)
        return;
    // What was written before the group is a step of its own.
    if (m_history->m_groups++ == 0 && !m_history->m_cat.inTransaction())
        m_history->closeStep();
}

CatalogueHistory::Group::~Group()
{
    if (!m_history)
        return;
    if (--m_history->m_groups == 0) {
        try {
            m_history->closeStep(m_text);
        } catch (const CinelogError &) {
            m_history->m_recorder.discard();
        }
    }
}

void CatalogueHistory::enforceLimit()
{
    int drop = 0;
    qint64 total = bytes();
    while (total > m_limit && drop < m_stack->count() - 1) {
        total -= static_cast<const Step *>(m_stack->command(drop))->changes->bytes();
        ++drop;
    }
    if (drop == 0)
        return;
    // QUndoStack cannot drop its oldest commands: it is built again from the ones kept.
    std::vector<std::pair<std::shared_ptr<RowChanges>, QString>> kept;
    for (int i = drop; i < m_stack->count(); ++i) {
        const auto *s = static_cast<const Step *>(m_stack->command(i));
        kept.emplace_back(s->changes, s->text());
    }
    const int index = std::max(0, m_stack->index() - drop);
    m_moving = true;
    m_stack->clear();
    for (auto &[changes, text] : kept)
        m_stack->push(new Step(*this, changes, text));
    m_stack->setIndex(index);
    m_moving = false;
    emit historyChanged();
}

bool CatalogueHistory::canUndo()
{
    if (m_recorder.hasChanges() && m_groups == 0 && !m_cat.inTransaction())
        closeStep();
    sync();
    return m_stack->canUndo();
}

bool CatalogueHistory::canRedo()
{
    if (m_recorder.hasChanges() && m_groups == 0 && !m_cat.inTransaction())
        closeStep();
    sync();
    return m_stack->canRedo();
}

QString CatalogueHistory::undoText()
{
    return m_stack->undoText();
}

QString CatalogueHistory::redoText()
{
    return m_stack->redoText();
}

void CatalogueHistory::undo()
{
    if (!canUndo())
        return;
    apply(*static_cast<Step *>(const_cast<QUndoCommand *>(m_stack->command(m_stack->index() - 1))), true);
    m_moving = true;
    m_stack->undo();
    m_moving = false;
}

void CatalogueHistory::redo()
{
    if (!canRedo())
        return;
    apply(*static_cast<Step *>(const_cast<QUndoCommand *>(m_stack->command(m_stack->index()))), false);
    m_moving = true;
    m_stack->redo();
    m_moving = false;
}

void CatalogueHistory::apply(Step &step, bool undo)
{
    // Nothing else was written since the history last looked (by another connection, which changes
    // data_version, or by this one): the rows are as recorded without reading them.
    const bool verify = !(stampNow() == m_stamp);
    m_recorder.setPaused(true);
    try {
        step.changes->restore(m_cat, undo ? RowChanges::Side::Before : RowChanges::Side::After, verify);
    } catch (...) {
        m_recorder.setPaused(false);
        throw;
    }
    m_recorder.setPaused(false);
    m_stamp = stampNow();
    announce(*step.changes);
}

void CatalogueHistory::announce(const RowChanges &changes)
{
    if (!m_events)
        return;
    bool movies = false, loans = false;
    CatalogueEvents::Names names;
    QList<int> covers;
    const int coverColumn = changes.column(QStringLiteral("Movies"), QStringLiteral("CoverData"));
    for (const RowChange &r : changes.rows) {
        if (r.table == QLatin1String("Movies")) {
            movies = true;
            const bool coverBefore = r.before && coverColumn >= 0 && (*r.before)[size_t(coverColumn)].type != SQLITE_NULL;
            const bool coverAfter = r.after && coverColumn >= 0 && (*r.after)[size_t(coverColumn)].type != SQLITE_NULL;
            if (coverColumn >= 0 && (coverBefore || coverAfter)
                && !(r.before && r.after && (*r.before)[size_t(coverColumn)] == (*r.after)[size_t(coverColumn)]))
                covers << int(r.rowid);
        } else if (r.table == QLatin1String("MovActLink") || r.table == QLatin1String("Episodes")
                   || r.table == QLatin1String("UserList"))
            movies = true;
        else if (r.table == QLatin1String("LoanOut"))
            loans = true;
        else if (r.table == QLatin1String("Genres"))
            names |= CatalogueEvents::Genres;
        else if (r.table == QLatin1String("Directors"))
            names |= CatalogueEvents::Directors;
        else if (r.table == QLatin1String("Actors"))
            names |= CatalogueEvents::Actors;
    }
    const QString updating = tr("Updating the Movie List...");
    if (names)
        emit m_events->namesChanged(names);
    if (movies)
        emit m_events->moviesChanged(updating);
    if (loans)
        emit m_events->loansChanged(updating);
    for (int id : covers)
        emit m_events->coverChanged(id);
}

QString CatalogueHistory::describe(const RowChanges &changes)
{
    struct Kinds {
        QList<const RowChange *> added, removed, changed;
        int total() const { return int(added.size() + removed.size() + changed.size()); }
    };
    std::map<QString, Kinds> byTable;
    for (const RowChange &r : changes.rows) {
        Kinds &k = byTable[r.table];
        if (!r.before)
            k.added << &r;
        else if (!r.after)
            k.removed << &r;
        else {
            // A movie whose only change is a counter (its cast or episodes changed) is not itself changed.
            const QStringList &names = changes.columns.at(r.table);
            for (int i = 0; i < names.size() && i < int(r.before->size()); ++i)
                if (!RowChanges::isChangeCounter(names[i]) && !((*r.before)[size_t(i)] == (*r.after)[size_t(i)])) {
                    k.changed << &r;
                    break;
                }
        }
    }
    // The text of a column as the row is now (as it was, for a removed row, or with before set).
    const auto text = [&](const RowChange *r, const char *column, bool before = false) {
        const int at = changes.column(r->table, QString::fromLatin1(column));
        const auto &image = (r->after && !before) ? r->after : r->before;
        return at >= 0 && image && at < int(image->size()) ? (*image)[size_t(at)].toVariant().toString() : QString();
    };
    // The title of the movie a cast, episode or list change belongs to.
    const auto movieTitle = [&](const RowChange *r, const char *movieColumn) {
        const int at = changes.column(r->table, QString::fromLatin1(movieColumn));
        const auto &image = r->after ? r->after : r->before;
        if (at < 0 || !image)
            return QString();
        const qint64 id = (*image)[size_t(at)].integer;
        for (const RowChange &m : changes.rows)
            if (m.table == QLatin1String("Movies") && m.rowid == id)
                return text(&m, "Title");
        return QString();
    };
    const auto quoted = [](const QString &s) { return QStringLiteral("'%1'").arg(s); };

    const Kinds &movies = byTable[QStringLiteral("Movies")];
    if (movies.removed.size() == 1 && movies.added.isEmpty())
        return tr("Delete %1").arg(quoted(text(movies.removed.first(), "Title")));
    if (movies.removed.size() > 1)
        return tr("Delete %n Movies", nullptr, int(movies.removed.size()));
    if (movies.added.size() == 1)
        return tr("Add %1").arg(quoted(text(movies.added.first(), "Title")));
    if (movies.added.size() > 1)
        return tr("Add %n Movies", nullptr, int(movies.added.size()));
    for (const char *table : {"Actors", "Directors"}) {
        const Kinds &k = byTable[QString::fromLatin1(table)];
        const char *column = qstrcmp(table, "Actors") == 0 ? "Actor" : "Director";
        if (k.changed.size() == 1 && k.total() == 1)
            return tr("Rename %1 to %2").arg(quoted(text(k.changed.first(), column, true)), quoted(text(k.changed.first(), column)));
    }
    const Kinds &actors = byTable[QStringLiteral("Actors")], &directors = byTable[QStringLiteral("Directors")];
    if (!actors.removed.isEmpty() || !directors.removed.isEmpty()) {
        if (actors.removed.size() + directors.removed.size() == 1)
            return tr("Delete %1").arg(quoted(actors.removed.isEmpty() ? text(directors.removed.first(), "Director")
                                                                      : text(actors.removed.first(), "Actor")));
        return tr("Delete %n Names", nullptr, int(actors.removed.size() + directors.removed.size()));
    }
    if (movies.changed.size() == 1)
        return tr("Change %1").arg(quoted(text(movies.changed.first(), "Title", true)));
    if (movies.changed.size() > 1)
        return tr("Change %n Movies", nullptr, int(movies.changed.size()));
    const Kinds &loans = byTable[QStringLiteral("LoanOut")];
    if (loans.total() == 1) {
        const RowChange *r = loans.added.value(0, loans.changed.value(0, loans.removed.value(0)));
        const QString title = quoted(text(r, "MovieTitle"));
        if (!loans.added.isEmpty())
            return tr("Lend %1").arg(title);
        if (!loans.changed.isEmpty())
            return text(r, "DateIn").isEmpty() ? tr("Change Loan of %1").arg(title) : tr("Return %1").arg(title);
        return tr("Remove Loan of %1").arg(title);
    }
    if (loans.total() > 1)
        return tr("Change Loans");
    const Kinds &cast = byTable[QStringLiteral("MovActLink")];
    if (cast.total() > 0)
        return tr("Change Cast of %1").arg(quoted(movieTitle(cast.added.value(0, cast.changed.value(0, cast.removed.value(0))), "MovID")));
    const Kinds &episodes = byTable[QStringLiteral("Episodes")];
    if (episodes.total() > 0)
        return tr("Change Episodes of %1")
            .arg(quoted(movieTitle(episodes.added.value(0, episodes.changed.value(0, episodes.removed.value(0))), "MovID")));
    const Kinds &lists = byTable[QStringLiteral("UserList")];
    if (lists.total() == 1 && !lists.added.isEmpty())
        return tr("Add %1 to List %2").arg(quoted(text(lists.added.first(), "MovieTitle")), quoted(text(lists.added.first(), "Name")));
    if (lists.total() > 0)
        return tr("Change Lists");
    if (byTable[QStringLiteral("Genres")].total() > 0)
        return tr("Change Genres");
    if (actors.total() + directors.total() > 0)
        return tr("Change Names");
    return tr("Change");
}

QString CatalogueHistory::refusedMessage(bool undo, const QString &stepText)
{
    return (undo ? tr("\"%1\" cannot be undone: what it changed was changed again since, by another program using "
                      "this catalogue.\n\nNothing was changed.")
                 : tr("\"%1\" cannot be redone: what it changed was changed again since, by another program using "
                      "this catalogue.\n\nNothing was changed."))
        .arg(stepText);
}

QAction *CatalogueHistory::createUndoAction(QObject *parent, std::function<void()> onUndo)
{
    auto *a = new QAction(parent);
    a->setObjectName(QStringLiteral("mnuUndo"));
    a->setShortcut(QKeySequence::Undo);
    const auto update = [this, a] {
        const bool can = m_stack->canUndo();
        a->setEnabled(can);
        a->setText(can ? tr("&Undo %1").arg(m_stack->undoText()) : tr("&Undo"));
    };
    connect(this, &CatalogueHistory::historyChanged, a, update);
    connect(m_stack, &QUndoStack::undoTextChanged, a, update);
    connect(m_stack, &QUndoStack::canUndoChanged, a, update);
    connect(a, &QAction::triggered, this, [onUndo = std::move(onUndo)] { onUndo(); });
    update();
    return a;
}

QAction *CatalogueHistory::createRedoAction(QObject *parent, std::function<void()> onRedo)
{
    auto *a = new QAction(parent);
    a->setObjectName(QStringLiteral("mnuRedo"));
    a->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    const auto update = [this, a] {
        const bool can = m_stack->canRedo();
        a->setEnabled(can);
        a->setText(can ? tr("&Redo %1").arg(m_stack->redoText()) : tr("&Redo"));
    };
    connect(this, &CatalogueHistory::historyChanged, a, update);
    connect(m_stack, &QUndoStack::redoTextChanged, a, update);
    connect(m_stack, &QUndoStack::canRedoChanged, a, update);
    connect(a, &QAction::triggered, this, [onRedo = std::move(onRedo)] { onRedo(); });
    update();
    return a;
}
