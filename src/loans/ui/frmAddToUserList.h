#pragma once

#include <QDialog>

class AppContext;
class Catalogue;
class QLineEdit;
class QPushButton;

// Adds a movie to a user list. accept() only after an entry was stored.
class frmAddToUserList : public QDialog
{
    Q_OBJECT
public:
    frmAddToUserList(AppContext &ctx, Catalogue &catalogue, QWidget *parent = nullptr);

    void setMovie(int movieId, const QString &title);

    QLineEdit *txtMovID;
    QLineEdit *txtMovTitle;
    QLineEdit *txtUserName;
    QLineEdit *txtDisplayName;
    QPushButton *cmdAdd;
    QPushButton *cmdClose;

private:
    void cmdAdd_Click();
    void updateCommands();

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    int m_movieId = 0;
};
