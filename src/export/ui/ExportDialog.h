#pragma once

#include "CatalogueExport.h"

#include <QDialog>

class AppContext;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Asks what to export (the whole catalogue, the movies in the list, the search results), in which
// format and to which file.
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    struct Choices {
        int catalogueMovies = 0;
        std::optional<QList<int>> listMovies;   // the main list, in its order
        std::optional<QList<int>> searchMovies; // the search window's results
        QString startPath;                      // proposed file, without extension
    };
    ExportDialog(AppContext &ctx, Choices choices, QWidget *parent = nullptr);

    ExportFormat format() const;
    QString path() const;
    // The movies chosen; none for the whole catalogue.
    std::optional<QList<int>> movieIds() const;

    QRadioButton *optCatalogue, *optList, *optSearch;
    QComboBox *cmbFormat;
    QLineEdit *txtFile;
    QPushButton *cmdBrowse;
    QLabel *lblFormatNote;
    QDialogButtonBox *buttons;

private:
    void formatChanged();
    void browse();
    void updateOk();

    AppContext &m_ctx;
    Choices m_choices;
};
