#pragma once

#include "Catalogue.h"
#include "MovieStore.h"
#include "Prompts.h"

#include <QCoreApplication>
#include <functional>

// Makes a change that is refused when another program changed what it was made from since this
// program showed it (CatalogueError::ChangedElsewhere). Then the user chooses: Yes shows what is
// stored now (reload), No makes the change over the other one, Cancel leaves things as they are.
// what names the thing in the question ("the cast of this movie"). Returns whether the change was
// made; other failures propagate.
inline bool changeOrAsk(Prompts &prompts, const QString &what, const std::function<void(MovieStore::SaveMode)> &change,
                        const std::function<void()> &reload)
{
    try {
        change(MovieStore::SaveMode::IfUnchanged);
        return true;
    } catch (const CinelogError &e) {
        if (e.number() != CatalogueError::ChangedElsewhere)
            throw;
    }
    const auto tr = [](const char *text) { return QCoreApplication::translate("ChangeConflict", text); };
    const Prompts::Answer answer = prompts.questionYesNoCancel(
        tr("Another program changed %1 after it was shown here.\n\n"
           "Yes: show it as it is stored now (your change here is dropped).\n"
           "No: make your change over the other one.\n"
           "Cancel: leave it as it is stored.").arg(what),
        tr("Changed Elsewhere"), Prompts::Icon::Warning);
    if (answer == Prompts::Answer::No) {
        change(MovieStore::SaveMode::Overwrite);
        return true;
    }
    if (answer == Prompts::Answer::Yes && reload)
        reload();
    return false;
}
