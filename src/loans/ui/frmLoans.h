#pragma once

#include "Loans.h"
#include "Reports.h"

#include <QWidget>

class AppContext;
class Catalogue;
class CatalogueEvents;
class QCheckBox;
class QComboBox;
class QPushButton;
class QStandardItemModel;
class QTreeView;

// Lists loans by status and borrower, records returns, and prints the list. Returns recorded here
// are announced (loansChanged) when the window closes.
class frmLoans : public QWidget
{
    Q_OBJECT
public:
    frmLoans(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent = nullptr);

    // Refills the list from the current filter.
    void GetLoans();

    // What the list shows now, in the order shown, and the borrower filter in force.
    QList<LoanRow> shownLoans() const { return m_rows; }
    bool borrowerFilterOn() const;
    QString borrowerFilter() const;
    // The loans report's parameters for what the window shows.
    report::LoansReportParams reportParams() const;

    int SelectedLoanID() const { return m_selectedLoanId; }
    bool LoansChanged() const { return m_loansChanged; }

    QComboBox *cmbShow;
    QCheckBox *ckUsers;
    QComboBox *cmbUsers;
    QTreeView *lvLoans;
    QCheckBox *ckReturned;
    QPushButton *cmdPrint;
    QPushButton *cmdClose;

signals:
    // Print List: the report of the shown loans. Without a receiver the button says printing is
    // not available.
    void printRequested(const report::LoansReportParams &params);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void selectLoan(int row);
    void ckReturned_Click(bool ticked);
    void lvLoans_ColumnClick(int column);
    void cmdPrint_Click();
    void updateCommands();

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    CatalogueEvents &m_events;
    QStandardItemModel *m_model;
    QList<LoanRow> m_rows;
    int m_selectedLoanId = 0;
    bool m_loansChanged = false;
    bool m_loading = false;
    bool m_unloaded = false;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_sorted = false;
};
