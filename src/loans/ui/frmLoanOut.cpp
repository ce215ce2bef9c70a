#include "frmLoanOut.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "Loans.h"

#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmLoanOut::frmLoanOut(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_catalogue(catalogue)
{
    setObjectName(QStringLiteral("frmLoanOut"));
    setWindowTitle(tr(" Loan Out"));

    txtMovID = new QLineEdit(this);
    txtMovID->setObjectName(QStringLiteral("txtMovID"));
    txtMovID->setReadOnly(true);
    txtMovieName = new QLineEdit(this);
    txtMovieName->setObjectName(QStringLiteral("txtMovieName"));
    txtMovieName->setReadOnly(true);
    txtLoanedTo = new QComboBox(this);
    txtLoanedTo->setObjectName(QStringLiteral("txtLoanedTo"));
    txtLoanedTo->setEditable(true);
    txtLoanedTo->setInsertPolicy(QComboBox::NoInsert);
    txtLoanedTo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    txtLoanedTo->completer()->setCompletionMode(QCompleter::InlineCompletion);
    txtLoanDate = new QLineEdit(this);
    txtLoanDate->setObjectName(QStringLiteral("txtLoanDate"));
    txtLoanDate->setPlaceholderText(tr("mm/dd/yyyy"));
    txtLoanDate->setToolTip(tr("Month/day/year, for example 12/09/2025"));

    cmdLoan = new QPushButton(tr("Loan Movie"), this);
    cmdLoan->setObjectName(QStringLiteral("cmdLoan"));
    cmdLoan->setDefault(true);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *form = new QFormLayout;
    form->addRow(tr("Movie ID: "), txtMovID);
    form->addRow(tr("Movie:"), txtMovieName);
    form->addRow(tr("Loaned To:"), txtLoanedTo);
    form->addRow(tr("Loan Date:"), txtLoanDate);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdLoan);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(cmdLoan, &QPushButton::clicked, this, &frmLoanOut::cmdLoan_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtLoanedTo, &QComboBox::editTextChanged, this, &frmLoanOut::updateCommands);

    txtLoanDate->setText(Loans::formatLoanDate(m_ctx.clock().today()));
    GetBorrowers();
    updateCommands();
    txtLoanedTo->setFocus();
}

void frmLoanOut::setMovie(int movieId, const QString &title, const QString &presetBorrower)
{
    m_movieId = movieId;
    txtMovID->setText(QString::number(movieId));
    txtMovieName->setText(title);
    txtLoanedTo->setEditText(presetBorrower);
    updateCommands();
}

void frmLoanOut::GetBorrowers()
{
    m_ctx.guard(QStringLiteral("frmLoanOut Form_Load"), [this] {
        const QString typed = txtLoanedTo->currentText();
        txtLoanedTo->clear();
        txtLoanedTo->addItems(Loans::borrowers(m_catalogue));
        txtLoanedTo->setEditText(typed);
    });
}

void frmLoanOut::updateCommands()
{
    cmdLoan->setEnabled(!txtLoanedTo->currentText().isEmpty());
}

void frmLoanOut::cmdLoan_Click()
{
    if (txtLoanedTo->currentText().isEmpty())
        return;
    const QDate date = Loans::parseLoanDate(txtLoanDate->text());
    if (!date.isValid()) {
        // Nothing is stored; the dialog stays open so the date can be corrected.
        m_ctx.prompts().message(tr("The loan date \"%1\" is not a date. Please type it as month/day/year, "
                                   "for example %2.")
                                    .arg(txtLoanDate->text(), Loans::formatLoanDate(m_ctx.clock().today())),
                                tr("Invalid Loan Date"), Prompts::Icon::Information);
        txtLoanDate->setFocus();
        txtLoanDate->selectAll();
        return;
    }
    const bool ok = m_ctx.guard(QStringLiteral("frmLoanOut cmdLoan_Click"), [&] {
        Loans::recordLoan(m_catalogue, m_movieId, txtMovieName->text(), txtLoanedTo->currentText(), date);
    });
    if (ok) {
        m_loansChanged = true;
        accept();
    } else {
        reject();
    }
}
