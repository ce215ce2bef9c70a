#pragma once

#include "Loans.h"

#include <QWidget>

class AppContext;
class Catalogue;
class MainWindowLink;
class QCheckBox;
class QComboBox;
class QPushButton;
class QStandardItemModel;
class QTreeView;

// Lists loans by status and borrower, records returns, and prints the list.
class frmLoans : public QWidget
{
    Q_OBJECT
public:
    frmLoans(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow, QWidget *parent = nullptr);

    // Refills the list from the current filter.
    void GetLoans();

    // What the list shows now, in the order shown, and the borrower filter in force.
    QList<LoanRow> shownLoans() const { return m_rows; }
    bool borrowerFilterOn() const;
    QString borrowerFilter() const;

    int SelectedLoanID() const { return m_selectedLoanId; }
    bool LoansChanged() const { return m_loansChanged; }

    QComboBox *cmbShow;
    QCheckBox *ckUsers;
    QComboBox *cmbUsers;
    QTreeView *lvLoans;
    QCheckBox *ckReturned;
    QPushButton *cmdPrint;
    QPushButton *cmdClose;

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
    MainWindowLink &m_main;
    QStandardItemModel *m_model;
    QList<LoanRow> m_rows;
    int m_selectedLoanId = 0;
    bool m_loansChanged = false;
    bool m_loading = false;
    bool m_unloaded = false;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_sorted = false;
};
