#pragma once

#include <QList>
#include <QStringList>

class QAbstractItemView;
class QLabel;
class QWidget;

// What makes a window usable without a mouse and readable by a screen reader, shared by all windows:
// the Tab order, caption labels tied to the controls they caption, mnemonics (Alt+letter), the
// pop-up menu of a list opened from the keyboard, and a check of it all for the tests.
namespace KeyboardOrder {

// Tab moves through the widgets in this order (each one after the one before it).
void setChain(const QList<QWidget *> &widgets);

// Ties each caption label without a buddy to the control it captions: the control right of it in a
// grid, or after it in a box layout (beside or below it). A screen reader then names the control
// after its caption, and the caption's mnemonic moves the focus to the control.
void attachLabels(QWidget *window);

// Keeps attachLabels from taking the label for a caption (a joining word such as "as").
void notCaption(QLabel *label);

// Gives every caption label with a buddy, button, check box, radio button and group box that has
// no mnemonic yet one that no other control of the window (nor its menu bar) uses: the first
// letter of a word if one is free, else any free letter. Mnemonics already in a text (from the
// program or a translator) are kept.
void assignMnemonics(QWidget *window);

// attachLabels, then assignMnemonics: called once a window has its controls and texts.
void prepare(QWidget *window);

// The Menu key and Shift+F10 on the view ask for its pop-up menu (customContextMenuRequested) at
// its current item, as a right click on that item does.
void openMenuFromKeyboard(QAbstractItemView *view);

// Puts the widgets last in the window's Tab order (OK and Cancel after rows added by others).
void moveToEnd(QWidget *window, const QList<QWidget *> &widgets);

// Escape closes the window (for windows that are not dialogs; a dialog does it by itself).
void closeOnEscape(QWidget *window);

// Prepares every window of the program the first time it is shown (prepare), so a window or dialog
// built anywhere gets its captions tied and its mnemonics, including controls other parts of the
// program added after the window was made. Called once by the program at start.
void watchWindows();

// The object names of the controls Tab visits in the window, starting from the window itself:
// visible, enabled controls that take the focus by Tab.
QStringList focusChain(QWidget *window);

// What a keyboard or screen-reader user would miss in the window, one line each: a control Tab
// reaches that has no accessible name, a caption label with a buddy but no mnemonic, a mnemonic
// used twice. Empty when there is nothing.
QStringList problems(QWidget *window);

} // namespace KeyboardOrder
