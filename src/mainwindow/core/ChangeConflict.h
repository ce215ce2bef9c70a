#pragma once

#include "Catalogue.h"
#include "MovieStore.h"
#include "Prompts.h"

#include <QCoreApplication>
#include <functional>

// A change that is refused when another program changed what it was made from since this program
// showed it (CatalogueError::ChangedElsewhere) is asked about: Yes shows what is stored now
// (reload), No makes the change over the other one, Cancel leaves things as they are stored.
// change(false) is the careful attempt, change(true) the one over the other program's change.
// Returns whether the change was made; other failures propagate.
inline bool changeOrAsk(Prompts &prompts, const QString &question, const QString &title,
                        const std::function<void(bool overwrite)> &change, const std::function<void()> &reload)
{
    try {
        change(false);
        return true;
    } catch (const CinelogError &e) {
        if (e.number() != CatalogueError::ChangedElsewhere)
            throw;
    }
    const Prompts::Answer answer = prompts.questionYesNoCancel(question, title, Prompts::Icon::Warning);
    if (answer == Prompts::Answer::No) {
        change(true);
        return true;
    }
    if (answer == Prompts::Answer::Yes && reload)
        reload();
    return false;
}

// The same for a change saved through MovieStore; what names the thing in the question ("the cast
// of this movie").
inline bool changeOrAsk(Prompts &prompts, const QString &what, const std::function<void(MovieStore::SaveMode)> &change,
                        const std::function<void()> &reload)
{
    return changeOrAsk(
        prompts,
        QCoreApplication::translate("ChangeConflict", "Another program changed %1 after it was shown here.\n\n"
                                                      "Yes: show it as it is stored now (your change here is dropped).\n"
                                                      "No: make your change over the other one.\n"
                                                      "Cancel: leave it as it is stored.")
            .arg(what),
        QCoreApplication::translate("ChangeConflict", "Changed Elsewhere"),
        [&](bool overwrite) { change(overwrite ? MovieStore::SaveMode::Overwrite : MovieStore::SaveMode::IfUnchanged); }, reload);
}
