#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class AppContext;
class Catalogue;

// The user's side of catalogue files: new, open, the recent list and autoload. It asks the
// questions an open may need (converting an older catalogue, overwriting a file), reports failures
// to the error log, and keeps "LastDB" and "LastFolder". Windows hand it a path; only it opens the
// catalogue.
class CatalogueSession
{
    Q_DECLARE_TR_FUNCTIONS(CatalogueSession)

public:
    CatalogueSession(AppContext &ctx, Catalogue &catalogue);

    Catalogue &catalogue() { return m_catalogue; }
    // The catalogue last chosen, also while it could not be opened; empty before the first choice.
    QString chosenPath() const;
    bool catalogueChosen() const { return !chosenPath().isEmpty(); }

    // Opens path, asking before a conversion. On success writes "LastDB" and "LastFolder"; a
    // failure is logged under "DBConn" (with its message) and false returned.
    bool open(const QString &path);
    // Makes a new, empty catalogue at path, asking before replacing a file there; appends ".cnlg"
    // to path when it lacks it. False when nothing was made (declined, or failed and shown).
    bool create(QString &path);

    // File > New: makes the catalogue (a declined overwrite keeps the file there), opens it and puts
    // it first in the recent list. Returns whether it is open.
    bool createOpenAndRemember(const QString &path);
    // File > Open: opens path and puts it first in the recent list, also when it did not open.
    bool openAndRemember(const QString &path);
    // Start-up: opens the last catalogue when "AutoLoad" is on and the file is still there.
    bool autoload();

    // The recent list ("DBLists": db1 most recent to db5), five entries, empty text where unset.
    QStringList recentCatalogues() const;
    void remember(const QString &path);
    // Where the file dialogs start: the last catalogue's folder while it exists, else the documents
    // folder when there is one, else home.
    QString startFolder() const;

private:
    AppContext &m_ctx;
    Catalogue &m_catalogue;
};
