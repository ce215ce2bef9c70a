#include "frmAddToUserList.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "UserLists.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmAddToUserList::frmAddToUserList(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_catalogue(catalogue)
{
    setObjectName(QStringLiteral("frmAddToUserList"));
    setWindowTitle(tr(" Add to User's List"));

    auto makeBox = [this](const char *name, bool readOnly) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setReadOnly(readOnly);
        return box;
    };
    txtMovID = makeBox("txtMovID", true);
    txtMovTitle = makeBox("txtMovTitle", true);
    txtUserName = makeBox("txtUserName", true);
    txtDisplayName = makeBox("txtDisplayName", false);
    cmdAdd = new QPushButton(tr("Add to User's List"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setDefault(true);
    cmdClose = new QPushButton(tr("Cancel"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *form = new QFormLayout;
    form->addRow(tr("Movie ID:"), txtMovID);
    form->addRow(tr("Movie Title:"), txtMovTitle);
    form->addRow(tr("User Name:"), txtUserName);
    form->addRow(tr("Display Name:"), txtDisplayName);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(cmdAdd, &QPushButton::clicked, this, &frmAddToUserList::cmdAdd_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtDisplayName, &QLineEdit::textChanged, this, &frmAddToUserList::updateCommands);

    txtUserName->setText(m_ctx.CurrentUser);
    m_ctx.guard(QStringLiteral("frmAddToUserList Form_Load"),
                [this] { txtDisplayName->setText(UserLists::proposedName(m_catalogue, m_ctx.CurrentUser)); });
    updateCommands();
}

void frmAddToUserList::setMovie(int movieId, const QString &title)
{
    m_movieId = movieId;
    txtMovID->setText(QString::number(movieId));
    txtMovTitle->setText(title);
}

void frmAddToUserList::updateCommands()
{
    cmdAdd->setEnabled(!txtDisplayName->text().isEmpty());
}

void frmAddToUserList::cmdAdd_Click()
{
    if (txtDisplayName->text().isEmpty())
        return;
    const bool ok = m_ctx.guard(QStringLiteral("frmAddToUserList cmdAdd_Click"), [this] {
        UserLists::addEntry(m_catalogue, m_movieId, txtMovTitle->text(), m_ctx.CurrentUser, txtDisplayName->text());
    });
    if (ok)
        accept();
    else
        reject();
}
