#pragma once

#include <QWidget>

class AppContext;
class Catalogue;
class QCheckBox;
class QPushButton;
class QTreeView;
class UploadListModel;

// Lists the catalogue's movies with check boxes; "Upload Selected" sends the ticked ones to the
// community database.
class frmUploadMovies : public QWidget
{
    Q_OBJECT
public:
    frmUploadMovies(AppContext &ctx, Catalogue &catalogue, QWidget *parent = nullptr);

    QTreeView *lvMovies;
    QCheckBox *chkShowOnly;
    QPushButton *cmdUpload;
    QPushButton *cmdClose;

    UploadListModel *model() const { return m_model; }

    void ListMovies();
    void chkShowOnly_Click();
    void cmdUpload_Click();
    void cmdClose_Click();

private:
    AppContext &m_ctx;
    Catalogue &m_catalogue;
    UploadListModel *m_model;
};
