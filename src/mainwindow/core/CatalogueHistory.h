#pragma once

#include "RowChanges.h"
#include "Setting.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class Catalogue;
class CatalogueEvents;
class QAction;
class QUndoStack;

// The undo history of the open catalogue. Every change this program makes to the catalogue is
// noted row by row as it is written (ChangeRecorder), whichever window or command writes it; what
// one user action wrote becomes one step on a QUndoStack, named after what changed ("Delete 'The
// Matrix'"). A step is closed when the program is back between user actions (see setIdleCheck), or
// explicitly; a Group keeps a command that lets events run between its writes (a batch) one step.
//
// Undo and redo each run in one transaction and first check that the rows are still as the step
// left them: a step whose rows another program (or a write this history did not see) changed since
// is refused with CatalogueError::ChangedElsewhere and nothing is written. After each, the windows
// are told through CatalogueEvents as after the original change.
//
// The history belongs to one opened file: opening, creating, closing, compacting, converting or
// restoring a catalogue (anything that opens a connection anew) ends it. It is bounded by memory:
// when its steps hold more than the limit, the oldest are dropped (never the newest).
class CatalogueHistory : public QObject
{
    Q_OBJECT
public:
    // Megabytes the history may hold; covers count by their size.
    static const Setting<int> MemoryLimitMB;

    CatalogueHistory(Catalogue &catalogue, CatalogueEvents *events, QObject *parent = nullptr);
    ~CatalogueHistory() override;
    // The history kept for that catalogue, or nullptr (a Group on nullptr does nothing): for core
    // commands that write in several pieces with events running in between (a batch).
    static CatalogueHistory *of(const Catalogue &catalogue);

    QUndoStack &stack() { return *m_stack; }

    void setMemoryLimit(qint64 bytes);
    qint64 memoryLimit() const { return m_limit; }
    // What the steps hold now, in bytes.
    qint64 bytes() const;

    // Whether the program is between user actions (no dialog, menu or progress window, no nested
    // event loop). Noted changes become a step only then; without a check, as soon as no
    // transaction is open and control is back in the event loop.
    void setIdleCheck(std::function<bool()> idle) { m_idle = std::move(idle); }

    // Makes the changes noted since the last step one step, named text (empty: after what
    // changed). Returns false when nothing had changed.
    bool closeStep(const QString &text = QString());

    // Everything written while a Group lives is one step, named text (empty: after what changed).
    class Group
    {
    public:
        Group(CatalogueHistory *history, const QString &text = QString());
        ~Group();
        Group(const Group &) = delete;
        Group &operator=(const Group &) = delete;

    private:
        CatalogueHistory *m_history;
        QString m_text;
    };

    // Ends the history if the catalogue is no longer the file it was kept for; then whether a
    // step can be undone or redone.
    bool canUndo();
    bool canRedo();
    QString undoText();
    QString redoText();
    // Throws CinelogError (CatalogueError::ChangedElsewhere for a refused step); nothing changes then.
    void undo();
    void redo();
    void clear();

    // The name of a step that changed these rows.
    static QString describe(const RowChanges &changes);
    // The message shown when a step is refused.
    static QString refusedMessage(bool undo, const QString &stepText);

    // Edit > Undo and Edit > Redo (Ctrl+Z, Ctrl+Shift+Z), named after the step they take back or
    // make again; triggered they call onUndo / onRedo (which run undo() / redo() inside the
    // caller's error guard).
    QAction *createUndoAction(QObject *parent, std::function<void()> onUndo);
    QAction *createRedoAction(QObject *parent, std::function<void()> onRedo);

signals:
    // The stack changed (a step added, undone, redone or dropped, or the history ended).
    void historyChanged();

private:
    class Step;
    struct Stamp {
        quint64 generation = 0;
        qint64 dataVersion = -1;
        qint64 ownChanges = -1;
        bool operator==(const Stamp &) const = default;
    };
    Stamp stampNow();
    void sync();
    void scheduleClose();
    void tryClose();
    void apply(Step &step, bool undo);
    void announce(const RowChanges &changes);
    void enforceLimit();

    Catalogue &m_cat;
    CatalogueEvents *m_events;
    QUndoStack *m_stack;
    ChangeRecorder m_recorder;
    std::function<bool()> m_idle;
    qint64 m_limit;
    quint64 m_generation = 0;
    Stamp m_stamp;
    int m_groups = 0;
    QString m_groupText;
    bool m_closeScheduled = false;
    // The stack is being moved after the history wrote the rows itself (or rebuilt): the
    // commands do nothing then.
    bool m_moving = false;
};
