#include "ComboAutoComplete.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

ComboAutoComplete *ComboAutoComplete::attach(QComboBox *box)
{
    return new ComboAutoComplete(box);
}

ComboAutoComplete::ComboAutoComplete(QComboBox *box) : QObject(box), m_box(box)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setDuplicatesEnabled(true);
    if (QLineEdit *edit = box->lineEdit()) {
        edit->installEventFilter(this);
        // Only the user's own typing completes: text the program puts in the box is shown as stored.
        connect(edit, &QLineEdit::textEdited, this, [this] { complete(); });
    }
}

bool ComboAutoComplete::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) && !m_box->currentText().isEmpty())
            m_skip = true;
    }
    return QObject::eventFilter(watched, event);
}

void ComboAutoComplete::complete()
{
    if (m_skip) {
        m_skip = false;
        return;
    }
    QLineEdit *edit = m_box->lineEdit();
    if (!edit)
        return;
    const QString typed = edit->text();
    if (typed.isEmpty())
        return;
    for (int i = 0; i < m_box->count(); ++i) {
        const QString entry = m_box->itemText(i);
        if (entry.startsWith(typed, Qt::CaseInsensitive)) {
            const qsizetype n = entry.size() - typed.size();
            if (n > 0) {
                edit->setText(typed + entry.right(n));
                edit->setSelection(int(typed.size()), int(n));
            }
            return;
        }
    }
}
