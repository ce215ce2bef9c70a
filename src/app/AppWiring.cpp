#include "AppWiring.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "LoansWindows.h"
#include "WindowUtil.h"
#include "frmActDir.h"
#include "frmEpisodes.h"
#include "frmMain.h"
#include "frmSearch.h"

#include <QLineEdit>

void wireMainWindow(AppContext &ctx, Catalogue &catalogue, frmMain &w)
{
    MainWindowHooks &h = w.hooks;

    h.loanOut = [&ctx, &catalogue, &w](int movieId, const QString &title) {
        return showLoanOut(ctx, catalogue, movieId, title, QString(), &w);
    };
    h.addToUserList = [&ctx, &catalogue, &w](int movieId, const QString &title) {
        showAddToUserList(ctx, catalogue, movieId, title, &w);
    };
    h.loans = [&ctx, &catalogue, &w] { showLoansWindow(ctx, catalogue, w, &w); };
    h.userLists = [&ctx, &catalogue, &w] { showUserLists(ctx, catalogue, w, &w); };
    h.actorsDirectors = [&ctx, &catalogue, &w] { showActorsDirectors(ctx, catalogue, &w); };

    h.search = [&ctx, &catalogue, &w] {
        frmSearch *s = showSearchWindow(ctx, catalogue, w, &w);
        s->setLoanOutHandler([&ctx, &catalogue, s](int movieId, const QString &title) {
            return showLoanOut(ctx, catalogue, movieId, title, QString(), s);
        });
        s->setAddToListHandler([&ctx, &catalogue, s](int movieId, const QString &title) {
            return showAddToUserList(ctx, catalogue, movieId, title, s);
        });
    };

    // The episodes window exists from start-up, hidden until an episode disc is shown.
    auto *episodes = new frmEpisodes(ctx, catalogue, &w);
    episodes->setWindowFlag(Qt::Window, true);
    episodes->hide();
    h.showEpisodes = [episodes, &w](int movieId, const QString &title) {
        episodes->setMovie(movieId, title, w.txtNumDiscs->text());
        episodes->show();
        SetTopMost(episodes, true);
    };
    h.hideEpisodes = [episodes] { episodes->hide(); };
    h.closing = [episodes] { episodes->Form_Unload(); };
}
