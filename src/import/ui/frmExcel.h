#pragma once

#include "WorkbookImport.h"
#include "WorkbookReader.h"

#include <QWidget>
#include <memory>
#include <optional>

class AppContext;
class Catalogue;
class CatalogueEvents;
class ImportPreviewModel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The import window: reads one worksheet of a workbook and appends its rows as movies to a
// catalogue the user picks (the open one unless told otherwise). The first worksheet is read when
// the workbook opens, its headings link the fields they name (marked as guessed until the user
// changes them), and a preview shows the first rows as they will be stored.
class frmExcel : public QWidget
{
    Q_OBJECT
public:
    // Rows the preview shows.
    static constexpr int PreviewRows = 20;

    frmExcel(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent = nullptr);
    ~frmExcel() override;

    // Asks for the workbook, lists its worksheets and reads the first. False when none was chosen
    // or it could not be read (then the window must not be shown).
    bool Form_Load();

    QComboBox *cmbWorksheets;
    QLabel *lblWorksheets;
    QGroupBox *frameLink;
    // One box per field; those past ImportField::Count link the fields an export brings along.
    QComboBox *cmbFieldLink[ImportField::AllCount];
    QLabel *lblField[ImportField::AllCount];
    QLabel *lblGuessed[ImportField::AllCount];
    QLabel *lblGuessNote;
    QLabel *lblPreview;
    QTableView *tblPreview;
    QLabel *lblPreviewSummary;
    QCheckBox *chkNamesFirstLast;
    QLabel *lblNamesGuessed;
    QCheckBox *chkDuplicates;
    QLabel *lblImportFrom;
    QLineEdit *File1;
    QPushButton *cmdBrowseTarget;
    QPushButton *cmdImport;
    QPushButton *cmdClose;

    const QString &workbookFile() const { return strWorkbookFile; }
    // The catalogue file rows are imported into: the open catalogue until the user picks another.
    QString targetCatalogue() const;
    void setTargetCatalogue(const QString &path);
    // Whether cmdImport may be used: a title heading and a target are chosen.
    bool canImport() const;
    // Whether a field's box holds the program's guess from the headings.
    bool isGuessed(int field) const;
    ImportPreviewModel *previewModel() const { return m_preview; }
    // The links and options the import would use now.
    FieldLinks fieldLinks() const;
    ImportOptions importOptions() const;

public slots:
    void cmbWorksheets_Click();
    void cmdImport_Click();
    void cmdClose_Click();
    void cmdBrowseTarget_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void updateCommandStates();
    void setGuessed(int field, bool guessed);
    void readTargetMovies();
    void refreshPreview();

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    CatalogueEvents &m_events;
    std::unique_ptr<WorkbookReader> m_workbook;
    std::optional<SheetData> m_sheet;
    QStringList m_headings;
    MovieKeys m_targetMovies;
    QStringList m_targetMoviesFor; // the target and links m_targetMovies was read for
    ImportPreviewModel *m_preview;
    QString strWorkbookFile;
    int intColumnCount = 0;
    bool m_filling = false; // the boxes are being filled: no preview per box
    // Set while rows are being imported: events still run then (progress), but the sheet and the
    // window must stay as they are until the import ends.
    bool m_importing = false;
};

// Opens the import window from the main window's command: asks for a workbook first and shows the
// window only when one was chosen and read. Returns the shown window (deleted when closed), or
// nullptr.
frmExcel *showImportWindow(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent);
