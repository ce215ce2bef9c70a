#include "KeyboardOrder.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QBoxLayout>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QRegularExpression>
#include <QToolButton>
#include <functional>
#include <map>
#include <set>

namespace {

// Where the text's mnemonic marker ('&' not doubled) is; -1 when none.
qsizetype mnemonicAt(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return i;
    }
    return -1;
}

// The character after the text's mnemonic marker, lower-cased; null when none.
QChar mnemonicOf(const QString &text)
{
    const qsizetype at = mnemonicAt(text);
    return at < 0 ? QChar() : text.at(at + 1).toLower();
}

bool takesTabFocus(const QWidget *w)
{
    return (w->focusPolicy() & Qt::TabFocus) && !qobject_cast<const QLabel *>(w);
}

// A control a caption names: one that takes the focus and carries no text of its own.
QWidget *captionedControl(QWidget *w)
{
    if (!w || !takesTabFocus(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QGroupBox *>(w))
        return nullptr;
    return w;
}

QWidget *firstControlIn(QLayoutItem *item)
{
    if (!item)
        return nullptr;
    if (QWidget *w = item->widget())
        return captionedControl(w);
    if (QLayout *l = item->layout())
        return l->count() > 0 ? firstControlIn(l->itemAt(0)) : nullptr;
    return nullptr;
}

const char *const NotCaption = "keyboardOrderNotCaption";

bool isCaption(const QLabel *label)
{
    return !label->buddy() && !label->property(NotCaption).toBool() && !label->text().trimmed().isEmpty() && !label->wordWrap()
        && label->textFormat() != Qt::RichText && !label->openExternalLinks();
}

// Names the control after its caption. Left to itself, a screen reader looks for a caption among
// the control's siblings only, not at all for a list, and takes a combo box's text for its name.
void nameAfterCaption(QLabel *label, QWidget *control)
{
    if (!control->accessibleName().isEmpty())
        return;
    QString name = label->text();
    name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    control->setAccessibleName(name.trimmed()); // French puts a space before the colon
}

void tie(QLabel *label, QWidget *control)
{
    if (control)
        label->setBuddy(control);
}

// The texts that can carry a mnemonic, with a way to change them.
struct Labelled {
    QWidget *widget;
    QString text;
};

QList<Labelled> labelledControls(QWidget *window)
{
    QList<Labelled> out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window->window())
            continue;
        if (auto *l = qobject_cast<QLabel *>(w)) {
            if (l->buddy())
                out.append({w, l->text()});
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            // A button with a key of its own (Escape, Delete) keeps it: a mnemonic would replace it.
            const bool ownKey = !b->shortcut().isEmpty() && mnemonicOf(b->text()).isNull();
            if (!qobject_cast<QToolButton *>(w) && !b->text().isEmpty() && !ownKey)
                out.append({w, b->text()});
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            if (!g->title().isEmpty())
                out.append({w, g->title()});
        }
    }
    return out;
}

void setText(QWidget *w, const QString &text)
{
    if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(text);
    else if (auto *b = qobject_cast<QAbstractButton *>(w))
        b->setText(text);
    else if (auto *g = qobject_cast<QGroupBox *>(w))
        g->setTitle(text);
}

QList<QAction *> menuTitles(QWidget *window)
{
    if (auto *main = qobject_cast<QMainWindow *>(window->window()))
        if (auto *bar = qobject_cast<QMenuBar *>(main->menuWidget()))
            return bar->actions();
    return {};
}

// Letters the menu bar's titles use as mnemonics.
std::set<QChar> menuMnemonics(QWidget *window)
{
    std::set<QChar> used;
    for (QAction *a : menuTitles(window))
        if (const QChar c = mnemonicOf(a->text()); !c.isNull())
            used.insert(c);
    return used;
}

// Where in text a free letter is: a word's first letter if one is free, else any letter.
qsizetype freeLetter(const QString &text, const std::set<QChar> &used)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (!c.isLetterOrNumber() || used.count(c.toLower()))
                continue;
            const bool wordStart = i == 0 || !text.at(i - 1).isLetterOrNumber();
            if (pass == 1 || wordStart)
                return i;
        }
    }
    return -1;
}

// The control a widget stands for: a combo box or spin box for its own line edit.
QWidget *owner(QWidget *w)
{
    QWidget *p = w->parentWidget();
    const bool editorOf = p && p->focusProxy() == w && (qobject_cast<QComboBox *>(p) || qobject_cast<QAbstractSpinBox *>(p));
    return editorOf ? p : w;
}

// A widget Tab passes through to reach the buttons inside it.
bool passesFocusOn(const QWidget *w)
{
    return qobject_cast<const QDialogButtonBox *>(w);
}

// Prepares each window when it is first shown.
class WindowWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *w = static_cast<QWidget *>(watched);
            if (w->isWindow() && !w->property(Prepared).toBool() && !w->inherits("QMenu") && !w->inherits("QTipLabel")) {
                w->setProperty(Prepared, true);
                KeyboardOrder::prepare(w);
            }
        }
        return false;
    }

public:
    static constexpr const char *Prepared = "keyboardOrderPrepared";
};

class MenuKeys : public QObject
{
public:
    explicit MenuKeys(QAbstractItemView *view) : QObject(view), m_view(view) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool menuKey = key->key() == Qt::Key_Menu
            || (key->key() == Qt::Key_F10 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier);
        if (!menuKey)
            return false;
        const QModelIndex current = m_view->currentIndex();
        if (!current.isValid())
            return true;
        m_view->scrollTo(current);
        const QRect r = m_view->visualRect(current);
        emit m_view->customContextMenuRequested(QPoint(r.left() + std::min(r.width() / 2, 20), r.center().y()));
        return true;
    }

private:
    QAbstractItemView *m_view;
};

} // namespace

namespace KeyboardOrder {

void setChain(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets.at(i - 1), widgets.at(i));
}

void attachLabels(QWidget *window)
{
    for (QLayout *layout : window->findChildren<QLayout *>()) {
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            for (int i = 0; i < grid->count(); ++i) {
                auto *label = qobject_cast<QLabel *>(grid->itemAt(i)->widget());
                if (!label || !isCaption(label))
                    continue;
                int row, col, rowSpan, colSpan;
                grid->getItemPosition(i, &row, &col, &rowSpan, &colSpan);
                tie(label, firstControlIn(grid->itemAtPosition(row, col + colSpan)));
            }
        } else if (auto *form = qobject_cast<QFormLayout *>(layout)) {
            for (int row = 0; row < form->rowCount(); ++row) {
                QLayoutItem *item = form->itemAt(row, QFormLayout::LabelRole);
                auto *label = item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
                if (label && isCaption(label))
                    tie(label, firstControlIn(form->itemAt(row, QFormLayout::FieldRole)));
            }
        } else if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
            for (int i = 0; i + 1 < box->count(); ++i) {
                auto *label = qobject_cast<QLabel *>(box->itemAt(i)->widget());
                if (label && isCaption(label))
                    tie(label, firstControlIn(box->itemAt(i + 1)));
            }
        }
    }
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() && label->window() == window->window())
            nameAfterCaption(label, label->buddy());
}

void notCaption(QLabel *label)
{
    label->setProperty(NotCaption, true);
}

void assignMnemonics(QWidget *window)
{
    std::set<QChar> used = menuMnemonics(window);
    QList<Labelled> controls = labelledControls(window);
    // A letter a text already has stays, unless a control before it has it too (two parts of the
    // program, or a translation, chose the same): then the later text gets another letter.
    for (Labelled &c : controls) {
        const QChar m = mnemonicOf(c.text);
        if (m.isNull())
            continue;
        if (!used.count(m)) {
            used.insert(m);
            continue;
        }
        c.text.remove(mnemonicAt(c.text), 1);
        setText(c.widget, c.text);
    }
    // The menu titles first: Alt+letter opening a menu is what users try first.
    for (QAction *a : menuTitles(window)) {
        if (a->text().isEmpty() || !mnemonicOf(a->text()).isNull())
            continue;
        if (const qsizetype at = freeLetter(a->text(), used); at >= 0) {
            used.insert(a->text().at(at).toLower());
            a->setText(a->text().insert(at, QLatin1Char('&')));
        }
    }
    // As many texts as possible get a letter of their own (a matching of texts to free letters,
    // found by augmenting paths), each preferring the first letters of its words.
    QList<Labelled> open;
    std::vector<std::vector<qsizetype>> candidates; // positions in the text, word starts first
    for (const Labelled &c : controls) {
        if (!mnemonicOf(c.text).isNull())
            continue;
        std::vector<qsizetype> at;
        std::set<QChar> seen;
        for (int pass = 0; pass < 2; ++pass)
            for (qsizetype i = 0; i < c.text.size(); ++i) {
                const QChar ch = c.text.at(i).toLower();
                const bool wordStart = i == 0 || !c.text.at(i - 1).isLetterOrNumber();
                if (!c.text.at(i).isLetterOrNumber() || used.count(ch) || (pass == 0) != wordStart || seen.count(ch))
                    continue;
                seen.insert(ch);
                at.push_back(i);
            }
        open.append(c);
        candidates.push_back(at);
    }
    std::map<QChar, qsizetype> owner; // letter -> index into open
    std::vector<qsizetype> chosen(size_t(open.size()), -1);
    std::function<bool(qsizetype, std::set<QChar> &)> place = [&](qsizetype i, std::set<QChar> &visited) {
        for (const qsizetype at : candidates[size_t(i)]) {
            const QChar ch = open.at(i).text.at(at).toLower();
            if (visited.count(ch))
                continue;
            visited.insert(ch);
            const auto o = owner.find(ch);
            if (o == owner.end() || place(o->second, visited)) {
                owner[ch] = i;
                chosen[size_t(i)] = at;
                return true;
            }
        }
        return false;
    };
    for (qsizetype i = 0; i < open.size(); ++i) {
        std::set<QChar> visited;
        place(i, visited);
    }
    for (qsizetype i = 0; i < open.size(); ++i) {
        if (chosen[size_t(i)] < 0)
            continue;
        QString text = open.at(i).text;
        text.insert(chosen[size_t(i)], QLatin1Char('&'));
        setText(open.at(i).widget, text);
    }
}

void prepare(QWidget *window)
{
    attachLabels(window);
    assignMnemonics(window);
}

void closeOnEscape(QWidget *window)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setObjectName(QStringLiteral("scCloseOnEscape"));
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

void moveToEnd(QWidget *window, const QList<QWidget *> &widgets)
{
    QWidget *last = nullptr;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !widgets.contains(w) && window->isAncestorOf(w) && !w->focusProxy())
            last = w;
    if (!last)
        return;
    QList<QWidget *> chain{last};
    chain.append(widgets);
    setChain(chain);
}

void watchWindows()
{
    static WindowWatcher *watcher = nullptr;
    if (!watcher && qApp) {
        watcher = new WindowWatcher(qApp);
        qApp->installEventFilter(watcher);
    }
}

void openMenuFromKeyboard(QAbstractItemView *view)
{
    view->installEventFilter(new MenuKeys(view));
}

QStringList focusChain(QWidget *window)
{
    QStringList names;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || passesFocusOn(w))
            continue;
        if (w->window() != window->window() || !window->isAncestorOf(w))
            continue;
        names.append(owner(w)->objectName());
    }
    return names;
}

QStringList problems(QWidget *window)
{
    QStringList out;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (w->window() != window->window() || !window->isAncestorOf(w) || !w->isVisible()
            || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || passesFocusOn(w))
            continue;
        QWidget *control = owner(w);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
        // A combo box's accessible name is its current text here: its real name is its own or its caption's.
        const bool named = qobject_cast<QComboBox *>(control)
            ? !control->accessibleName().trimmed().isEmpty() || (a && !a->relations(QAccessible::Label).isEmpty())
            : a && a->text(QAccessible::Name).contains(QRegularExpression(QStringLiteral("\\w")));
        if (!named)
            out.append(QStringLiteral("no accessible name: %1 (%2)")
                           .arg(control->objectName(), QString::fromLatin1(control->metaObject()->className())));
    }
    std::map<QChar, QString> seen = {};
    for (const QChar c : menuMnemonics(window))
        seen[c] = QStringLiteral("menu bar");
    for (const Labelled &c : labelledControls(window)) {
        if (!c.widget->isVisibleTo(window))
            continue;
        const QChar m = mnemonicOf(c.text);
        if (m.isNull()) {
            if (qobject_cast<QLabel *>(c.widget))
                out.append(QStringLiteral("caption without mnemonic: %1").arg(c.text));
            continue;
        }
        const QString who = c.widget->objectName().isEmpty() ? c.text : c.widget->objectName();
        if (auto it = seen.find(m); it != seen.end())
            out.append(QStringLiteral("mnemonic %1 used by %2 and %3").arg(m).arg(it->second, who));
        else
            seen[m] = who;
    }
    return out;
}

} // namespace KeyboardOrder
