#pragma once

#include "WorkbookImport.h"
#include "WorkbookReader.h"

#include <QWidget>
#include <memory>
#include <optional>

class AppContext;
class Catalogue;
class CatalogueEvents;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The import window: reads one worksheet of a workbook and appends its rows as movies to a
// catalogue the user picks.
class frmExcel : public QWidget
{
    Q_OBJECT
public:
    frmExcel(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent = nullptr);
    ~frmExcel() override;

    // Asks for the workbook and lists its worksheets. False when none was chosen or it could not
    // be read (then the window must not be shown).
    bool Form_Load();

    QComboBox *cmbWorksheets;
    QLabel *lblWorksheets;
    QGroupBox *frameLink;
    QComboBox *cmbFieldLink[ImportField::Count];
    QLabel *lblField[ImportField::Count];
    QLabel *lblImportFrom;
    QLineEdit *File1;
    QPushButton *cmdBrowseTarget;
    QPushButton *cmdImport;
    QPushButton *cmdClose;

    const QString &workbookFile() const { return strWorkbookFile; }
    // The catalogue file rows are imported into; empty until the user picks one.
    QString targetCatalogue() const;
    void setTargetCatalogue(const QString &path);
    // Whether cmdImport may be used: a title heading and a target are chosen.
    bool canImport() const;

public slots:
    void cmbWorksheets_Click();
    void cmdImport_Click();
    void cmdClose_Click();
    void cmdBrowseTarget_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void updateCommandStates();
    FieldLinks fieldLinks() const;

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    CatalogueEvents &m_events;
    std::unique_ptr<WorkbookReader> m_workbook;
    std::optional<SheetData> m_sheet;
    FieldLinks m_headingLinks{};
    QString strWorkbookFile;
    int intColumnCount = 0;
    // Set while rows are being imported: events still run then (progress), but the sheet and the
    // window must stay as they are until the import ends.
    bool m_importing = false;
};

// Opens the import window from the main window's command: asks for a workbook first and shows the
// window only when one was chosen and read. Returns the shown window (deleted when closed), or
// nullptr.
frmExcel *showImportWindow(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent);
