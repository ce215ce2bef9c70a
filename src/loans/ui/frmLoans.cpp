#include "frmLoans.h"
#include "ChangeConflict.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "LoansWindows.h"
#include "CatalogueEvents.h"
#include "WindowPlacement.h"
#include "WindowUtil.h"

#include "KeyboardOrder.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMetaMethod>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int SortRole = Qt::UserRole + 1;
const QString Section = QStringLiteral("MovieLoans");
const WindowPlacement Placement(QStringLiteral("frmLoans"), WindowPlacement::Size);
// Which loans the list showed when the window was closed, as the text of its choice.
const Setting<QString> ShownLoans(QStringLiteral("frmLoans"), QStringLiteral("Show"));

QStandardItem *cell(const QString &text, const QVariant &sortKey)
{
    auto *item = new QStandardItem(text);
    item->setData(sortKey, SortRole);
    item->setEditable(false);
    return item;
}

QString shown(const QDate &d)
{
    return d.isValid() ? QLocale().toString(d, QLocale::ShortFormat) : QString();
}
}

frmLoans::frmLoans(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_catalogue(catalogue), m_events(events)
{
    setObjectName(QStringLiteral("frmLoans"));
    setWindowTitle(tr(" Loans"));

    auto *lblShow = new QLabel(tr("Show:"), this);
    lblShow->setObjectName(QStringLiteral("lblShow"));
    cmbShow = new QComboBox(this);
    cmbShow->setObjectName(QStringLiteral("cmbShow"));
    ckUsers = new QCheckBox(tr("Show Loan Outs for:"), this);
    ckUsers->setObjectName(QStringLiteral("ckUsers"));
    cmbUsers = new QComboBox(this);
    cmbUsers->setObjectName(QStringLiteral("cmbUsers"));
    cmbUsers->setMinimumWidth(180);

    m_model = new QStandardItemModel(0, 6, this);
    m_model->setHorizontalHeaderLabels({tr("ID"), tr("MovID"), tr("Movie Name"),
                                        tr("Loaned To"), tr("Date Loaned"),
                                        tr("Date Returned")});
    m_model->setSortRole(SortRole);
    lvLoans = new QTreeView(this);
    lvLoans->setObjectName(QStringLiteral("lvLoans"));
    lvLoans->setModel(m_model);
    lvLoans->setRootIsDecorated(false);
    lvLoans->setUniformRowHeights(true);
    lvLoans->setAllColumnsShowFocus(true);
    lvLoans->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvLoans->setSelectionMode(QAbstractItemView::SingleSelection);
    lvLoans->header()->setSectionsClickable(true);
    lvLoans->header()->setStretchLastSection(true);
    const int widths[6] = {600, 700, 3000, 1800, 1300, 1300};
    for (int i = 0; i < 6; ++i)
        lvLoans->header()->resizeSection(i, twipsToPixels(widths[i]));

    ckReturned = new QCheckBox(tr("Movie has been returned."), this);
    ckReturned->setObjectName(QStringLiteral("ckReturned"));
    cmdPrint = new QPushButton(tr("Print List"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *top = new QHBoxLayout;
    top->addWidget(lblShow);
    top->addWidget(cmbShow);
    top->addSpacing(20);
    top->addWidget(ckUsers);
    top->addWidget(cmbUsers);
    top->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(ckReturned);
    bottom->addStretch();
    bottom->addWidget(cmdPrint);
    bottom->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lvLoans, 1);
    layout->addLayout(bottom);
    resize(twipsToPixels(9800), twipsToPixels(5400));

    connect(cmbShow, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            GetLoans();
    });
    connect(cmbUsers, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            GetLoans();
    });
    connect(ckUsers, &QCheckBox::toggled, this, [this](bool on) {
        updateCommands();
        if (!on && !m_loading)
            GetLoans();
    });
    connect(lvLoans->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { selectLoan(current.isValid() ? current.row() : -1); });
    connect(lvLoans->header(), &QHeaderView::sectionClicked, this, &frmLoans::lvLoans_ColumnClick);
    connect(ckReturned, &QCheckBox::clicked, this, &frmLoans::ckReturned_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmLoans::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    // Keyboard and screen readers.
    cmbUsers->setAccessibleName(tr("Borrower"));
    lvLoans->setAccessibleName(tr("Loans"));
    KeyboardOrder::closeOnEscape(this);
    KeyboardOrder::prepare(this);
    Form_Load();
}

void frmLoans::Form_Load()
{
    m_loading = true;
    m_loansChanged = false;
    for (Loans::Filter f : {Loans::Filter::All, Loans::Filter::LoanedOut, Loans::Filter::Returned})
        cmbShow->addItem(Loans::filterCaption(f), Loans::filterText(f));
    cmbShow->setCurrentIndex(0);
    restoreColumnWidths(lvLoans->header(), m_ctx.ini(), Section);
    Placement.restore(*this, m_ctx.ini());
    Loans::Filter remembered;
    if (Loans::filterFromText(ShownLoans.read(m_ctx.ini()), remembered))
        cmbShow->setCurrentIndex(int(remembered));
    m_ctx.guard(QStringLiteral("frmLoans Form_Load"), [this] {
        const QStringList names = Loans::borrowers(m_catalogue);
        cmbUsers->clear();
        cmbUsers->addItems(names);
        cmbUsers->setCurrentIndex(-1);
    });
    m_loading = false;
    GetLoans();
}

bool frmLoans::borrowerFilterOn() const
{
    return ckUsers->isChecked();
}

QString frmLoans::borrowerFilter() const
{
    return ckUsers->isChecked() ? cmbUsers->currentText() : QString();
}

void frmLoans::GetLoans()
{
    m_selectedLoanId = 0;
    m_rows.clear();
    m_model->removeRows(0, m_model->rowCount());
    m_sorted = false;
    lvLoans->header()->setSortIndicatorShown(false);
    Loans::Filter filter;
    if (Loans::filterFromText(cmbShow->currentData().toString(), filter)) {
        m_ctx.guard(QStringLiteral("GetLoans"), [&] {
            const QList<LoanRow> rows = Loans::loans(m_catalogue, filter, borrowerFilter());
            ProgressSink &progress = m_ctx.progress();
            if (!rows.isEmpty())
                progress.ShowProgress(tr("Getting Loaned Movie Records..."), 0, int(rows.size()));
            qint64 n = 0;
            for (const LoanRow &r : rows) {
                m_model->appendRow({cell(QString::number(r.id), r.id), cell(QString::number(r.movieId), r.movieId),
                                    cell(r.movieTitle, r.movieTitle), cell(r.loanedTo, r.loanedTo),
                                    cell(shown(r.dateOut), r.dateOut), cell(shown(r.dateIn), r.dateIn)});
                m_model->item(m_model->rowCount() - 1, 0)->setData(r.id, Qt::UserRole);
                progress.UpdateProgress(++n);
            }
            m_rows = rows;
        });
    }
    ckReturned->setChecked(false);
    updateCommands();
}

void frmLoans::selectLoan(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_selectedLoanId = 0;
        ckReturned->setChecked(false);
    } else {
        m_selectedLoanId = m_model->item(row, 0)->data(Qt::UserRole).toInt();
        ckReturned->setChecked(!m_model->item(row, 5)->text().isEmpty());
    }
    updateCommands();
}

void frmLoans::ckReturned_Click(bool ticked)
{
    if (m_selectedLoanId == 0)
        return;
    const int loanId = m_selectedLoanId;
    qint64 seen = -1;
    for (const LoanRow &r : m_rows)
        if (r.id == loanId)
            seen = r.changeCount;
    const bool ok = m_ctx.guard(QStringLiteral("frmLoans ckReturned_Click"), [&] {
        const QDate dateIn = ticked ? m_ctx.clock().today() : QDate();
        // Yes shows the loans as they are stored now: the list is read again below in every case.
        changeOrAsk(
            m_ctx.prompts(),
            tr("Another program changed this loan after it was shown here.\n\n"
               "Yes: show the loans as they are stored now (your change here is dropped).\n"
               "No: make your change over the other one.\n"
               "Cancel: leave the loan as it is stored."),
            tr("Loan Changed Elsewhere"),
            [&](bool overwrite) { Loans::setReturned(m_catalogue, loanId, dateIn, overwrite ? -1 : seen); }, {});
    });
    GetLoans();
    if (ok)
        m_loansChanged = true;
}

void frmLoans::lvLoans_ColumnClick(int column)
{
    if (m_model->rowCount() == 0)
        return;
    // Every click reverses the direction, whichever column it is; the first one sorts descending.
    m_sortOrder = (m_sorted && m_sortOrder == Qt::DescendingOrder) ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_sorted = true;
    m_model->sort(column, m_sortOrder);
    lvLoans->header()->setSortIndicatorShown(true);
    lvLoans->header()->setSortIndicator(column, m_sortOrder);
    // Keep the shown order for printing.
    QList<LoanRow> ordered;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        const int id = m_model->item(r, 0)->data(Qt::UserRole).toInt();
        for (const LoanRow &l : std::as_const(m_rows))
            if (l.id == id) {
                ordered << l;
                break;
            }
    }
    m_rows = ordered;
}

report::LoansReportParams frmLoans::reportParams() const
{
    report::LoansReportParams params;
    const QLocale locale;
    for (const LoanRow &row : m_rows)
        params.rows.append({QString::number(row.id), QString::number(row.movieId), row.movieTitle, row.loanedTo,
                            row.dateOut.isValid() ? locale.toString(row.dateOut, QLocale::ShortFormat) : QString(),
                            row.dateIn.isValid() ? locale.toString(row.dateIn, QLocale::ShortFormat) : QString()});
    params.showLoansForUser = borrowerFilterOn();
    params.userName = borrowerFilter();
    return params;
}

void frmLoans::cmdPrint_Click()
{
    if (isSignalConnected(QMetaMethod::fromSignal(&frmLoans::printRequested))) {
        emit printRequested(reportParams());
        return;
    }
    m_ctx.prompts().information(tr("Printing is not available in this installation."),
                                tr("Print List"));
}

void frmLoans::updateCommands()
{
    ckReturned->setEnabled(m_selectedLoanId != 0);
    cmbUsers->setEnabled(ckUsers->isChecked());
    if (!ckUsers->isChecked() && cmbUsers->currentIndex() != -1) {
        const bool was = m_loading;
        m_loading = true;
        cmbUsers->setCurrentIndex(-1);
        m_loading = was;
    }
    cmdPrint->setEnabled(m_model->rowCount() > 0);
}

void frmLoans::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmLoans::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    storeColumnWidths(lvLoans->header(), m_ctx.ini(), Section);
    ShownLoans.write(m_ctx.ini(), cmbShow->currentData().toString());
    Placement.save(*this, m_ctx.ini());
    if (m_loansChanged)
        emit m_events.loansChanged(tr("Refreshing Movie List..."));
}
