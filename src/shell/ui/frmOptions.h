#pragma once

#include <QDialog>
#include <functional>

class AppContext;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QFormLayout;

// The options dialog. Other parts of the program add their own rows through extension hooks.
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
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

    // A form where further options (community connection, cover source, ...) place their rows.
    QFormLayout *extraOptions() const { return m_extra; }

    // Extensions register a loader and a saver: the loader runs now, the saver on OK.
    using Hook = std::function<void(frmOptions &)>;
    static void addExtension(Hook load, Hook save);

    void Form_Load();
    void cmdOpenDB_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    AppContext &context() { return m_ctx; }

private:
    AppContext &m_ctx;
    QFormLayout *m_extra;
};
