#include "frmMovieFill.h"

#include "AppContext.h"
#include "WindowPlacement.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const WindowPlacement Placement = WindowPlacement(QStringLiteral("frmMovieFill"), WindowPlacement::Size).withDefaultSize(QSize(10800, 5700));
}

frmMovieFill::frmMovieFill(AppContext &ctx, const MovieDetails::Plan &plan, const QString &movieTitle,
                           const QString &sourceName, QWidget *parent)
    : QDialog(parent)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("frmMovieFill"));
    setWindowTitle(tr("Movie Details from %1").arg(sourceName));

    auto *intro = new QLabel(movieTitle.isEmpty() ? tr("Tick the fields to fill from %1.").arg(sourceName)
                                                  : tr("Tick the fields of \"%1\" to fill from %2. Fields you typed are "
                                                       "kept unless you tick them.").arg(movieTitle, sourceName),
                             this);
    intro->setObjectName(QStringLiteral("lblFillIntro"));
    intro->setWordWrap(true);

    lvFields = new QTreeWidget(this);
    lvFields->setObjectName(QStringLiteral("lvFields"));
    lvFields->setAccessibleName(tr("Fields to fill"));
    lvFields->setRootIsDecorated(false);
    lvFields->setHeaderLabels({tr("Field"), tr("Now"), sourceName});
    lvFields->setWordWrap(false);
    lvFields->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lvFields->header()->setSectionResizeMode(1, QHeaderView::Interactive);
    lvFields->setColumnWidth(1, 200);
    for (const MovieDetails::Proposal &p : plan.fields) {
        auto *item = new QTreeWidgetItem(lvFields, {p.label, p.current, p.proposed});
        item->setData(0, Qt::UserRole, int(p.field));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, p.ticked ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(1, p.current);
        item->setToolTip(2, p.proposed);
    }
    if (QTreeWidgetItem *first = lvFields->topLevelItem(0))
        lvFields->setCurrentItem(first);
    // Space ticks the current row; Enter applies (the default button).

    auto *buttons = new QDialogButtonBox(this);
    cmdApply = buttons->addButton(tr("&Fill Ticked Fields"), QDialogButtonBox::AcceptRole);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    cmdApply->setAccessibleName(tr("Fill the ticked fields"));
    cmdApply->setDefault(true);
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAccessibleName(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(lvFields, 1);
    layout->addWidget(buttons);
    setTabOrder(lvFields, cmdApply);
    setTabOrder(cmdApply, cmdCancel);
    lvFields->setFocus();

    setMinimumSize(360, 240);
    Placement.restore(*this, ctx.ini());
}

QSet<MovieDetails::Field> frmMovieFill::chosen() const
{
    QSet<MovieDetails::Field> out;
    for (int i = 0; i < lvFields->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = lvFields->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            out.insert(MovieDetails::Field(item->data(0, Qt::UserRole).toInt()));
    }
    return out;
}

void frmMovieFill::setTicked(MovieDetails::Field field, bool ticked)
{
    for (int i = 0; i < lvFields->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = lvFields->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toInt() == int(field))
            item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void frmMovieFill::done(int result)
{
    Placement.save(*this, m_ctx.ini());
    QDialog::done(result);
}
