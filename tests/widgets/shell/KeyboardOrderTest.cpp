#include "KeyboardOrder.h"

#include <QAccessible>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

// The shared keyboard helper on small windows built for each case.
class KeyboardOrderTest : public QObject
{
    Q_OBJECT
private slots:
    void captionsAreTiedToTheirControls();
    void mnemonicsAreUniqueEvenInACrowdedWindow();
    void keysOfTheirOwnAndMenuLettersAreKept();
    void problemsNameWhatIsMissing();
    void menuKeysOpenTheListMenuAtTheCurrentRow();
};

namespace {

template <typename T>
T *named(T *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QChar mnemonic(const QString &text)
{
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
}

} // namespace

void KeyboardOrderTest::captionsAreTiedToTheirControls()
{
    QWidget w;
    auto *grid = new QGridLayout;
    auto *gridCaption = new QLabel(QStringLiteral("Title:"));
    auto *gridField = named(new QLineEdit, "gridField");
    grid->addWidget(gridCaption, 0, 0);
    grid->addWidget(gridField, 0, 1);
    auto *form = new QFormLayout;
    auto *formCaption = new QLabel(QStringLiteral("Borrower:"));
    auto *formField = named(new QComboBox, "formField");
    form->addRow(formCaption, formField);
    auto *row = new QHBoxLayout;
    auto *rowCaption = new QLabel(QStringLiteral("Movies on loan:"));
    auto *list = named(new QListWidget, "list");
    row->addWidget(rowCaption);
    row->addWidget(list);
    // A status text and a caption before a button caption nothing.
    auto *status = new QLabel(QStringLiteral("3 movies"));
    auto *button = new QPushButton(QStringLiteral("Print"));
    row->addWidget(status);
    row->addWidget(button);
    auto *joining = new QLabel(QStringLiteral("as"));
    auto *role = named(new QLineEdit, "role");
    row->addWidget(joining);
    row->addWidget(role);
    KeyboardOrder::notCaption(joining);
    auto *layout = new QVBoxLayout(&w);
    layout->addLayout(grid);
    layout->addLayout(form);
    layout->addLayout(row);

    KeyboardOrder::attachLabels(&w);
    QCOMPARE(gridCaption->buddy(), gridField);
    QCOMPARE(formCaption->buddy(), formField);
    QCOMPARE(rowCaption->buddy(), list);
    QCOMPARE(status->buddy(), nullptr);
    QCOMPARE(joining->buddy(), nullptr);
    // Controls a screen reader would not find a caption for are named after theirs.
    QCOMPARE(list->accessibleName(), QStringLiteral("Movies on loan"));
    QCOMPARE(formField->accessibleName(), QStringLiteral("Borrower"));
    // A name given by the window stays.
    role->setAccessibleName(QStringLiteral("Role"));
    joining->setBuddy(role);
    KeyboardOrder::attachLabels(&w);
    QCOMPARE(role->accessibleName(), QStringLiteral("Role"));
}

void KeyboardOrderTest::mnemonicsAreUniqueEvenInACrowdedWindow()
{
    // Captions that share most of their letters: taking each one's first free letter in turn would
    // leave the last without one.
    const QStringList captions = {QStringLiteral("Title:"), QStringLiteral("Year 1:"), QStringLiteral("Year:"),
                                  QStringLiteral("Ye:")};
    QWidget w;
    auto *grid = new QGridLayout(&w);
    QList<QLabel *> labels;
    for (int i = 0; i < captions.size(); ++i) {
        labels << new QLabel(captions.at(i));
        grid->addWidget(labels.last(), i, 0);
        grid->addWidget(new QLineEdit, i, 1);
    }
    KeyboardOrder::prepare(&w);
    QSet<QChar> letters;
    for (QLabel *l : labels) {
        const QChar m = mnemonic(l->text());
        QVERIFY2(!m.isNull(), qPrintable(l->text()));
        QVERIFY2(!letters.contains(m), qPrintable(l->text()));
        letters.insert(m);
    }
    // The word's first letter where it is free.
    QCOMPARE(labels.first()->text(), QStringLiteral("&Title:"));
    QCOMPARE(KeyboardOrder::problems(&w), QStringList());
    // Preparing again changes nothing.
    const QString before = labels.at(3)->text();
    KeyboardOrder::prepare(&w);
    QCOMPARE(labels.at(3)->text(), before);

    // Two parts of the program that chose the same letter: the first keeps it, the later one moves.
    QWidget both;
    auto *rows = new QFormLayout(&both);
    auto *own = new QLabel(QStringLiteral("&Language:"));
    auto *added = new QLabel(QStringLiteral("&Language:"));
    rows->addRow(own, new QComboBox);
    rows->addRow(added, new QLineEdit);
    KeyboardOrder::prepare(&both);
    QCOMPARE(own->text(), QStringLiteral("&Language:"));
    QVERIFY(!mnemonic(added->text()).isNull());
    QVERIFY(mnemonic(added->text()) != QLatin1Char('l'));
    QCOMPARE(QString(added->text()).remove(QLatin1Char('&')), QStringLiteral("Language:"));
}

void KeyboardOrderTest::keysOfTheirOwnAndMenuLettersAreKept()
{
    QMainWindow w;
    w.menuBar()->addMenu(QStringLiteral("&File"));
    QMenu *options = w.menuBar()->addMenu(QStringLiteral("Options"));
    auto *central = new QWidget;
    auto *layout = new QHBoxLayout(central);
    auto *find = new QPushButton(QStringLiteral("Find"));
    auto *close = new QPushButton(QStringLiteral("Close"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    auto *group = new QGroupBox(QStringLiteral("Order"));
    layout->addWidget(find);
    layout->addWidget(close);
    layout->addWidget(group);
    w.setCentralWidget(central);
    KeyboardOrder::prepare(&w);

    // Alt+F stays the File menu's; the menu without a letter gets one.
    QVERIFY(mnemonic(find->text()) != QLatin1Char('f'));
    QVERIFY(!mnemonic(find->text()).isNull());
    QVERIFY(!mnemonic(options->title()).isNull());
    QVERIFY(mnemonic(options->title()) != mnemonic(group->title()));
    // Escape still clicks Close: a mnemonic would have replaced its key.
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QCOMPARE(close->shortcut(), QKeySequence(Qt::Key_Escape));
}

void KeyboardOrderTest::problemsNameWhatIsMissing()
{
    QWidget w;
    auto *layout = new QHBoxLayout(&w);
    auto *caption = new QLabel(QStringLiteral("Title:"));
    auto *title = named(new QLineEdit, "txtTitle");
    caption->setBuddy(title);
    auto *arrow = named(new QPushButton(QStringLiteral("->")), "cmdURL");
    auto *list = named(new QListWidget, "lstActors");
    auto *one = new QPushButton(QStringLiteral("&Save"));
    auto *two = new QPushButton(QStringLiteral("&Search"));
    for (QWidget *c : {static_cast<QWidget *>(caption), static_cast<QWidget *>(title), static_cast<QWidget *>(arrow),
                       static_cast<QWidget *>(list), static_cast<QWidget *>(one), static_cast<QWidget *>(two)})
        layout->addWidget(c);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QStringList problems = KeyboardOrder::problems(&w);
    QVERIFY2(problems.contains(QStringLiteral("caption without mnemonic: Title:")), qPrintable(problems.join(QLatin1Char('\n'))));
    QVERIFY(problems.contains(QStringLiteral("no accessible name: cmdURL (QPushButton)")));
    QVERIFY(problems.contains(QStringLiteral("no accessible name: lstActors (QListWidget)")));
    QVERIFY(problems.contains(QStringLiteral("mnemonic s used by &Save and &Search")));
    QVERIFY(!problems.join(QLatin1Char(' ')).contains(QLatin1String("txtTitle")));
    QCOMPARE(KeyboardOrder::focusChain(&w),
             (QStringList{QStringLiteral("txtTitle"), QStringLiteral("cmdURL"), QStringLiteral("lstActors"), QString(), QString()}));

    // Names and a letter for the caption mend it.
    arrow->setAccessibleName(QStringLiteral("Visit website"));
    list->setAccessibleName(QStringLiteral("Cast"));
    two->setText(QStringLiteral("Sea&rch"));
    KeyboardOrder::prepare(&w);
    QCOMPARE(KeyboardOrder::problems(&w), QStringList());
}

void KeyboardOrderTest::menuKeysOpenTheListMenuAtTheCurrentRow()
{
    QListWidget list;
    list.addItems({QStringLiteral("Brazil"), QStringLiteral("Heat"), QStringLiteral("Ran")});
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    KeyboardOrder::openMenuFromKeyboard(&list);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy asked(&list, &QWidget::customContextMenuRequested);
    // Without a current row there is nothing to open the menu on.
    list.setCurrentRow(-1);
    QTest::keyClick(&list, Qt::Key_Menu);
    QCOMPARE(asked.count(), 0);
    list.setCurrentRow(1);
    QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(&list, Qt::Key_Menu);
    QCOMPARE(asked.count(), 2);
    for (const QList<QVariant> &call : asked)
        QCOMPARE(list.itemAt(call.at(0).toPoint()), list.item(1));
    QTest::keyClick(&list, Qt::Key_F10);
    QCOMPARE(asked.count(), 2);
}

QTEST_MAIN(KeyboardOrderTest)
#include "KeyboardOrderTest.moc"
