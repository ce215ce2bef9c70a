#include "frmResolveMovies.h"

#include "AppContext.h"
#include "WindowPlacement.h"
#include "frmMovieResults.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const WindowPlacement Placement = WindowPlacement(QStringLiteral("frmResolveMovies"), WindowPlacement::Size).withDefaultSize(QSize(7800, 5100));
}

frmResolveMovies::frmResolveMovies(AppContext &ctx, MovieInfoSource &source, const QList<BatchFill::Pending> &pending,
                                   QWidget *parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_source(source)
    , m_pending(pending)
{
    setObjectName(QStringLiteral("frmResolveMovies"));
    setWindowTitle(tr("Movies That Need Your Choice"));
    auto *intro = new QLabel(tr("More than one movie at %1 could be meant for these. Press Enter on one to choose "
                                "its match; the ones you leave stay as they are.").arg(source.name()),
                             this);
    intro->setWordWrap(true);
    lvPending = new QTreeWidget(this);
    lvPending->setObjectName(QStringLiteral("lvPending"));
    lvPending->setAccessibleName(tr("Movies to resolve"));
    lvPending->setRootIsDecorated(false);
    lvPending->setHeaderLabels({tr("Title"), tr("Year"), tr("Results")});
    lvPending->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvPending->header()->setStretchLastSection(false);
    for (int i = 0; i < m_pending.size(); ++i) {
        const BatchFill::Pending &p = m_pending[i];
        auto *item = new QTreeWidgetItem(lvPending, {p.movie.title, p.movie.year, QString::number(p.results.size())});
        item->setData(0, Qt::UserRole, i);
    }
    if (QTreeWidgetItem *first = lvPending->topLevelItem(0))
        lvPending->setCurrentItem(first);
    connect(lvPending, &QTreeWidget::itemActivated, this, &frmResolveMovies::chooseCurrent);

    auto *buttons = new QDialogButtonBox(this);
    cmdChoose = buttons->addButton(tr("&Choose..."), QDialogButtonBox::ActionRole);
    cmdChoose->setObjectName(QStringLiteral("cmdChoose"));
    cmdChoose->setAccessibleName(tr("Choose the match of the current movie"));
    cmdChoose->setAutoDefault(false);
    cmdClose = buttons->addButton(QDialogButtonBox::Close);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAccessibleName(tr("Close"));
    cmdClose->setAutoDefault(false);
    connect(cmdChoose, &QPushButton::clicked, this, &frmResolveMovies::chooseCurrent);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(lvPending, 1);
    layout->addWidget(buttons);
    setTabOrder(lvPending, cmdChoose);
    setTabOrder(cmdChoose, cmdClose);
    lvPending->setFocus();

    setMinimumSize(320, 200);
    Placement.restore(*this, ctx.ini());
}

int frmResolveMovies::remaining() const
{
    return lvPending->topLevelItemCount();
}

void frmResolveMovies::chooseCurrent()
{
    QTreeWidgetItem *item = lvPending->currentItem();
    if (!item)
        return;
    const BatchFill::Pending &p = m_pending[item->data(0, Qt::UserRole).toInt()];
    frmMovieResults results(m_ctx, m_source, this);
    results.setQuery(p.movie.title, p.movie.year);
    results.setResults(p.results);
    if ((m_run ? m_run(results) : results.exec()) != QDialog::Accepted)
        return;
    const auto chosen = results.chosen();
    if (!chosen || !m_fill || !m_fill(p.movie.id, chosen->id))
        return;
    delete item;
    if (remaining() == 0)
        accept();
}

void frmResolveMovies::done(int result)
{
    Placement.save(*this, m_ctx.ini());
    QDialog::done(result);
}
