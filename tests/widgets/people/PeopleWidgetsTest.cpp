#include "MarkerTranslator.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmActDir.h"
#include "frmEpisodes.h"
#include "Episodes.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

class PeopleWidgetsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WidgetTestContext> t;
    std::unique_ptr<Catalogue> cat;

    int add(const char *sql, const QVariantList &values)
    {
        return cat->exec(QString::fromLatin1(sql), values).lastInsertId().toInt();
    }
    static QStringList column(QTreeView *view, int col)
    {
        QStringList out;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            out << view->model()->index(r, col).data().toString();
        return out;
    }
    static QStringList items(QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    static void selectRow(QTreeView *view, int row) { view->setCurrentIndex(view->model()->index(row, 0)); }

private slots:
    void init()
    {
        t = std::make_unique<WidgetTestContext>();
        cat = openTempCatalogue(t->ctx(), t->folder());
    }
    void cleanup()
    {
        cat.reset();
        t.reset();
    }

    // In another language the kinds are chosen by what they are, not by their words.
    void kindsInAnotherLanguageListTheirPeople()
    {
        addMovie(*cat, QStringLiteral("Alien"), QStringLiteral("Scott, Ridley"));
        add("INSERT INTO Directors (Director, URL) VALUES (?, ?)", {QStringLiteral("Scott, Ridley"), QStringLiteral("http://")});
        add("INSERT INTO Actors (Actor, URL) VALUES (?, ?)", {QStringLiteral("Weaver, Sigourney"), QStringLiteral("http://")});
        add("INSERT INTO Actors (Actor, URL) VALUES (?, ?)", {QStringLiteral("Hurt, John"), QStringLiteral("http://")});

        MarkerTranslator translated;
        frmActDir w(t->ctx(), *cat);
        w.cmbSelect->setCurrentIndex(1);
        QCOMPARE(w.cmbSelect->currentText(), MarkerTranslator::marked(QStringLiteral("Directors")));
        QCOMPARE(w.lblActors->text(), MarkerTranslator::marked(QStringLiteral("Directors:")));
        QCOMPARE(w.lvActDir->model()->headerData(0, Qt::Horizontal).toString(), w.cmbSelect->currentText());
        QCOMPARE(column(w.lvActDir, 0), QStringList{QStringLiteral("Scott, Ridley")});
        w.cmbSelect->setCurrentIndex(0);
        QCOMPARE(w.lblActors->text(), MarkerTranslator::marked(QStringLiteral("Actors:")));
        QCOMPARE(column(w.lvActDir, 0).size(), 2);
        QVERIFY(t->logLines().isEmpty());
    }

    void directorsByLetterAndSavedAsTyped()
    {
        addMovie(*cat, QStringLiteral("Alien"), QStringLiteral("Scott, Ridley"));
        addMovie(*cat, QStringLiteral("Gladiator"), QStringLiteral("Scott, Ridley"));
        add("INSERT INTO Directors (Director, URL) VALUES (?, ?)", {QStringLiteral("spielberg, steven"), QStringLiteral("http://")});
        add("INSERT INTO Directors (Director, URL) VALUES (?, ?)", {QStringLiteral("Scott,Ridley"), QStringLiteral("http://")});
        add("INSERT INTO Directors (Director, URL) VALUES (?, ?)", {QStringLiteral("Mann, Michael"), QStringLiteral("http://")});

        frmActDir w(t->ctx(), *cat);
        QCOMPARE(w.lvActDir->model()->rowCount(), 0);
        w.cmbSelect->setCurrentText(QStringLiteral("Directors"));
        QCOMPARE(w.lblActors->text(), QStringLiteral("Directors:"));
        QCOMPARE(w.lvActDir->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Directors"));
        QCOMPARE(column(w.lvActDir, 0).size(), 3); // the blank letter lists everyone
        w.cmbLetters->setCurrentText(QStringLiteral("S"));
        QCOMPARE(column(w.lvActDir, 0), (QStringList{QStringLiteral("Scott,Ridley"), QStringLiteral("spielberg, steven")}));

        // Correct the name to the one the movies carry: the movies show up, and stay found.
        selectRow(w.lvActDir, 0);
        QVERIFY(items(w.lstMovies).isEmpty());
        w.txtName->setText(QStringLiteral("Scott, Ridley"));
        w.txtURL->setText(QStringLiteral("https://example.org/rs"));
        w.cmdSave->click();
        QCOMPARE(column(w.lvActDir, 0)[0], QStringLiteral("Scott, Ridley"));
        QCOMPARE(cat->scalar(QStringLiteral("SELECT Director FROM Directors WHERE Director LIKE 'Scott%'")).toString(),
                 QStringLiteral("Scott, Ridley"));
        QCOMPARE(cat->scalar(QStringLiteral("SELECT URL FROM Directors WHERE Director LIKE 'Scott%'")).toString(),
                 QStringLiteral("https://example.org/rs"));
        w.GetList();
        selectRow(w.lvActDir, 0);
        QCOMPARE(items(w.lstMovies), (QStringList{QStringLiteral("Alien"), QStringLiteral("Gladiator")}));

        // The addresses handed to the browser are encoded.
        w.cmdURL->click();
        w.txtName->setText(QStringLiteral("Ann Berg"));
        w.mnuIMDB->trigger();
        QCOMPARE(t->urls.opened.size(), 2);
        QCOMPARE(t->urls.opened[0].toString(QUrl::FullyEncoded), QStringLiteral("https://example.org/rs"));
        QCOMPARE(t->urls.opened[1].toString(QUrl::FullyEncoded), QStringLiteral("https://www.imdb.com/find?q=Ann%20Berg;nm=on;mx=20"));
        QVERIFY(t->logLines().isEmpty());
    }

    void deletingAnActorRemovesItsLinksAndKeepsTheMovies()
    {
        const int abyss = addMovie(*cat, QStringLiteral("The Abyss"));
        const int ed = add("INSERT INTO Actors (Actor) VALUES (?)", {QStringLiteral("Harris, Ed")});
        const int mary = add("INSERT INTO Actors (Actor) VALUES (?)", {QStringLiteral("Mastrantonio, Mary")});
        cat->exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?), (?, ?, ?), (?, ?, ?)"),
                  {abyss, ed, QStringLiteral("Bud"), 555, ed, QStringLiteral("Gone"), abyss, mary, QStringLiteral("Lindsey")});

        frmActDir w(t->ctx(), *cat);
        w.cmbSelect->setCurrentText(QStringLiteral("Actors"));
        w.cmbLetters->setCurrentText(QStringLiteral("H"));
        QCOMPARE(column(w.lvActDir, 0), QStringList{QStringLiteral("Harris, Ed")});
        selectRow(w.lvActDir, 0);
        QCOMPARE(w.SelectedPersonID(), ed);
        QCOMPARE(items(w.lstMovies),
                 (QStringList{QStringLiteral("The Abyss - Bud"), QStringLiteral("--- Assicated Movie ID: 555 Not Found ---")}));

        // No: nothing happens. Yes: the actor and the links go.
        t->prompts.answerNo().answerYes();
        w.mnuDelete->trigger();
        QCOMPARE(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM Actors")).toInt(), 2);
        w.mnuDelete->trigger();
        QCOMPARE(t->prompts.shown().last().text, QStringLiteral("Are you sure you want to delete Harris, Ed from the database?"));
        QCOMPARE(t->prompts.shown().last().title, QStringLiteral("Delete Actors"));
        QVERIFY(column(w.lvActDir, 0).isEmpty());
        QCOMPARE(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM MovActLink WHERE ActID = ?"), {ed}).toInt(), 0);
        QCOMPARE(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM MovActLink WHERE ActID = ?"), {mary}).toInt(), 1);
        QCOMPARE(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM Movies")).toInt(), 1);
        QVERIFY(t->logLines().isEmpty());
    }

    // Another program changed the episodes after the window listed them: the save asks first. Yes
    // shows them as stored and writes nothing; No makes the change anyway.
    void episodesChangedElsewhereAreNotWrittenOverUnasked()
    {
        const int disc = addMovie(*cat, QStringLiteral("Firefly"), QString(), QStringLiteral("2"));
        frmEpisodes w(t->ctx(), *cat);
        w.setMovie(disc, QStringLiteral("Firefly"), QStringLiteral("2"));
        Catalogue other;
        QVERIFY(other.open(cat->path()).opened());
        Episodes::save(other, 0, disc, QStringLiteral("Serenity"), 1, 1);
        auto countEpisodes = [&] { return cat->scalar(QStringLiteral("SELECT COUNT(*) FROM Episodes WHERE MovID = ?"), {disc}).toInt(); };

        w.txtTitle->setText(QStringLiteral("Mine"));
        w.txtEpsNum->setText(QStringLiteral("2"));
        w.txtDiscNum->setEditText(QStringLiteral("1"));
        t->prompts.answerYes();
        w.cmdSaveUpdate->click();
        QCOMPARE(t->prompts.shown().size(), 1);
        QCOMPARE(t->prompts.shown().last().title, QStringLiteral("Episodes Changed Elsewhere"));
        QCOMPARE(column(w.lvEpisodes, 0), QStringList{QStringLiteral("Serenity")});
        QCOMPARE(countEpisodes(), 1);
        // From the list as it is now, the save goes in without a question.
        w.cmdSaveUpdate->click();
        QCOMPARE(t->prompts.shown().size(), 1);
        QCOMPARE(column(w.lvEpisodes, 0), (QStringList{QStringLiteral("Serenity"), QStringLiteral("Mine")}));

        Episodes::save(other, 0, disc, QStringLiteral("Theirs"), 3, 1);
        w.txtTitle->setText(QStringLiteral("Forced"));
        w.txtEpsNum->setText(QStringLiteral("4"));
        t->prompts.answerNo();
        w.cmdSaveUpdate->click();
        QCOMPARE(t->prompts.shown().size(), 2);
        QCOMPARE(countEpisodes(), 4);
        QCOMPARE(column(w.lvEpisodes, 0),
                 (QStringList{QStringLiteral("Serenity"), QStringLiteral("Mine"), QStringLiteral("Theirs"), QStringLiteral("Forced")}));
    }

    void episodesSaveRenumberUpdateAndDelete()
    {
        const int disc = addMovie(*cat, QStringLiteral("Firefly"), QString(), QStringLiteral("3"));
        frmEpisodes w(t->ctx(), *cat);
        w.txtDiscNum->setEditText(QStringLiteral("2"));
        w.setMovie(disc, QStringLiteral("Firefly"), QStringLiteral("3"));
        QCOMPARE(w.windowTitle(), QStringLiteral(" Episodes for Firefly"));
        QCOMPARE(w.txtDiscNum->count(), 3);
        QCOMPARE(w.txtDiscNum->itemText(2), QStringLiteral("3"));
        QCOMPARE(w.txtDiscNum->currentText(), QStringLiteral("2")); // kept across the refill
        QVERIFY(!w.cmdSaveUpdate->isEnabled());

        w.txtTitle->setText(QStringLiteral("Serenity"));
        w.txtEpsNum->setText(QStringLiteral("four"));
        w.cmdSaveUpdate->click();
        QCOMPARE(t->prompts.messages(), QStringList{QStringLiteral("Episode Number must be a number!")});
        QCOMPARE(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM Episodes")).toInt(), 0);

        w.txtEpsNum->setText(QStringLiteral("4"));
        w.cmdSaveUpdate->click();
        QVERIFY(w.txtTitle->text().isEmpty());
        QCOMPARE(w.txtEpsNum->text(), QStringLiteral("5"));
        QCOMPARE(w.txtDiscNum->currentText(), QStringLiteral("2"));
        w.txtTitle->setText(QStringLiteral("The Train Job"));
        w.txtEpsNum->setText(QStringLiteral("10"));
        w.cmdSaveUpdate->click();
        QCOMPARE(column(w.lvEpisodes, 0), (QStringList{QStringLiteral("Serenity"), QStringLiteral("The Train Job")}));
        QCOMPARE(column(w.lvEpisodes, 1), (QStringList{QStringLiteral("4"), QStringLiteral("10")}));

        // A clicked episode is changed, not duplicated; the next save adds again.
        selectRow(w.lvEpisodes, 0);
        QCOMPARE(w.txtTitle->text(), QStringLiteral("Serenity"));
        w.txtTitle->setText(QStringLiteral("Serenity (pilot)"));
        w.txtEpsNum->setText(QStringLiteral("1"));
        w.cmdSaveUpdate->click();
        QCOMPARE(w.SelectedEpisodeID(), 0);
        QCOMPARE(column(w.lvEpisodes, 0), (QStringList{QStringLiteral("Serenity (pilot)"), QStringLiteral("The Train Job")}));
        w.txtTitle->setText(QStringLiteral("Bushwhacked"));
        w.txtEpsNum->setText(QStringLiteral("3"));
        w.cmdSaveUpdate->click();
        QCOMPARE(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM Episodes WHERE MovID = ?"), {disc}).toInt(), 3);

        // Deleting asks first.
        QVERIFY(!w.cmdDeleteEpisode->isEnabled());
        selectRow(w.lvEpisodes, 1);
        QVERIFY(w.cmdDeleteEpisode->isEnabled());
        t->prompts.answerNo().answerYes();
        w.cmdDeleteEpisode->click();
        QCOMPARE(column(w.lvEpisodes, 0).size(), 3);
        selectRow(w.lvEpisodes, 1);
        w.cmdDeleteEpisode->click();
        QCOMPARE(column(w.lvEpisodes, 0), (QStringList{QStringLiteral("Serenity (pilot)"), QStringLiteral("The Train Job")}));

        // "close" hides the window and keeps its place and columns.
        w.show();
        w.lvEpisodes->header()->resizeSection(0, 250);
        w.cmdClose->click();
        QVERIFY(!w.isVisible());
        QVERIFY(!t->ctx().ReadINI(QStringLiteral("frmEpisodes"), QStringLiteral("Left")).isEmpty());
        frmEpisodes again(t->ctx(), *cat);
        QCOMPARE(again.lvEpisodes->header()->sectionSize(0), 250);
        QVERIFY(t->logLines().isEmpty());
    }
};

QTEST_MAIN(PeopleWidgetsTest)
#include "PeopleWidgetsTest.moc"
