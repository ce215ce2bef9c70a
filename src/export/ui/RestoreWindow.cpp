#include "RestoreWindow.h"

#include "AppContext.h"
#include "Prompts.h"
#include "Setting.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace BackupSettings {
namespace {
const Setting<int> Keep(QStringLiteral("Backups"), QStringLiteral("Keep"), 5, 0);
}
int keep(AppContext &ctx)
{
    return Keep.read(ctx.ini());
}
void setKeep(AppContext &ctx, int keep)
{
    Keep.write(ctx.ini(), std::max(0, keep));
}
}

RestoreWindow::RestoreWindow(AppContext &ctx, Backups &backups, QString cataloguePath, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_backups(backups), m_cataloguePath(std::move(cataloguePath))
{
    setObjectName(QStringLiteral("RestoreWindow"));
    setWindowTitle(tr("Restore from Backup"));

    lblCatalogue = new QLabel(tr("Backups of %1").arg(QFileInfo(m_cataloguePath).fileName()));
    lblCatalogue->setObjectName(QStringLiteral("lblCatalogue"));
    lblFolder = new QLabel(tr("Kept in %1").arg(m_backups.folder()));
    lblFolder->setObjectName(QStringLiteral("lblFolder"));
    lblFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFolder->setWordWrap(true);

    lstBackups = new QTreeWidget;
    lstBackups->setObjectName(QStringLiteral("lstBackups"));
    lstBackups->setAccessibleName(tr("Backups"));
    lstBackups->setRootIsDecorated(false);
    lstBackups->setHeaderLabels({tr("Made"), tr("Size"), tr("Movies")});
    lstBackups->header()->setStretchLastSection(false);
    lstBackups->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstBackups->setMinimumSize(fontMetrics().averageCharWidth() * 60, fontMetrics().height() * 10);

    spnKeep = new QSpinBox;
    spnKeep->setObjectName(QStringLiteral("spnKeep"));
    spnKeep->setRange(0, 99);
    spnKeep->setValue(BackupSettings::keep(m_ctx));
    spnKeep->setSpecialValueText(tr("none (automatic backups off)"));
    spnKeep->setAccessibleName(tr("Automatic backups to keep"));
    auto *form = new QFormLayout;
    form->addRow(tr("Automatic backups to &keep:"), spnKeep);

    auto *buttons = new QDialogButtonBox;
    buttons->setObjectName(QStringLiteral("buttons"));
    cmdRestore = buttons->addButton(tr("&Restore..."), QDialogButtonBox::AcceptRole);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdClose = buttons->addButton(QDialogButtonBox::Close);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(lblCatalogue);
    outer->addWidget(lstBackups, 1);
    outer->addWidget(lblFolder);
    outer->addLayout(form);
    outer->addWidget(buttons);

    connect(cmdRestore, &QPushButton::clicked, this, &RestoreWindow::restoreClicked);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstBackups, &QTreeWidget::itemSelectionChanged, this, [this] { cmdRestore->setEnabled(lstBackups->currentItem()); });
    connect(lstBackups, &QTreeWidget::itemDoubleClicked, this, &RestoreWindow::restoreClicked);
    connect(spnKeep, &QSpinBox::valueChanged, this, [this](int n) { BackupSettings::setKeep(m_ctx, n); });
    refresh();
}

void RestoreWindow::refresh()
{
    lstBackups->clear();
    const QLocale locale;
    for (const BackupInfo &b : m_backups.list(m_cataloguePath)) {
        auto *item = new QTreeWidgetItem(lstBackups, {locale.toString(b.when, QLocale::LongFormat), locale.formattedDataSize(b.bytes),
                                                      b.movies >= 0 ? locale.toString(b.movies) : tr("unreadable")});
        item->setData(0, Qt::UserRole, b.path);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    lstBackups->resizeColumnToContents(1);
    lstBackups->resizeColumnToContents(2);
    if (lstBackups->topLevelItemCount() > 0)
        lstBackups->setCurrentItem(lstBackups->topLevelItem(0));
    cmdRestore->setEnabled(lstBackups->currentItem());
}

void RestoreWindow::restoreClicked()
{
    const QTreeWidgetItem *item = lstBackups->currentItem();
    if (!item)
        return;
    if (!m_ctx.prompts().question(tr("Put the backup made %1 in the place of the catalogue?\n\n"
                                     "The catalogue as it is now is kept as one more backup.")
                                      .arg(item->text(0)),
                                  tr("Restore from Backup")))
        return;
    m_chosen = item->data(0, Qt::UserRole).toString();
    accept();
}
