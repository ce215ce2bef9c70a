#include "frmMovieResults.h"

#include "AppContext.h"
#include "MovieDetails.h"
#include "WindowPlacement.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const WindowPlacement Placement = WindowPlacement(QStringLiteral("frmMovieResults"), WindowPlacement::Size).withDefaultSize(QSize(10200, 6600));
constexpr int ThumbnailCount = 10;

// The first lines of an overview, for a tip.
QString overviewTip(const QString &overview)
{
    QString tip = overview.left(400);
    if (tip.size() < overview.size())
        tip += QStringLiteral("...");
    return tip;
}

} // namespace

frmMovieResults::frmMovieResults(AppContext &ctx, MovieInfoSource &source, QWidget *parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_source(source)
{
    setObjectName(QStringLiteral("frmMovieResults"));
    setWindowTitle(tr("Find Movie at %1").arg(source.name()));

    auto *lblTitle = new QLabel(tr("&Title:"), this);
    txtSearchTitle = new QLineEdit(this);
    txtSearchTitle->setObjectName(QStringLiteral("txtSearchTitle"));
    txtSearchTitle->setAccessibleName(tr("Title to search for"));
    lblTitle->setBuddy(txtSearchTitle);
    auto *lblYear = new QLabel(tr("&Year:"), this);
    txtSearchYear = new QLineEdit(this);
    txtSearchYear->setObjectName(QStringLiteral("txtSearchYear"));
    txtSearchYear->setAccessibleName(tr("Year of release (optional)"));
    txtSearchYear->setValidator(new QIntValidator(0, 9999, txtSearchYear));
    txtSearchYear->setMaxLength(4);
    txtSearchYear->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    lblYear->setBuddy(txtSearchYear);
    cmdSearch = new QPushButton(tr("&Search"), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setAccessibleName(tr("Search"));
    cmdSearch->setAutoDefault(false);

    lvResults = new QTreeWidget(this);
    lvResults->setObjectName(QStringLiteral("lvResults"));
    lvResults->setAccessibleName(tr("Results"));
    lvResults->setRootIsDecorated(false);
    lvResults->setUniformRowHeights(true);
    lvResults->setHeaderLabels({tr("Title"), tr("Original Title"), tr("Year")});
    lvResults->setIconSize(QSize(46, 69));
    lvResults->header()->setStretchLastSection(false);
    lvResults->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvResults->header()->setSectionResizeMode(1, QHeaderView::Interactive);
    lvResults->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    lvResults->setColumnWidth(1, 220);

    lblResultsStatus = new QLabel(this);
    lblResultsStatus->setObjectName(QStringLiteral("lblResultsStatus"));
    lblResultsStatus->setAccessibleName(tr("Search status"));
    lblResultsStatus->setWordWrap(true);

    auto *attribution = new QLabel(source.attribution(), this);
    attribution->setObjectName(QStringLiteral("lblAttribution"));
    attribution->setWordWrap(true);
    QFont small = attribution->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    attribution->setFont(small);

    auto *buttons = new QDialogButtonBox(this);
    cmdTake = buttons->addButton(tr("&Take This Movie"), QDialogButtonBox::AcceptRole);
    cmdTake->setObjectName(QStringLiteral("cmdTake"));
    cmdTake->setAccessibleName(tr("Take the chosen movie"));
    cmdTake->setAutoDefault(false);
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAccessibleName(tr("Cancel"));
    cmdCancel->setAutoDefault(false);

    auto *query = new QHBoxLayout;
    query->addWidget(lblTitle);
    query->addWidget(txtSearchTitle, 1);
    query->addWidget(lblYear);
    query->addWidget(txtSearchYear);
    query->addWidget(cmdSearch);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(query);
    layout->addWidget(lvResults, 1);
    layout->addWidget(lblResultsStatus);
    layout->addWidget(attribution);
    layout->addWidget(buttons);

    setTabOrder(txtSearchTitle, txtSearchYear);
    setTabOrder(txtSearchYear, cmdSearch);
    setTabOrder(cmdSearch, lvResults);
    setTabOrder(lvResults, cmdTake);
    setTabOrder(cmdTake, cmdCancel);

    connect(txtSearchTitle, &QLineEdit::returnPressed, this, &frmMovieResults::search);
    connect(txtSearchYear, &QLineEdit::returnPressed, this, &frmMovieResults::search);
    connect(cmdSearch, &QPushButton::clicked, this, &frmMovieResults::search);
    connect(lvResults, &QTreeWidget::itemActivated, this, [this] { accept(); });
    connect(lvResults, &QTreeWidget::currentItemChanged, this, [this] { cmdTake->setEnabled(lvResults->currentItem()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    cmdTake->setEnabled(false);
    txtSearchTitle->setFocus();

    setMinimumSize(360, 240);
    Placement.restore(*this, ctx.ini());
}

frmMovieResults::~frmMovieResults() = default;

void frmMovieResults::setQuery(const QString &title, const QString &year)
{
    txtSearchTitle->setText(title.trimmed());
    txtSearchYear->setText(year.trimmed().left(4));
}

void frmMovieResults::setResults(const QList<MovieInfo::SearchResult> &results)
{
    m_results = results;
    ++m_generation;
    lvResults->clear();
    for (int i = 0; i < results.size(); ++i) {
        const MovieInfo::SearchResult &r = results[i];
        auto *item = new QTreeWidgetItem(lvResults, {r.title, r.originalTitle == r.title ? QString() : r.originalTitle, r.year});
        item->setData(0, Qt::UserRole, i);
        if (!r.overview.isEmpty())
            for (int c = 0; c < 3; ++c)
                item->setToolTip(c, overviewTip(r.overview));
    }
    lblResultsStatus->setText(results.isEmpty() ? tr("No movie was found. Try another spelling or leave the year out.")
                                                : tr("%n movie(s) found. Choose one with the arrow keys and press Enter.", nullptr,
                                                     int(results.size())));
    if (!results.isEmpty()) {
        lvResults->setCurrentItem(lvResults->topLevelItem(0));
        lvResults->setFocus();
    }
    // Once the window is up and the user can already choose.
    if (m_thumbnails && !results.isEmpty())
        QTimer::singleShot(0, this, [this, generation = m_generation] {
            if (generation == m_generation && !m_closing)
                fetchThumbnails();
        });
}

bool frmMovieResults::search()
{
    const QString title = txtSearchTitle->text().trimmed();
    if (title.isEmpty()) {
        txtSearchTitle->setFocus();
        return false;
    }
    m_source.cancel(); // a thumbnail still loading
    ++m_generation;
    lblResultsStatus->setText(tr("Searching..."));
    cmdSearch->setEnabled(false);
    QList<MovieInfo::SearchResult> found;
    const MovieInfo::Status status = m_source.search(title, txtSearchYear->text(), found);
    cmdSearch->setEnabled(true);
    if (m_closing)
        return false;
    if (status != MovieInfo::Status::Ok) {
        lblResultsStatus->clear();
        if (status != MovieInfo::Status::Cancelled)
            m_ctx.prompts().warning(MovieDetails::failureText(m_source.lastError(), m_source.name()), windowTitle());
        return false;
    }
    setResults(found);
    return true;
}

void frmMovieResults::fetchThumbnails()
{
    const int generation = m_generation;
    QPointer<frmMovieResults> self(this);
    for (int i = 0; i < qMin<int>(ThumbnailCount, int(m_results.size())); ++i) {
        const QString poster = m_results[i].posterPath;
        if (poster.isEmpty())
            continue;
        QByteArray bytes;
        const MovieInfo::Status status = m_source.picture(poster, QStringLiteral("w92"), bytes);
        if (!self || m_closing || generation != m_generation)
            return;
        if (status == MovieInfo::Status::Cancelled)
            return;
        QPixmap pixmap;
        if (status == MovieInfo::Status::Ok && pixmap.loadFromData(bytes))
            if (QTreeWidgetItem *item = lvResults->topLevelItem(i))
                item->setIcon(0, QIcon(pixmap.scaled(lvResults->iconSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
}

std::optional<MovieInfo::SearchResult> frmMovieResults::chosen() const
{
    const QTreeWidgetItem *item = lvResults->currentItem();
    if (!item)
        return std::nullopt;
    const int i = item->data(0, Qt::UserRole).toInt();
    if (i < 0 || i >= m_results.size())
        return std::nullopt;
    return m_results[i];
}

void frmMovieResults::done(int result)
{
    if (result == QDialog::Accepted && !chosen())
        return;
    m_closing = true;
    m_source.cancel(); // a thumbnail still loading
    Placement.save(*this, m_ctx.ini());
    QDialog::done(result);
}

void frmMovieResults::keyPressEvent(QKeyEvent *event)
{
    // Enter in the boxes searches and Enter in the list takes the movie (their own handlers); it
    // must not also press the dialog's default button, which would take a result before the user
    // saw the new ones.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (txtSearchTitle->hasFocus() || txtSearchYear->hasFocus() || lvResults->hasFocus()
            || focusWidget() == txtSearchTitle || focusWidget() == txtSearchYear || focusWidget() == lvResults)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
