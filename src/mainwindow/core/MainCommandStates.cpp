#include "MainCommandStates.h"

MainCommandStates mainCommandStates(const MainCommandInputs &in)
{
    MainCommandStates s;
    const bool a = in.catalogueChosen;
    const bool movie = a && in.movieShown;
    s.movieFields = a;
    s.catalogueCommands = a;
    s.deleteMovie = movie;
    s.saveMovie = a && (in.movieShown || (in.hasTitle && in.newMovie));
    s.coverBox = movie;
    if (a) {
        s.doubleClickHint = movie;
        s.quickCoverSearch = movie;
        s.saveCoverFile = movie && in.hasCover;
        s.coverSearch = in.hasTitle;
        s.searchTitle = in.hasTitle;
        s.downloadInfo = in.hasTitle;
        s.searchDirector = in.hasTitle && in.hasDirector;
        s.asLabel = movie;
        s.actorPlays = movie && in.hasActorText;
    }
    s.printList = a && in.listHasRows;
    s.refreshList = s.printList;
    s.actorBox = movie;
    s.removeActor = movie && in.castRowSelected;
    s.addActor = movie && in.hasActorText;
    s.visitWebsite = a && in.hasLink;
    s.noCatalogueCaption = !a;
    s.forgetSelectedActor = !a || !in.movieShown;
    return s;
}
