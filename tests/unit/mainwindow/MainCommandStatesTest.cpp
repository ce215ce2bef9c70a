#include "MainCommandStates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The states as words: a name for an enabled part, "-name" for a part that is set disabled; parts
// left as they are (and plain parts that are off) do not appear.
std::string describe(const MainCommandStates &s)
{
    std::string out;
    auto plain = [&](const char *name, bool on) {
        if (on)
            out += std::string(out.empty() ? "" : " ") + name;
    };
    auto kept = [&](const char *name, const std::optional<bool> &on) {
        if (on)
            out += std::string(out.empty() ? "" : " ") + (*on ? "" : "-") + name;
    };
    plain("fields", s.movieFields);
    plain("catalogue", s.catalogueCommands);
    plain("delete", s.deleteMovie);
    plain("save", s.saveMovie);
    plain("coverBox", s.coverBox);
    plain("print", s.printList);
    plain("refresh", s.refreshList);
    plain("actorBox", s.actorBox);
    plain("addActor", s.addActor);
    plain("removeActor", s.removeActor);
    plain("website", s.visitWebsite);
    kept("hint", s.doubleClickHint);
    kept("quickCover", s.quickCoverSearch);
    kept("saveCover", s.saveCoverFile);
    kept("coverSearch", s.coverSearch);
    kept("searchTitle", s.searchTitle);
    kept("download", s.downloadInfo);
    kept("searchDirector", s.searchDirector);
    kept("as", s.asLabel);
    kept("plays", s.actorPlays);
    plain("noCatalogue", s.noCatalogueCaption);
    plain("forgetActor", s.forgetSelectedActor);
    return out;
}

struct Case {
    const char *what;
    MainCommandInputs in;
    const char *expected;
};

MainCommandInputs chosen() { MainCommandInputs in; in.catalogueChosen = true; in.listHasRows = true; return in; }
MainCommandInputs with(MainCommandInputs in, bool MainCommandInputs::*field) { in.*field = true; return in; }
MainCommandInputs with(MainCommandInputs in, std::initializer_list<bool MainCommandInputs::*> fields)
{
    for (auto f : fields)
        in.*f = true;
    return in;
}

} // namespace

TEST(MainCommandStates, Table)
{
    using I = MainCommandInputs;
    const MainCommandInputs none;
    const MainCommandInputs stored = with(chosen(), &I::movieShown);
    const MainCommandInputs fresh = with(chosen(), &I::newMovie);
    const std::vector<Case> cases = {
        {"no catalogue: only the caption and the forgotten cast row", none, "noCatalogue forgetActor"},
        {"no catalogue, whatever the editor holds", with(none, {&I::movieShown, &I::hasTitle, &I::hasCover, &I::hasLink, &I::listHasRows}),
         "noCatalogue forgetActor"},
        {"catalogue, new movie without a title",
         fresh, "fields catalogue print refresh -hint -quickCover -saveCover -coverSearch -searchTitle -download -searchDirector -as -plays forgetActor"},
        {"new movie with a title can be saved and looked up",
         with(fresh, &I::hasTitle), "fields catalogue save print refresh -hint -quickCover -saveCover coverSearch searchTitle download -searchDirector -as -plays forgetActor"},
        {"director look-up needs title and director",
         with(fresh, {&I::hasTitle, &I::hasDirector}), "fields catalogue save print refresh -hint -quickCover -saveCover coverSearch searchTitle download searchDirector -as -plays forgetActor"},
        {"a director alone looks nothing up", with(fresh, &I::hasDirector),
         "fields catalogue print refresh -hint -quickCover -saveCover -coverSearch -searchTitle -download -searchDirector -as -plays forgetActor"},
        {"a title without new movie mode or a stored movie saves nothing", with(chosen(), &I::hasTitle),
         "fields catalogue print refresh -hint -quickCover -saveCover coverSearch searchTitle download -searchDirector -as -plays forgetActor"},
        {"stored movie: save (even untitled), delete, cast box",
         stored, "fields catalogue delete save coverBox print refresh actorBox hint quickCover -saveCover -coverSearch -searchTitle -download -searchDirector as -plays"},
        {"stored movie with a cover", with(stored, &I::hasCover),
         "fields catalogue delete save coverBox print refresh actorBox hint quickCover saveCover -coverSearch -searchTitle -download -searchDirector as -plays"},
        {"a cover without a stored movie cannot be saved", with(fresh, &I::hasCover),
         "fields catalogue print refresh -hint -quickCover -saveCover -coverSearch -searchTitle -download -searchDirector -as -plays forgetActor"},
        {"actor text enables adding and the role box", with(stored, &I::hasActorText),
         "fields catalogue delete save coverBox print refresh actorBox addActor hint quickCover -saveCover -coverSearch -searchTitle -download -searchDirector as plays"},
        {"a selected cast row can be removed", with(stored, &I::castRowSelected),
         "fields catalogue delete save coverBox print refresh actorBox removeActor hint quickCover -saveCover -coverSearch -searchTitle -download -searchDirector as -plays"},
        {"cast inputs without a stored movie do nothing", with(fresh, {&I::hasActorText, &I::castRowSelected}),
         "fields catalogue print refresh -hint -quickCover -saveCover -coverSearch -searchTitle -download -searchDirector -as -plays forgetActor"},
        {"a link enables the website button", with(fresh, &I::hasLink),
         "fields catalogue print refresh website -hint -quickCover -saveCover -coverSearch -searchTitle -download -searchDirector -as -plays forgetActor"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(describe(mainCommandStates(c.in)), c.expected) << c.what;

    // An empty list prints and refreshes nothing.
    MainCommandInputs empty = stored;
    empty.listHasRows = false;
    const MainCommandStates s = mainCommandStates(empty);
    EXPECT_FALSE(s.printList);
    EXPECT_FALSE(s.refreshList);
    EXPECT_TRUE(s.saveMovie);
}
