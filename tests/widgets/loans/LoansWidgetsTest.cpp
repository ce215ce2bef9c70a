#include "FakeMainWindow.h"
#include "Loans.h"
#include "LoansWindows.h"
#include "MarkerTranslator.h"
#include "TestCatalogue.h"
#include "UserLists.h"
#include "WidgetTestSupport.h"
#include "frmAddToUserList.h"
#include "frmLoanOut.h"
#include "frmLoans.h"
#include "frmUserList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

class LoansWidgetsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WidgetTestContext> t;
    std::unique_ptr<Catalogue> cat;
    FakeMainWindow main;

    QVariant loanValue(const char *column, int loanId)
    {
        return cat->scalar(QStringLiteral("SELECT %1 FROM LoanOut WHERE ID = ?").arg(QLatin1String(column)), {loanId});
    }
    static QStringList column(QTreeView *view, int col)
    {
        QStringList out;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            out << view->model()->index(r, col).data().toString();
        return out;
    }
    static void selectRow(QTreeView *view, int row)
    {
        view->setCurrentIndex(view->model()->index(row, 0));
    }

private slots:
    void init()
    {
        t = std::make_unique<WidgetTestContext>();
        cat = openTempCatalogue(t->ctx(), t->folder());
        main.reset();
    }
    void cleanup()
    {
        cat.reset();
        t.reset();
    }

    void lendingRecordsTheLoanAndRefreshesAfterTheDialogCloses()
    {
        const int abyss = addMovie(*cat, QStringLiteral("The Abyss"));
        Loans::recordLoan(*cat, 99, QStringLiteral("Other"), QStringLiteral("Bob"), QDate(2025, 1, 1));
        QStringList refreshesWhileOpen;
        whenModal([&](QWidget *w) {
            auto *dialog = qobject_cast<frmLoanOut *>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Loan Out"));
            QCOMPARE(dialog->txtMovID->text(), QString::number(abyss));
            QCOMPARE(dialog->txtMovieName->text(), QStringLiteral("The Abyss"));
            QCOMPARE(dialog->txtLoanDate->text(), QStringLiteral("12/09/2025"));
            QCOMPARE(dialog->txtLoanedTo->count(), 1); // the earlier borrower is offered
            QVERIFY(!dialog->cmdLoan->isEnabled());
            QTest::keyClicks(dialog->txtLoanedTo->lineEdit(), QStringLiteral("Ann O'Neil"));
            QVERIFY(dialog->cmdLoan->isEnabled());
            refreshesWhileOpen = main.listMovies;
            QTest::mouseClick(dialog->cmdLoan, Qt::LeftButton);
        });
        QVERIFY(lendMovie(t->ctx(), *cat, main.events, abyss, QStringLiteral("The Abyss"), QString(), nullptr));
        QVERIFY(refreshesWhileOpen.isEmpty());
        QCOMPARE(main.listMovies, QStringList{QStringLiteral("Updating the Movie List...")});
        QCOMPARE(Loans::openBorrowers(*cat, abyss), QStringList{QStringLiteral("Ann O'Neil")});
        QCOMPARE(cat->scalar(QStringLiteral("SELECT DateOut FROM LoanOut WHERE MovieID = ?"), {abyss}).toString(),
                 QStringLiteral("2025-12-09"));
    }

    void closeAndUnreadableDatesRecordNothing()
    {
        const int abyss = addMovie(*cat, QStringLiteral("The Abyss"));
        whenModal([&](QWidget *w) {
            auto *dialog = qobject_cast<frmLoanOut *>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->txtLoanedTo->currentText(), QStringLiteral("Kim")); // preset borrower
            dialog->txtLoanDate->setText(QStringLiteral("31/12/2025"));
            QTest::mouseClick(dialog->cmdLoan, Qt::LeftButton);
            QCOMPARE(t->prompts.titles(), QStringList{QStringLiteral("Invalid Loan Date")});
            QVERIFY(dialog->isVisible()); // stays open for a correction
            QTest::mouseClick(dialog->cmdClose, Qt::LeftButton);
        });
        QVERIFY(!lendMovie(t->ctx(), *cat, main.events, abyss, QStringLiteral("The Abyss"), QStringLiteral("Kim"), nullptr));
        QVERIFY(main.listMovies.isEmpty());
        QCOMPARE(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM LoanOut")).toInt(), 0);
        QVERIFY(t->logLines().isEmpty());
    }

    // The box shows its choices in the user's language; the settings keep the English name, so the
    // choice comes back after the language changes, and the list filters by the choice, not its words.
    void loansWindowInAnotherLanguageFiltersAndRemembersItsChoice()
    {
        const int heat = addMovie(*cat, QStringLiteral("Heat"));
        const int ran = addMovie(*cat, QStringLiteral("Ran"));
        const int open = Loans::recordLoan(*cat, heat, QStringLiteral("Heat"), QStringLiteral("Ann"), QDate(2025, 11, 20));
        const int back = Loans::recordLoan(*cat, ran, QStringLiteral("Ran"), QStringLiteral("Ann"), QDate(2025, 3, 5));
        Loans::setReturned(*cat, back, QDate(2025, 4, 1));
        {
            MarkerTranslator translated;
            frmLoans w(t->ctx(), *cat, main.events);
            QCOMPARE(w.cmbShow->itemText(1), MarkerTranslator::marked(QStringLiteral("Movies Loaned Out")));
            QCOMPARE(w.lvLoans->model()->headerData(2, Qt::Horizontal).toString(),
                     MarkerTranslator::marked(QStringLiteral("Movie Name")));
            w.cmbShow->setCurrentIndex(2);
            QCOMPARE(column(w.lvLoans, 0), QStringList{QString::number(back)});
            w.cmbShow->setCurrentIndex(1);
            QCOMPARE(column(w.lvLoans, 0), QStringList{QString::number(open)});
            w.close();
        }
        QCOMPARE(t->ctx().ReadINI(QStringLiteral("frmLoans"), QStringLiteral("Show")), QStringLiteral("Movies Loaned Out"));
        frmLoans english(t->ctx(), *cat, main.events);
        QCOMPARE(english.cmbShow->currentText(), QStringLiteral("Movies Loaned Out"));
        QCOMPARE(column(english.lvLoans, 0), QStringList{QString::number(open)});
        QVERIFY(t->logLines().isEmpty());
    }

    void loansWindowFiltersReturnsAndReopens()
    {
        const int heat = addMovie(*cat, QStringLiteral("Heat"));
        const int ran = addMovie(*cat, QStringLiteral("Ran"));
        const int a = Loans::recordLoan(*cat, heat, QStringLiteral("Heat"), QStringLiteral("Pat O'Brien"), QDate(2025, 11, 20));
        const int b = Loans::recordLoan(*cat, ran, QStringLiteral("Ran"), QStringLiteral("Ann"), QDate(2025, 3, 5));
        const int c = Loans::recordLoan(*cat, ran, QStringLiteral("Ran"), QStringLiteral("Pat O'Brien"), QDate(2024, 1, 1));
        Loans::setReturned(*cat, c, QDate(2024, 2, 1));

        auto *w = new frmLoans(t->ctx(), *cat, main.events);
        w->show();
        QCOMPARE(w->cmbShow->currentText(), QStringLiteral("All Loaned Movies"));
        QCOMPARE(column(w->lvLoans, 0).size(), 3);
        QVERIFY(!w->ckReturned->isEnabled());
        QVERIFY(!w->cmbUsers->isEnabled());

        w->cmbShow->setCurrentText(QStringLiteral("Movies Loaned Out"));
        QCOMPARE(column(w->lvLoans, 0), (QStringList{QString::number(a), QString::number(b)}));

        // Returning the first one stores today's date; it leaves the open list.
        selectRow(w->lvLoans, 0);
        QVERIFY(w->ckReturned->isEnabled());
        QVERIFY(!w->ckReturned->isChecked());
        w->ckReturned->click();
        QCOMPARE(loanValue("DateIn", a).toString(), QStringLiteral("2025-12-09"));
        QCOMPARE(column(w->lvLoans, 0), QStringList{QString::number(b)});
        QVERIFY(!w->ckReturned->isEnabled());

        // Borrower filter: a quote in the name works.
        w->cmbShow->setCurrentText(QStringLiteral("Returned Movies"));
        w->ckUsers->click();
        QVERIFY(w->cmbUsers->isEnabled());
        QCOMPARE(column(w->lvLoans, 0).size(), 2); // no borrower chosen yet: no condition
        w->cmbUsers->setCurrentText(QStringLiteral("Pat O'Brien"));
        QCOMPARE(column(w->lvLoans, 0), (QStringList{QString::number(a), QString::number(c)}));
        QCOMPARE(column(w->lvLoans, 4)[0], QLocale().toString(QDate(2025, 11, 20), QLocale::ShortFormat));

        // Sorting reverses at every click, dates in date order.
        const int dateLoaned = 4;
        w->lvLoans->header()->sectionClicked(dateLoaned);
        QCOMPARE(column(w->lvLoans, 0), (QStringList{QString::number(a), QString::number(c)}));
        w->lvLoans->header()->sectionClicked(dateLoaned);
        QCOMPARE(column(w->lvLoans, 0), (QStringList{QString::number(c), QString::number(a)}));
        QCOMPARE(w->shownLoans().first().id, c);

        // Clearing the box re-opens the loan.
        selectRow(w->lvLoans, 1);
        QVERIFY(w->ckReturned->isChecked());
        w->ckReturned->click();
        QVERIFY(loanValue("DateIn", a).isNull());
        QCOMPARE(column(w->lvLoans, 0), QStringList{QString::number(c)});

        // Unticking the borrower filter empties the box and lists every borrower again.
        w->ckUsers->click();
        QVERIFY(w->cmbUsers->currentText().isEmpty());
        QCOMPARE(column(w->lvLoans, 0), QStringList{QString::number(c)});

        QVERIFY(main.listMovies.isEmpty());
        w->cmdClose->click();
        QCOMPARE(main.listMovies, QStringList{QStringLiteral("Refreshing Movie List...")});
        QCOMPARE(t->ctx().ReadINI(QStringLiteral("frmLoans"), QStringLiteral("Show")), QStringLiteral("Returned Movies"));
        QVERIFY(!t->ctx().ReadINI(QStringLiteral("MovieLoans"), QStringLiteral("6")).isEmpty());
        delete w;

        // The window comes back with the filter it was closed with; closing it unchanged refreshes nothing.
        main.listMovies.clear();
        frmLoans again(t->ctx(), *cat, main.events);
        QCOMPARE(again.cmbShow->currentText(), QStringLiteral("Returned Movies"));
        QCOMPARE(column(again.lvLoans, 0), QStringList{QString::number(c)});
        again.close();
        QVERIFY(main.listMovies.isEmpty());
        QVERIFY(t->logLines().isEmpty());
    }

    // Another program returned the loan after the window listed it: ticking it asks first. Yes shows
    // the loans as stored (the other program's date stays); No makes this change.
    void aLoanChangedElsewhereIsNotWrittenOverUnasked()
    {
        const int heat = addMovie(*cat, QStringLiteral("Heat"));
        const int a = Loans::recordLoan(*cat, heat, QStringLiteral("Heat"), QStringLiteral("Ann"), QDate(2025, 11, 20));
        frmLoans w(t->ctx(), *cat, main.events);
        Catalogue other;
        QVERIFY(other.open(cat->path()).opened());
        Loans::setReturned(other, a, QDate(2025, 12, 1));

        selectRow(w.lvLoans, 0);
        QVERIFY(!w.ckReturned->isChecked());
        t->prompts.answerYes();
        w.ckReturned->click();
        QCOMPARE(t->prompts.shown().size(), 1);
        QCOMPARE(t->prompts.shown().last().title, QStringLiteral("Loan Changed Elsewhere"));
        QCOMPARE(loanValue("DateIn", a).toString(), QStringLiteral("2025-12-01"));

        // Listed again, the loan shows as returned; opening it again elsewhere, then No here.
        Loans::setReturned(other, a, QDate());
        selectRow(w.lvLoans, 0);
        QVERIFY(w.ckReturned->isChecked());
        Loans::setReturned(other, a, QDate(2025, 12, 5));
        t->prompts.answerNo();
        w.ckReturned->click();
        QCOMPARE(t->prompts.shown().size(), 2);
        QVERIFY(loanValue("DateIn", a).isNull());
    }

    void printHandsTheShownRowsToTheReport()
    {
        const int heat = addMovie(*cat, QStringLiteral("Heat"));
        Loans::recordLoan(*cat, heat, QStringLiteral("Heat"), QStringLiteral("Ann"), QDate(2025, 11, 20));
        QList<report::LoansReportParams> printed;
        frmLoans w(t->ctx(), *cat, main.events);
        connect(&w, &frmLoans::printRequested, this, [&](const report::LoansReportParams &r) { printed << r; });
        w.ckUsers->click();
        w.cmbUsers->setCurrentText(QStringLiteral("Ann"));
        QVERIFY(w.cmdPrint->isEnabled());
        w.cmdPrint->click();
        QCOMPARE(printed.size(), 1);
        QCOMPARE(printed[0].rows.size(), 1);
        QVERIFY(printed[0].showLoansForUser);
        QCOMPARE(printed[0].userName, QStringLiteral("Ann"));
        QCOMPARE(printed[0].rows[0].movieName, QStringLiteral("Heat"));
        QCOMPARE(printed[0].rows[0].loanedTo, QStringLiteral("Ann"));
        QCOMPARE(printed[0].rows[0].dateLoaned, QLocale().toString(QDate(2025, 11, 20), QLocale::ShortFormat));
        QVERIFY(printed[0].rows[0].dateReturned.isEmpty());
    }

    void addToUserListProposesTheNameAndCancelAddsNothing()
    {
        const int heat = addMovie(*cat, QStringLiteral("Heat"));
        // First time: no proposal, Add disabled until a name is typed.
        whenModal([&](QWidget *w) {
            auto *d = qobject_cast<frmAddToUserList *>(w);
            QVERIFY(d);
            QCOMPARE(d->txtUserName->text(), QStringLiteral("tester"));
            QCOMPARE(d->txtMovTitle->text(), QStringLiteral("Heat"));
            QVERIFY(d->txtDisplayName->text().isEmpty());
            QVERIFY(!d->cmdAdd->isEnabled());
            QTest::keyClicks(d->txtDisplayName, QStringLiteral("Kim's wishes"));
            QTest::mouseClick(d->cmdAdd, Qt::LeftButton);
        });
        QVERIFY(showAddToUserList(t->ctx(), *cat, heat, QStringLiteral("Heat"), nullptr));

        whenModal([&](QWidget *w) {
            auto *d = qobject_cast<frmAddToUserList *>(w);
            QVERIFY(d);
            QCOMPARE(d->txtDisplayName->text(), QStringLiteral("Kim's wishes"));
            QTest::mouseClick(d->cmdClose, Qt::LeftButton);
        });
        QVERIFY(!showAddToUserList(t->ctx(), *cat, heat, QStringLiteral("Heat"), nullptr));
        QCOMPARE(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM UserList")).toInt(), 1);
        QCOMPARE(cat->scalar(QStringLiteral("SELECT UserID FROM UserList")).toString(), QStringLiteral("tester"));
    }

    void userListsShowDeleteAndLend()
    {
        {
            frmUserList empty(t->ctx(), *cat, main.events);
            empty.Form_Load();
            QCOMPARE(t->prompts.messages(), QStringList{QStringLiteral("There are no user lists saved.")});
            QCOMPARE(t->prompts.titles(), QStringList{QStringLiteral("No Lists")});
            QCOMPARE(empty.cmbUserList->count(), 0);
        }
        t->prompts.clear();
        const int heat = addMovie(*cat, QStringLiteral("Heat"));
        const int ran = addMovie(*cat, QStringLiteral("Ran"));
        UserLists::addEntry(*cat, heat, QStringLiteral("Heat"), QStringLiteral("tester"), QStringLiteral("Kim O'Hara"));
        UserLists::addEntry(*cat, ran, QStringLiteral("Ran"), QStringLiteral("tester"), QStringLiteral("Kim O'Hara"));
        UserLists::addEntry(*cat, heat, QStringLiteral("Heat"), QStringLiteral("tester"), QStringLiteral("Kim O'Hara"));
        UserLists::addEntry(*cat, ran, QStringLiteral("Ran"), QStringLiteral("tester"), QStringLiteral("Bob"));

        frmUserList w(t->ctx(), *cat, main.events);
        w.Form_Load();
        QVERIFY(t->prompts.messages().isEmpty());
        w.cmbUserList->setCurrentText(QStringLiteral("Kim O'Hara"));
        QCOMPARE(column(w.lvMovies, 0), (QStringList{QStringLiteral("Heat"), QStringLiteral("Ran"), QStringLiteral("Heat")}));
        QVERIFY(!w.cmdDelete->isEnabled());

        // "Loan To" proposes the list's name; closing without lending leaves the main list alone.
        selectRow(w.lvMovies, 1);
        whenModal([&](QWidget *d) {
            auto *dialog = qobject_cast<frmLoanOut *>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->txtMovID->text(), QString::number(ran));
            QCOMPARE(dialog->txtLoanedTo->currentText(), QStringLiteral("Kim O'Hara"));
            QTest::mouseClick(dialog->cmdClose, Qt::LeftButton);
        });
        w.mnuLoanTo->trigger();
        QVERIFY(main.listMovies.isEmpty());
        whenModal([&](QWidget *d) { QTest::mouseClick(qobject_cast<frmLoanOut *>(d)->cmdLoan, Qt::LeftButton); });
        w.mnuLoanTo->trigger();
        QCOMPARE(Loans::openBorrowers(*cat, ran), QStringList{QStringLiteral("Kim O'Hara")});
        QCOMPARE(main.listMovies, QStringList{QStringLiteral("Updating the Movie List...")});

        // Deleting removes every entry of that movie from this list only, then disables Delete.
        selectRow(w.lvMovies, 0);
        QVERIFY(w.cmdDelete->isEnabled());
        w.cmdDelete->click();
        QCOMPARE(column(w.lvMovies, 0), QStringList{QStringLiteral("Ran")});
        QVERIFY(!w.cmdDelete->isEnabled());
        QCOMPARE(UserLists::entries(*cat, QStringLiteral("Bob")).size(), 1);
        QVERIFY(t->logLines().isEmpty());
    }
};

QTEST_MAIN(LoansWidgetsTest)
#include "LoansWidgetsTest.moc"
