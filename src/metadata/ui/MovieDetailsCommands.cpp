#include "MovieDetailsCommands.h"
#include "MovieListModel.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "EditedMovie.h"
#include "frmMovieFill.h"
#include "frmMovieResults.h"
#include "frmResolveMovies.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using MovieInfo::Status;

namespace {

const QString Label = QStringLiteral("MovieDetails");

// The shared progress interface shown in a progress dialog whose Cancel ends the running request.
class DialogProgress : public ProgressSink
{
public:
    explicit DialogProgress(QProgressDialog &dialog) : m_dialog(dialog) {}
    void ShowProgress(const QString &message, int minimum, int maximum) override
    {
        m_dialog.setLabelText(message);
        m_dialog.setRange(minimum, maximum);
        m_dialog.setValue(minimum);
    }
    void UpdateProgress(qint64 value) override { m_dialog.setValue(int(value)); }
    void letEventsRun() override {}

private:
    QProgressDialog &m_dialog;
};

} // namespace

MovieDetailsCommands::MovieDetailsCommands(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                                           QStringList pluginFolders, QWidget *window)
    : QObject(window)
    , m_ctx(ctx)
    , m_cat(catalogue)
    , m_edited(edited)
    , m_events(events)
    , m_window(window)
    , m_pluginFolders(std::move(pluginFolders))
{
    mnuGetMovieDetails = new QAction(tr("Get Movie &Details..."), this);
    mnuGetMovieDetails->setObjectName(QStringLiteral("mnuGetMovieDetails"));
    mnuGetMovieDetails->setToolTip(tr("Fill the movie's empty fields from The Movie Database (TMDb)"));
    mnuNewMovieFromTmdb = new QAction(tr("New Movie from &TMDb..."), this);
    mnuNewMovieFromTmdb->setObjectName(QStringLiteral("mnuNewMovieFromTmdb"));
    mnuNewMovieFromTmdb->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    mnuNewMovieFromTmdb->setShortcutContext(Qt::WindowShortcut);
    mnuNewMovieFromTmdb->setToolTip(tr("Type a title, pick the movie, and it is saved with its details"));
    mnuFillDetails = new QAction(tr("&Fill Details for Movies..."), this);
    mnuFillDetails->setObjectName(QStringLiteral("mnuFillDetails"));
    mnuFillDetails->setToolTip(tr("Fill the details of many movies from The Movie Database (TMDb)"));

    auto guarded = [this](const char *label, void (MovieDetailsCommands::*f)()) {
        return [this, label, f] { m_ctx.guard(Label + QStringLiteral(" - ") + QLatin1String(label), [this, f] { (this->*f)(); }); };
    };
    connect(mnuGetMovieDetails, &QAction::triggered, this, guarded("GetMovieDetails", &MovieDetailsCommands::getMovieDetails));
    connect(mnuNewMovieFromTmdb, &QAction::triggered, this, guarded("NewMovieFromTMDb", &MovieDetailsCommands::newMovieFromSource));
    connect(mnuFillDetails, &QAction::triggered, this, guarded("FillDetailsForMovies", &MovieDetailsCommands::fillDetailsForMovies));
}

int MovieDetailsCommands::run(QDialog &dialog)
{
    return runDialog ? runDialog(dialog) : dialog.exec();
}

std::unique_ptr<MovieInfoSource> MovieDetailsCommands::openSource()
{
    const QString title = tr("Movie Details");
    if (!m_cat.isOpen()) {
        m_ctx.prompts().information(tr("Open or create a catalogue first."), title);
        return nullptr;
    }
    const MovieDetailsSettings settings = MovieDetailsSettings::read(m_ctx);
    QString why;
    std::unique_ptr<MovieInfoSource> source = MovieDetails::createSource(m_pluginFolders, settings, &why);
    if (!source) {
        m_ctx.prompts().warning(tr("Movie details are not available: %1 Reinstall Cinelog to bring the plug-in back.").arg(why), title);
        return nullptr;
    }
    if (settings.credential.isEmpty()) {
        m_ctx.prompts().warning(MovieDetails::failureText({Status::NoKey, 0, {}}, source->name()), title);
        return nullptr;
    }
    return source;
}

void MovieDetailsCommands::refresh(int movieId)
{
    emit m_events.moviesChanged(tr("Updating the Movie List..."));
    emit m_events.namesChanged(CatalogueEvents::Genres | CatalogueEvents::Directors | CatalogueEvents::Actors);
    if (movieId != 0) {
        emit m_events.coverChanged(movieId);
        m_edited.show(movieId);
    }
}

int MovieDetailsCommands::fillFromResult(int movieId, const QString &sourceId, bool askFields)
{
    MovieInfoSource &source = *m_source;
    const QString title = tr("Movie Details");
    const MovieDetailsSettings settings = MovieDetailsSettings::read(m_ctx);
    MovieInfo::Details details;
    if (const Status s = source.details(sourceId, details); s != Status::Ok) {
        if (s != Status::Cancelled)
            m_ctx.prompts().warning(MovieDetails::failureText(source.lastError(), source.name()), title);
        return 0;
    }
    const MovieDetails::Current current = movieId != 0 ? MovieDetails::readMovie(m_cat, movieId) : MovieDetails::Current{};
    const MovieDetails::Plan plan = MovieDetails::plan(details, current, settings);
    QSet<MovieDetails::Field> chosen = plan.defaultChoice();
    if (askFields) {
        frmMovieFill dialog(m_ctx, plan, current.title, source.name(), m_window);
        if (run(dialog) != QDialog::Accepted)
            return 0;
        chosen = dialog.chosen();
    }
    QByteArray cover;
    if (chosen.contains(MovieDetails::Field::Cover)) {
        const Status s = source.picture(plan.posterPath, settings.posterSize, cover);
        if (s == Status::Cancelled)
            return 0;
        if (s != Status::Ok) {
            // The other fields are still worth having; the cover can be fetched again later.
            m_ctx.prompts().warning(tr("The poster could not be fetched; the other fields are filled.") + QLatin1Char('\n')
                                        + MovieDetails::failureText(source.lastError(), source.name()),
                                    title);
            chosen.remove(MovieDetails::Field::Cover);
        }
    }
    const int id = MovieDetails::apply(m_cat, movieId, plan, chosen, cover);
    refresh(id);
    return id;
}

void MovieDetailsCommands::getMovieDetails()
{
    m_edited.offerToSave();
    const int movieId = m_edited.isNew() ? 0 : m_edited.id();
    if (movieId == 0) {
        if (m_edited.title().trimmed().isEmpty()) {
            newMovieFromSource();
            return;
        }
        m_ctx.prompts().information(tr("Save the movie first; then its details can be filled."), tr("Movie Details"));
        return;
    }
    std::unique_ptr<MovieInfoSource> source = openSource();
    if (!source)
        return;
    m_source = source.get();
    const MovieDetails::Current current = MovieDetails::readMovie(m_cat, movieId);
    // A movie filled before goes straight to its record at the source.
    if (!current.sourceId.isEmpty()) {
        fillFromResult(movieId, current.sourceId, true);
        return;
    }
    frmMovieResults results(m_ctx, *source, m_window);
    results.setQuery(current.title.isEmpty() ? m_edited.title() : current.title, current.releaseYear);
    if (!results.search() || run(results) != QDialog::Accepted)
        return;
    if (const auto chosen = results.chosen())
        fillFromResult(movieId, chosen->id, true);
}

void MovieDetailsCommands::newMovieFromSource()
{
    m_edited.offerToSave();
    std::unique_ptr<MovieInfoSource> source = openSource();
    if (!source)
        return;
    m_source = source.get();
    frmMovieResults results(m_ctx, *source, m_window);
    results.setWindowTitle(tr("New Movie from %1").arg(source->name()));
    if (run(results) != QDialog::Accepted)
        return;
    if (const auto chosen = results.chosen())
        fillFromResult(0, chosen->id, false);
}

QList<int> MovieDetailsCommands::moviesInList(bool selectedOnly) const
{
    QList<int> ids;
    const QAbstractItemModel *model = m_list ? m_list->model() : nullptr;
    if (!model)
        return ids;
    if (selectedOnly) {
        if (const QItemSelectionModel *selection = m_list->selectionModel())
            for (const QModelIndex &index : selection->selectedRows())
                ids << index.data(MovieListModel::MovieIdRole).toInt();
        return ids;
    }
    for (int row = 0; row < model->rowCount(); ++row)
        ids << model->index(row, 0).data(MovieListModel::MovieIdRole).toInt();
    return ids;
}

void MovieDetailsCommands::fillDetailsForMovies()
{
    m_edited.offerToSave();
    if (!m_cat.isOpen()) {
        m_ctx.prompts().information(tr("Open or create a catalogue first."), tr("Movie Details"));
        return;
    }
    const QList<int> selected = moviesInList(true);
    const QList<int> listed = moviesInList(false);
    const QList<int> empty = BatchFill::moviesWithEmptyDetails(m_cat);
    const QList<int> found = m_searchResults ? m_searchResults() : QList<int>();

    QDialog scope(m_window);
    scope.setObjectName(QStringLiteral("frmFillScope"));
    scope.setWindowTitle(tr("Fill Details for Movies"));
    auto *intro = new QLabel(tr("Fill the empty fields of which movies? A movie is filled without asking only when "
                                "exactly one result matches its title (and year); you choose for the others afterwards."),
                             &scope);
    intro->setWordWrap(true);
    auto *optSelected = new QRadioButton(tr("The &selected movies (%n)", nullptr, int(selected.size())), &scope);
    optSelected->setObjectName(QStringLiteral("optSelected"));
    optSelected->setEnabled(!selected.isEmpty());
    auto *optListed = new QRadioButton(tr("The movies in the &list (%n)", nullptr, int(listed.size())), &scope);
    optListed->setObjectName(QStringLiteral("optListed"));
    optListed->setEnabled(!listed.isEmpty());
    // Shown only while a search window lists movies.
    auto *optFound = new QRadioButton(tr("The movies found by the sea&rch (%n)", nullptr, int(found.size())), &scope);
    optFound->setObjectName(QStringLiteral("optFound"));
    optFound->setVisible(!found.isEmpty());
    optFound->setEnabled(!found.isEmpty());
    auto *optEmpty = new QRadioButton(tr("Every movie whose details are &empty (%n)", nullptr, int(empty.size())), &scope);
    optEmpty->setObjectName(QStringLiteral("optEmpty"));
    optEmpty->setEnabled(!empty.isEmpty());
    for (QRadioButton *o : {optSelected, optListed, optFound, optEmpty})
        o->setAccessibleName(o->text().remove(QLatin1Char('&')));
    (optEmpty->isEnabled() ? optEmpty : optListed->isEnabled() ? optListed : optSelected)->setChecked(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &scope);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Fill"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdFill"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("Fill"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    intro->setObjectName(QStringLiteral("lblFillScope"));
    connect(buttons, &QDialogButtonBox::accepted, &scope, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &scope, &QDialog::reject);
    auto *layout = new QVBoxLayout(&scope);
    layout->addWidget(intro);
    layout->addWidget(optSelected);
    layout->addWidget(optListed);
    layout->addWidget(optFound);
    layout->addWidget(optEmpty);
    layout->addWidget(buttons);
    scope.resize(440, scope.sizeHint().height());
    if (run(scope) != QDialog::Accepted)
        return;
    fillMovies(optSelected->isChecked() ? selected : optListed->isChecked() ? listed : optFound->isChecked() ? found : empty);
}

BatchFill::Result MovieDetailsCommands::fillMovies(const QList<int> &movieIds)
{
    BatchFill::Result result;
    std::unique_ptr<MovieInfoSource> source = openSource();
    if (!source || movieIds.isEmpty())
        return result;
    m_source = source.get();
    const MovieDetailsSettings settings = MovieDetailsSettings::read(m_ctx);
    BatchFill batch(m_cat, *source, settings);
    {
        QProgressDialog progress(m_window);
        progress.setObjectName(QStringLiteral("frmFillProgress"));
        progress.setWindowTitle(tr("Fill Details for Movies"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        progress.setAutoClose(false);
        progress.setAutoReset(false);
        bool cancelled = false;
        MovieInfoSource *running = source.get();
        connect(&progress, &QProgressDialog::canceled, this, [&cancelled, running] {
            cancelled = true;
            running->cancel();
        });
        DialogProgress sink(progress);
        result = batch.run(movieIds, sink, [&cancelled] { return cancelled; });
    }
    refresh(0);

    const QString title = tr("Fill Details for Movies");
    if (result.failure.status != Status::Ok)
        m_ctx.prompts().warning(tr("Filling stopped: the movies before this one are filled, this one is unchanged.") + QLatin1Char('\n')
                                    + MovieDetails::failureText(result.failure, source->name()),
                                title);

    int resolved = 0;
    if (!result.needsChoice.isEmpty() && !result.stopped()) {
        frmResolveMovies resolve(m_ctx, *source, result.needsChoice, m_window);
        resolve.setFill([&](int movieId, const QString &sourceId) {
            const Status s = batch.fillWith(movieId, sourceId);
            if (s == Status::Ok) {
                ++resolved;
                return true;
            }
            if (s != Status::Cancelled)
                m_ctx.prompts().warning(MovieDetails::failureText(batch.lastError(), source->name()), title);
            return false;
        });
        resolve.setRunDialog(runDialog);
        run(resolve);
        if (resolved > 0)
            refresh(0);
    }
    m_ctx.prompts().information(tr("Filled: %1\nNeeds your choice: %2\nNot found: %3%4")
                                    .arg(result.filled + resolved)
                                    .arg(result.needsChoice.size() - resolved)
                                    .arg(result.notFound.size())
                                    .arg(result.skipped > 0 ? tr("\nAlready filled before (skipped): %1").arg(result.skipped) : QString()),
                                title);
    result.filled += resolved;
    return result;
}
