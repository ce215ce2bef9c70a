#pragma once

#include <QObject>
#include <QString>

// The movie in the main window's editor, as other windows see it: which movie it is, whether it
// is new or has unsaved edits, and its title as typed. The editor keeps it up to date. Windows ask
// the editor for something through its request functions, which emit signals the editor handles
// before they return.
class EditedMovie : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The stored movie's ID; 0 when the editor holds none.
    int id() const { return m_id; }
    // The editor holds a movie not stored yet.
    bool isNew() const { return m_isNew; }
    // The editor holds no unsaved edits.
    bool isSaved() const { return m_isSaved; }
    QString title() const { return m_title; }

    // For the editor.
    void setId(int id) { m_id = id; }
    void setNew(bool isNew) { m_isNew = isNew; }
    void setSaved(bool saved) { m_isSaved = saved; }
    void setTitle(const QString &title) { m_title = title; }

    // Requests to the editor.
    void offerToSave() { emit saveOfferRequested(); }
    void show(int movieId) { emit showRequested(movieId); }
    void reload() { emit reloadRequested(); }

signals:
    // Offer to save unsaved edits (Yes saves them, No drops them).
    void saveOfferRequested();
    // Show this stored movie, as if it was picked in the main list, and bring the editor forward.
    void showRequested(int movieId);
    // Show the edited movie again as the catalogue holds it.
    void reloadRequested();

private:
    int m_id = 0;
    bool m_isNew = false;
    bool m_isSaved = true;
    QString m_title;
};
