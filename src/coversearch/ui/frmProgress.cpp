#include "frmProgress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

frmProgress::frmProgress(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(tr(" Progress"));
    setModal(false);

    lblInformation = new QLabel(tr("Please wait while completing the current task..."), this);
    lblInformation->setObjectName(QStringLiteral("lblInformation"));
    pgbProgress = new QProgressBar(this);
    pgbProgress->setObjectName(QStringLiteral("pgbProgress"));
    pgbProgress->setRange(0, 100);
    pgbProgress->setValue(0);
    pgbProgress->setTextVisible(false);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblInformation);
    layout->addWidget(pgbProgress);
    layout->addLayout(buttons);
    setMinimumWidth(340);
    adjustSize();

    connect(cmdCancel, &QPushButton::clicked, this, &frmProgress::cmdCancel_Click);
}

void frmProgress::setMarquee(bool on)
{
    if (on) {
        pgbProgress->setRange(0, 0);
    } else {
        pgbProgress->setRange(0, 100);
        pgbProgress->setValue(0);
    }
}

bool frmProgress::marquee() const
{
    return pgbProgress->maximum() == 0;
}

void frmProgress::cmdCancel_Click()
{
    emit cancelled();
    hide();
}

void frmProgress::reject()
{
    cmdCancel_Click();
}

void frmProgress::closeEvent(QCloseEvent *event)
{
    event->ignore();
    cmdCancel_Click();
}
