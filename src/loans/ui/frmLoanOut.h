#pragma once

#include <QDialog>

class AppContext;
class Catalogue;
class QComboBox;
class QLineEdit;
class QPushButton;

// Records a new loan for one movie. accept() only after a loan was stored.
class frmLoanOut : public QDialog
{
    Q_OBJECT
public:
    frmLoanOut(AppContext &ctx, Catalogue &catalogue, QWidget *parent = nullptr);

    // Fills the movie boxes and the proposed borrower.
    void setMovie(int movieId, const QString &title, const QString &presetBorrower = QString());

    // True once a loan has been recorded by this dialog.
    bool LoansChanged() const { return m_loansChanged; }

    QLineEdit *txtMovID;
    QLineEdit *txtMovieName;
    QComboBox *txtLoanedTo;
    QLineEdit *txtLoanDate;
    QPushButton *cmdLoan;
    QPushButton *cmdClose;

private:
    void GetBorrowers();
    void cmdLoan_Click();
    void updateCommands();

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    int m_movieId = 0;
    bool m_loansChanged = false;
};
