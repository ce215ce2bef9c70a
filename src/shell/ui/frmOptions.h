#pragma once

#include <QDialog>

class AppContext;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QFormLayout;

// The options dialog. Other parts of the program add their own rows to extraOptions() when the
// dialog is made, and store them when it emits saving().
class frmOptions : public QDialog
{
    Q_OBJECT
public:
    explicit frmOptions(AppContext &ctx, QWidget *parent = nullptr);

    QGroupBox *FraMovieDatabase;
    QLabel *lblLastOpened;
    QLineEdit *txtTxtLastDB;
    QPushButton *cmdOpenDB;
    QCheckBox *chkLoadLast;
    QLabel *lblPDFReports;
    QLineEdit *Dir1;
    QPushButton *cmdBrowsePDF;
    QLabel *lblLanguage;
    // The language the program speaks from its next start; the item data is the stored code.
    QComboBox *cboLanguage;
    QLabel *lblLanguageNote;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

    // A form where further options (community connection, cover source, ...) place their rows.
    QFormLayout *extraOptions() const { return m_extra; }

    void Form_Load();
    void cmdOpenDB_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    AppContext &context() { return m_ctx; }

signals:
    // OK: the dialog's own options are written; the rows others added are to be stored now.
    void saving();

private:
    AppContext &m_ctx;
    QFormLayout *m_extra;
};
